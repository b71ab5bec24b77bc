#pragma once

#include <QList>
#include <QString>

// Where every entry of the two A4 copy-paper prints lands, in millimetres on the print
// surface (the page pictures are drawn to match these places). The print layouts read
// their A4 positions from here.
namespace gaikyo::a4items {

// How an entry is printed at its place.
enum class Kind {
    Text,       // left edge at x
    Number,     // a leading space, then the digits: the digit starts one space right of x
    DigitBoxes, // one character per box, xs listed from the rightmost box leftwards
    DigitSplit, // one digit per box as a Number, xs listed from the left
    Grouped,    // digits with thousands commas, left edge at x
    Amount,     // digits with thousands commas, right-aligned on x
};

// Where an entry's value comes from.
namespace source {
inline constexpr int master = 0;     // company master file, field = line number
inline constexpr int numberBox = 1;  // the print screen's 整理番号 box
inline constexpr int monthOrder = 2; // month order file, field = row 1..12
// Any other value is a section record file number (21 … 60), field = its field number.
} // namespace source

struct Item {
    QString caption; // what the form calls the entry, for messages and reviews
    int source = 0;
    int field = 0;
    Kind kind = Kind::Text;
    QList<double> xs; // one x, or one per box for digit boxes and digit split
    double y = 0;
};

// The front page on A4: the picture is drawn from the origin stretched to 210 × 291 mm.
const QList<Item>& front();
// The back page on A4: the picture is drawn from the origin stretched to 209 × 292 mm.
const QList<Item>& back();

// 出資割合 (file 22 field 25) is printed on A4 too, beside 海外子会社の所在国, in the
// box the front picture keeps for it.
inline constexpr double shareRatioX = 99;
inline constexpr double shareRatioY = 84;

} // namespace gaikyo::a4items
