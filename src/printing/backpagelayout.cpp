// Where every entry of the back page prints, on the official sheet and on A4 copy paper
// under the picture of the form: sections 13 to 16, the monthly table, sections 11 and
// 12, the table's headings and section 18, in the order they print.
#include "layoutrows.h"
#include "printdata.h"

namespace gaikyo::pagelayouts {

using namespace rows;

namespace {

LayoutItem amount(int row, int column, float x, float y, float a4X, float a4Y) {
    return item(LayoutItem::Kind::Amount, field(60, monthlyTableField(row, column)), {x}, y, {a4X},
                a4Y);
}

LayoutPart makeBackPage() {
    LayoutPart p;
    // 13 決済日等の状況: 締切日 then 決済日 of 売上, 仕入, 外注費, 給料.
    const float settlementY[] = {86, 93, 99, 105};
    const float settlementA4Y[] = {89, 96, 102, 107};
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 4; ++row)
            p << text(field(50, 1 + 4 * column + row), column ? 87 : 49, settlementY[row],
                      column ? 94 : 56, settlementA4Y[row]);
    // 14 帳簿類の備付状況: two columns of seven rows.
    const float booksY[] = {118, 124, 130, 136, 143, 149, 155};
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 7; ++row)
            p << text(field(50, 9 + 7 * column + row), column ? 61 : 15, booksY[row],
                      column ? 66 : 20, booksY[row] + 1);
    // 15 税理士の関与状況.
    p << text(field(50, 23), 132, 87, 132, 89) << text(field(50, 24), 132, 93, 132, 95)
      << text(field(50, 25), 132, 99, 132, 101);
    p << text(field(50, 36), 131, 105, 133, 107) << text(field(50, 38), 151, 105, 152, 107)
      << text(field(50, 40), 171.5f, 105, 172, 107) << text(field(50, 37), 131, 111.5f, 133, 113.5f)
      << text(field(50, 39), 151, 111.5f, 152, 113.5f)
      << text(field(50, 41), 171.5f, 111.5f, 172, 113.5f)
      << text(field(50, 42), 131, 117.5f, 133, 119.5f)
      << text(field(50, 43), 161, 117.5f, 162, 119.5f);
    // 16 加入組合等の状況, 営業時間, 定休日.
    p << text(field(50, 26), 114, 124, 116, 126) << text(field(50, 27), 128, 130, 130, 132)
      << text(field(50, 28), 114, 136, 116, 138) << text(field(50, 29), 128, 143, 130, 144)
      << text(field(50, 30), 139, 149, 141, 150) << text(field(50, 31), 150, 149, 152, 150)
      << text(field(50, 32), 170, 149, 172, 150) << text(field(50, 33), 181, 149, 183, 150)
      << text(field(50, 34), 150, 155, 152, 156) << text(field(50, 35), 172, 155, 174, 156);

    // 17 月別の売上高等の状況: month numbers, then the amounts column by column.
    const float rowY[] = {175, 181, 188, 194, 200, 206, 212, 218, 225, 231, 238, 244, 251, 257};
    const float rowA4Y[] = {173, 179, 186, 192, 198, 204, 210, 216, 222, 228, 235, 241, 247, 253};
    for (int row = 1; row <= 12; ++row)
        p << item(LayoutItem::Kind::MonthNumber, month(row), {14}, rowY[row - 1], {21},
                  rowA4Y[row - 1]);
    const float rightX[] = {40, 60, 81, 101, 122, 142, 163, 177, 189};
    const float rightA4X[] = {42, 62, 83, 103, 124, 144, 163, 177, 188};
    for (int column = 1; column <= 9; ++column)
        for (int row = 1; row <= 14; ++row)
            p << amount(row, column, rightX[column - 1], rowY[row - 1], rightA4X[column - 1],
                        rowA4Y[row - 1]);

    // 11 事業形態.
    const float sideY[] = {10, 17, 24};
    for (int row = 0; row < 3; ++row)
        p << text(field(40, 1 + 2 * row), 26, sideY[row], 28, sideY[row] + 7)
          << text(field(40, 2 + 2 * row), 91, sideY[row], 93, sideY[row] + 7);
    const float featureY[] = {36, 41.5f, 46.5f, 51.5f, 56.5f, 61.5f, 66.5f};
    for (int line = 0; line < 7; ++line)
        p << text(field(40, 7 + line), 26, featureY[line], 28, featureY[line] + 6);
    p << text(field(40, 26), 63, 80, 67, 83) << text(field(40, 27), 93, 80, 97, 83);
    // 12 主な設備等の状況: ten of the twelve lines.
    for (int line = 1; line <= facilities::printedLines; ++line)
        p << text(field(40, facilities::field(line)), 115, 12 + 7 * (line - 1), 117,
                  15 + 7 * (line - 1));

    // 17 column headings.
    p << text(field(60, 1), 28, 167, 31, 167) << text(field(60, 2), 48, 167, 51, 167)
      << text(field(60, 3), 68, 167, 70, 167) << text(field(60, 4), 88, 167, 90, 167)
      << text(field(60, 6), 166.5f, 166, 168, 166);
    // 18 当期の営業成績の概要.
    p << text(field(60, 7), 26, 265, 33, 261) << text(field(60, 8), 26, 271, 33, 267)
      << text(field(60, 9), 26, 277, 33, 273);
    return p;
}

} // namespace

const LayoutPart& backPage() {
    static const LayoutPart part = makeBackPage();
    return part;
}

} // namespace gaikyo::pagelayouts
