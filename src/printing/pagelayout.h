#pragma once

#include "form/entryboxes.h"

#include <QList>
#include <QtGlobal>

namespace gaikyo {

// One printed item of a page: what it prints, how, and where on the official sheet and
// on A4 copy paper (millimetres, before print offsets).
struct LayoutItem {
    enum class Kind {
        Text,        // as stored
        Number,      // a space or minus, then the digits
        Tick,        // a 有/無 box: ○ for 1, blank for 0, another number as it stands
        DigitBoxes,  // one character per box; xs from box 1, the rightmost
        DigitSplit,  // one digit per box as a number; xs from the left
        Grouped,     // commas every three digits; zero prints nothing
        Amount,      // grouped, its plain digits ending at x
        MonthNumber, // a month of the month order file, as a number
    };
    // Header, ReferenceNumber, Field or Month: see the boxes of the form.
    using Source = formpictures::EntrySource;

    Kind kind;
    Source source;
    int section; // Field: the file's section number
    int field;   // Header: the line; Field: the field; Month: the row
    QList<float> officialX;
    float officialY;
    QList<float> a4X;
    float a4Y;

    formpictures::EntryRef ref() const { return {source, section, field}; }
};

// A page is printed in parts; the front page has two halves in one document.
using LayoutPart = QList<LayoutItem>;

namespace pagelayouts {
// The front page: first and second half.
const LayoutPart& frontFirstHalf();
const LayoutPart& frontSecondHalf();
const LayoutPart& backPage();
} // namespace pagelayouts

} // namespace gaikyo
