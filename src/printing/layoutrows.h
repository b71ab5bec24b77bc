#pragma once

#include "pagelayout.h"

#include <tuple>

// Short ways to write the rows of the page layouts.
namespace gaikyo::pagelayouts::rows {

struct Ref {
    LayoutItem::Source source;
    int section;
    int field;
};

inline Ref header(int line) {
    return {LayoutItem::Source::Header, 0, line};
}
inline Ref referenceNumber() {
    return {LayoutItem::Source::ReferenceNumber, 0, 0};
}
inline Ref field(int section, int number) {
    return {LayoutItem::Source::Field, section, number};
}
inline Ref month(int row) {
    return {LayoutItem::Source::Month, 0, row};
}

inline LayoutItem item(LayoutItem::Kind kind, Ref ref, QList<float> officialX, float officialY,
                       QList<float> a4X, float a4Y) {
    return {kind,      ref.source,     ref.section, ref.field, std::move(officialX),
            officialY, std::move(a4X), a4Y};
}
inline LayoutItem text(Ref ref, float x, float y, float a4X, float a4Y) {
    return item(LayoutItem::Kind::Text, ref, {x}, y, {a4X}, a4Y);
}
inline LayoutItem number(Ref ref, float x, float y, float a4X, float a4Y) {
    return item(LayoutItem::Kind::Number, ref, {x}, y, {a4X}, a4Y);
}
inline LayoutItem tick(Ref ref, float x, float y, float a4X, float a4Y) {
    return item(LayoutItem::Kind::Tick, ref, {x}, y, {a4X}, a4Y);
}
inline LayoutItem grouped(Ref ref, float x, float y, float a4X, float a4Y) {
    return item(LayoutItem::Kind::Grouped, ref, {x}, y, {a4X}, a4Y);
}
inline LayoutItem boxes(Ref ref, QList<float> x, float y, QList<float> a4X, float a4Y) {
    return item(LayoutItem::Kind::DigitBoxes, ref, std::move(x), y, std::move(a4X), a4Y);
}
inline LayoutItem split(Ref ref, QList<float> x, float y, QList<float> a4X, float a4Y) {
    return item(LayoutItem::Kind::DigitSplit, ref, std::move(x), y, std::move(a4X), a4Y);
}

} // namespace gaikyo::pagelayouts::rows
