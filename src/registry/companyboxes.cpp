#include "companyboxes.h"

#include "businessyear.h"
#include "datafile/numbers.h"
#include "screen/erabox.h"
#include "screen/screen.h"

namespace gaikyo::companyboxes {

namespace {

// The date of a year member, and the member of its month, which decides its era.
struct DateOfYear {
    const EraDateBoxes& boxes;
    qint32 CompanyRecord::*month;
};

DateOfYear dateOf(const CompanyMember& year) {
    const bool start = year == CompanyMember(&CompanyRecord::startYear);
    return {start ? erabox::yearStart() : erabox::yearEnd(), monthOfYear(year)};
}

bool isDatePart(const CompanyMember& member) {
    for (const CompanyBox& box : businessYear())
        if (box.member == member)
            return true;
    return false;
}

} // namespace

std::optional<QString> yearProblem(std::span<const CompanyBox> boxes, const CompanyRecord& record) {
    using Part = businessyear::DateProblem::Part;
    const std::optional<businessyear::YearProblem> problem =
        businessyear::problemOf({record.startYear, record.startMonth, record.startDay},
                                {record.endYear, record.endMonth, record.endDay});
    if (!problem)
        return std::nullopt;
    const bool start = problem->side == businessyear::YearProblem::Side::Start;
    const CompanyMember member =
        problem->part == Part::Month
            ? (start ? &CompanyRecord::startMonth : &CompanyRecord::endMonth)
        : problem->part == Part::Day
            ? (start ? &CompanyRecord::startDay : &CompanyRecord::endDay)
            : (start ? &CompanyRecord::startYear : &CompanyRecord::endYear);
    for (const CompanyBox& box : boxes)
        if (box.member == member)
            return QStringLiteral("「%1」：%2").arg(caption(box), problem->text);
    return QStringLiteral("「%1」：%2")
        .arg(QString::fromUtf8(companyField(member).caption), problem->text);
}

QList<CompanyBox> businessYear() {
    const EraDateBoxes& start = erabox::yearStart();
    const EraDateBoxes& end = erabox::yearEnd();
    return {{start.year, &CompanyRecord::startYear}, {start.month, &CompanyRecord::startMonth},
            {start.day, &CompanyRecord::startDay},   {end.year, &CompanyRecord::endYear},
            {end.month, &CompanyRecord::endMonth},   {end.day, &CompanyRecord::endDay}};
}

QString caption(const CompanyBox& box) {
    return box.caption.isEmpty() ? QString::fromUtf8(companyField(box.member).caption)
                                 : box.caption;
}

const CompanyBox* find(std::span<const CompanyBox> boxes, const QString& name) {
    for (const CompanyBox& box : boxes)
        if (box.box == name)
            return &box;
    return nullptr;
}

void show(Screen& screen, std::span<const CompanyBox> boxes, const CompanyRecord& record) {
    for (const CompanyBox& box : boxes) {
        if (const auto* text = std::get_if<QString CompanyRecord::*>(&box.member)) {
            screen.setText(box.box, record.**text);
            continue;
        }
        const qint32 value = record.*std::get<qint32 CompanyRecord::*>(box.member);
        if (companyField(box.member).kind == CompanyField::Kind::Year) {
            const DateOfYear date = dateOf(box.member);
            erabox::show(screen, date.boxes, value, record.*date.month);
        } else {
            screen.setText(box.box,
                           box.zeroShownEmpty && value == 0 ? QString() : plainDecimal(value));
        }
    }
}

void empty(Screen& screen, std::span<const CompanyBox> boxes) {
    for (const CompanyBox& box : boxes)
        screen.setText(box.box, QString());
}

CompanyRecord read(const Screen& screen, std::span<const CompanyBox> boxes,
                   const CompanyRecord& over, Unreadable* unreadable) {
    CompanyRecord record = over;
    Unreadable first;
    for (const CompanyField& field : companyFields()) {
        const CompanyBox* box = nullptr;
        for (const CompanyBox& b : boxes)
            if (b.member == field.member)
                box = &b;
        if (!box)
            continue;
        const QString typed = screen.text(box->box);
        if (const auto* text = std::get_if<QString CompanyRecord::*>(&field.member)) {
            record.** text = typed;
            continue;
        }
        std::optional<qint32> value;
        QString problem;
        if (field.kind == CompanyField::Kind::Year) {
            const erayear::Typed year = erabox::typed(screen, dateOf(field.member).boxes);
            value = year.storedYear;
            problem = year.problem;
        } else if (isDatePart(field.member)) {
            // A month or day is a whole number: 7.5 is refused, not rounded.
            value = wholeNumber(typed);
            if (!value && strictInteger(typed))
                problem = QStringLiteral("「%1」は整数で入力してください。").arg(typed.trimmed());
        } else {
            value = box->zeroShownEmpty && typed.trimmed().isEmpty() ? 0 : strictInteger(typed);
        }
        if (value)
            record.*std::get<qint32 CompanyRecord::*>(field.member) = *value;
        else if (!first.box)
            first = {box, problem};
    }
    if (unreadable)
        *unreadable = first;
    return record;
}

} // namespace gaikyo::companyboxes
