#pragma once

#include "screen/screen.h"

#include <span>

namespace gaikyo {

// A label of a screen's table: its name, its caption and its place.
struct LabelRow {
    const char* name;
    const char* caption;
    QRect geometry;
};

// Adds the labels to the screen, all in one font and colour (invalid: the toolkit's own).
inline void addLabels(Screen& screen, std::span<const LabelRow> rows, const FontSpec& font,
                      QColor colour = {}) {
    for (const LabelRow& row : rows) {
        Control& c = screen.addControl(controls::label(
            QString::fromLatin1(row.name), QString::fromUtf8(row.caption), row.geometry));
        c.font = font;
        c.foreground = colour;
    }
}

} // namespace gaikyo
