#pragma once

#include <QList>

// Item 7 主要科目 as our drawing of the front page has it, in millimetres of the A4 page:
// the profit and loss down the left column, the balance sheet down the right, one
// nine-digit amount a row. The drawing, the entry boxes and the A4 print all stand on
// these rows, so a row moved here moves on all three; the official sheet's print stands
// on its own rows, kept here beside them.
namespace gaikyo::formpictures::mainaccountgrid {

// Our drawing, or the official pre-printed sheet, whose rows and digit boxes stand a
// little apart from our drawing's lower down the block.
enum class Sheet { Drawing, Official };

// One column of amounts: the tops of its rows' printed characters, first row first, and
// where each digit of a row prints, from the ones digit leftwards.
struct Column {
    QList<double> rowYs;
    QList<double> digitXs;
};
const Column& profitColumn(Sheet sheet = Sheet::Drawing);
const Column& balanceColumn(Sheet sheet = Sheet::Drawing);

// The block's rules: its top, the bottom of the profit column and of the balance column
// (8 and 9 stand under the balance sheet).
inline constexpr double top = 150.9;
inline constexpr double profitBottom = 268.9;
inline constexpr double balanceBottom = 249.9;

} // namespace gaikyo::formpictures::mainaccountgrid
