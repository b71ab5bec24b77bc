#pragma once

#include "companyfields.h"

#include <QList>
#include <QString>
#include <optional>
#include <span>
#include <utility>

namespace gaikyo {

class Screen;

// A box of a screen that shows a field of the company header. Each screen lists its
// boxes in its own table; what a field is (its kind, its line) comes from companyFields.
struct CompanyBox {
    CompanyBox(QString box, CompanyMember member, QString caption = {}, bool zeroShownEmpty = false)
        : box(std::move(box)), member(member), caption(std::move(caption)),
          zeroShownEmpty(zeroShownEmpty) {}

    QString box;
    CompanyMember member;
    // The field as this screen's messages name it; the field's own name when empty.
    QString caption;
    // An empty box stands for 0, and 0 shows as an empty box: a number many companies do
    // not have yet.
    bool zeroShownEmpty = false;
};

namespace companyboxes {

// The six boxes of the business year's dates, named alike on every screen (erabox):
// the start's year, month and day, then the end's.
QList<CompanyBox> businessYear();

QString caption(const CompanyBox& box);
// The entry of a screen's table for a box; nullptr for a box the table does not list.
const CompanyBox* find(std::span<const CompanyBox> boxes, const QString& name);

// Shows the record in the boxes; each year in the era its date falls in.
void show(Screen& screen, std::span<const CompanyBox> boxes, const CompanyRecord& record);
// Empties the boxes.
void empty(Screen& screen, std::span<const CompanyBox> boxes);

// What is wrong with the business year of a record (businessyear::problemOf), as a
// message naming the box of the table to look at; nothing for a sound year.
std::optional<QString> yearProblem(std::span<const CompanyBox> boxes, const CompanyRecord& record);

// A number box whose text the record cannot keep.
struct Unreadable {
    const CompanyBox* box = nullptr; // none: every box was read
    // A year its era does not have, a fraction for a date; empty: no number at all.
    QString problem;
};
// The record the boxes hold over `over`. A number box that holds no number keeps the
// value of `over`; the first such box in the order of the header's lines is told in
// `unreadable`.
CompanyRecord read(const Screen& screen, std::span<const CompanyBox> boxes,
                   const CompanyRecord& over, Unreadable* unreadable = nullptr);

} // namespace companyboxes
} // namespace gaikyo
