// Where every entry of the front page prints: on the official sheet and on A4 copy
// paper under the picture of the form. Each row holds the official X (or box Xs) and Y,
// then the A4 X (or box Xs) and Y.
#include "datafile/itemfields.h"
#include "form/mainaccountgrid.h"
#include "layoutrows.h"

namespace gaikyo::pagelayouts {

using namespace rows;
namespace mainaccountgrid = formpictures::mainaccountgrid;

namespace {

// Section 7: one 9-box amount a line, from the first account down. On A4 the amounts
// stand where our drawing of the form has its rows.
QList<float> inFloats(const QList<double>& values) {
    QList<float> floats;
    for (const double value : values)
        floats.append(float(value));
    return floats;
}

void mainAccounts(LayoutPart& part, MainAccount first, const QList<double>& officialBoxes,
                  const QList<double>& officialY, const QList<double>& a4Boxes,
                  const QList<double>& a4Y) {
    Q_ASSERT(officialY.size() == a4Y.size());
    const QList<float> officialX = inFloats(officialBoxes);
    const QList<float> a4X = inFloats(a4Boxes);
    for (qsizetype i = 0; i < officialY.size(); ++i)
        part.append(boxes(field(30, static_cast<int>(first) + int(i)), officialX,
                          float(officialY[i]), a4X, float(a4Y[i])));
}

LayoutPart makeFirstHalf() {
    LayoutPart p;
    // Header.
    p << text(header(3), 24, 30, 26, 34)     // 法人名
      << text(header(4), 24, 41, 26, 45)     // 納税地
      << text(header(5), 113, 38, 115, 40)   // 電話番号
      << text(header(12), 113, 44, 115, 47)  // ホームページアドレス
      << text(header(13), 169, 40, 171, 44); // 応答者氏名
    // 1 事業内容: five lines.
    const float business[] = {51, 58, 65, 72, 79};
    for (int i = 0; i < 5; ++i)
        p << text(field(21, i + 1), 23, business[i], 25, business[i] + 4);
    // 5 (1) the two names.
    p << text(field(25, 1), 153, 95, 155, 98) << text(field(25, 2), 153, 101, 155, 104);
    // 整理番号 and 事業年度.
    p << boxes(referenceNumber(), {190, 185, 179, 174, 169, 165, 159, 154}, 19,
               {192, 187, 181, 176, 171, 167, 161, 156}, 22);
    for (const auto& [line, officialY, a4Y] :
         {std::tuple{6, 26.f, 28.f}, std::tuple{9, 32.f, 34.f}}) {
        p << boxes(header(line), {126, 121}, officialY, {130, 125}, a4Y)
          << boxes(header(line + 1), {141, 136}, officialY, {145, 140}, a4Y)
          << boxes(header(line + 2), {156, 151}, officialY, {160, 155}, a4Y);
    }
    // 3 期末従業員等の状況.
    const float countY[] = {89, 95, 102, 108, 114, 120.5f, 127, 133};
    const float countA4Y[] = {90, 96, 103, 109, 115, 121.5f, 128, 134};
    for (int i = 0; i < 8; ++i)
        p << boxes(field(23, 10 + i), {58, 53, 48, 43}, countY[i], {60, 55, 50, 45}, countA4Y[i]);
    const float categoryY[] = {96, 103, 109, 115};
    for (int i = 0; i < 4; ++i)
        p << text(field(23, 1 + i), 24, categoryY[i], 26, categoryY[i]);
    p << text(field(23, 5), 35, 139, 37, 140) << text(field(23, 6), 45, 139, 47, 140)
      << text(field(23, 7), 55, 139, 57, 140) << text(field(23, 8), 35, 145, 37, 146)
      << text(field(23, 9), 45, 145, 47, 146);
    // 7 主要科目, left column.
    mainAccounts(p, MainAccount::Sales,
                 mainaccountgrid::profitColumn(mainaccountgrid::Sheet::Official).digitXs,
                 mainaccountgrid::profitColumn(mainaccountgrid::Sheet::Official).rowYs,
                 mainaccountgrid::profitColumn().digitXs, mainaccountgrid::profitColumn().rowYs);
    return p;
}

LayoutPart makeSecondHalf() {
    LayoutPart p;
    // 4 電子計算機の利用状況.
    p << text(field(24, 1), 80, 89, 83, 90) << text(field(24, 2), 90, 89, 93, 90)
      << text(field(24, 3), 111, 89, 114, 90) << text(field(24, 4), 121, 89, 124, 90);
    const float rowY[] = {95, 102, 108};
    const float columns[] = {90, 101, 111, 121};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            p << text(field(24, 5 + 4 * row + column), columns[column], rowY[row],
                      columns[column] + 3, rowY[row] + 1);
    p << text(field(24, 17), 89, 114, 93, 115) << grouped(field(24, 29), 117, 114, 117, 115)
      << text(field(24, 18), 94, 120, 98, 121) << text(field(24, 19), 84, 127, 88, 128)
      << grouped(field(24, 30), 117, 127, 117, 128);
    p << text(field(24, 20), 85, 133, 88, 134) << text(field(24, 21), 101, 133, 104, 134)
      << text(field(24, 22), 116, 133, 119, 134) << text(field(24, 23), 85, 140, 88, 140)
      << text(field(24, 24), 101, 140, 104, 140) << text(field(24, 25), 116, 140, 119, 140)
      << text(field(24, 26), 85, 145, 88, 146) << text(field(24, 27), 101, 145, 104, 146)
      << text(field(24, 28), 117, 145, 119, 146);
    // 5 経理の状況, after the two names.
    p << text(field(25, 3), 178, 94, 179, 96) << text(field(25, 4), 188, 94, 190, 96)
      << text(field(25, 6), 178, 101, 179, 103) << text(field(25, 5), 188, 101, 190, 103);
    const int marks[3][3] = {{7, 8, 9}, {10, 11, 12}, {15, 14, 13}};
    const float markY[] = {107, 113, 119};
    const float markX[] = {152, 167, 183};
    const float markA4X[] = {155, 170, 185};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            p << text(field(25, marks[row][column]), markX[column], markY[row], markA4X[column],
                      markY[row] + 2);
    const float taxX[2][4] = {{152, 163, 178, 188}, {152, 163, 177, 188}};
    const float taxA4X[] = {155, 165, 180, 190};
    const float taxY[] = {126, 132};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            p << text(field(25, 16 + 4 * row + column), taxX[row][column], taxY[row],
                      taxA4X[column], taxY[row] + 2);
    p << boxes(field(25, 25), {190, 185, 180, 175, 170, 165, 160, 155}, 139,
               {192, 187, 182, 177, 172, 167, 161, 156}, 140);
    // 6 株主又は株式所有異動の有無.
    p << text(field(26, 1), 178, 145.5f, 180, 146) << text(field(26, 2), 188, 145.5f, 190, 146);
    // 7 主要科目, right column.
    mainAccounts(p, MainAccount::Assets,
                 mainaccountgrid::balanceColumn(mainaccountgrid::Sheet::Official).digitXs,
                 mainaccountgrid::balanceColumn(mainaccountgrid::Sheet::Official).rowYs,
                 mainaccountgrid::balanceColumn().digitXs, mainaccountgrid::balanceColumn().rowYs);
    // 10 代表者に対する報酬等の金額: seven boxes 5 mm apart from the rightmost.
    const struct {
        int field;
        float rightmost;
        float y;
    } payments[] = {{36, 99, 273},  {37, 99, 279},  {38, 53, 279}, {39, 144, 273},
                    {40, 144, 279}, {41, 190, 273}, {42, 190, 279}};
    for (const auto& payment : payments) {
        QList<float> official;
        QList<float> a4;
        for (int box = 0; box < 7; ++box) {
            official << payment.rightmost - 5 * box;
            a4 << payment.rightmost + 2 - 5 * box;
        }
        p << boxes(field(30, payment.field), official, payment.y, a4, payment.y - 2);
    }
    // 8 and 9: 有 then 無, a ticked box printing ○; an unticked box stays blank.
    p << tick(field(30, 43), 134, 260, 135, 258) << tick(field(30, 44), 144, 260, 145, 258)
      << tick(field(30, 45), 177, 260, 178, 258) << tick(field(30, 46), 187, 260, 188, 258)
      << tick(field(30, 47), 177, 266, 178, 264) << tick(field(30, 48), 187, 266, 188, 264);
    // 2 支店・海外取引状況.
    const QList<float> branchBoxes = {92, 98, 103};
    const QList<float> branchA4Boxes = {95, 100, 105};
    p << split(field(22, 21), branchBoxes, 50, branchA4Boxes, 53)
      << text(field(22, 16), 67, 57, 69, 60)
      << split(field(22, 22), branchBoxes, 62.5f, branchA4Boxes, 65.5f)
      << text(field(22, 17), 67, 69, 69, 72)
      << split(field(22, 23), branchBoxes, 75.5f, branchA4Boxes, 77.5f)
      << text(field(22, 18), 67, 81, 69, 84)
      // 出資割合 sits beside the country on A4 as on the official sheet.
      << number(field(22, 25), 97, 81, 99, 84);
    p << text(field(22, 19), 118, 50, 118, 53) << text(field(22, 20), 139, 50, 139, 53)
      << text(field(22, 1), 159, 50, 159, 53);
    const QList<float> amountBoxes = {169, 174, 179, 184, 189};
    const QList<float> amountA4Boxes = {171, 176, 181, 186, 191};
    p << text(field(22, 2), 119, 57, 121, 59) << text(field(22, 3), 143, 57, 145, 59)
      << split(field(22, 24), amountBoxes, 57, amountA4Boxes, 59)
      << text(field(22, 4), 119, 63, 121, 65) << text(field(22, 5), 143, 63, 145, 65)
      << split(field(22, 27), amountBoxes, 63, amountA4Boxes, 65);
    p << text(field(22, 6), 116, 69.5f, 118, 71.5f) << text(field(22, 7), 137, 69.5f, 139, 71.5f);
    const float tradeX[2][4] = {{116, 137, 157, 178}, {116, 137, 157, 177}};
    const float tradeA4X[2][4] = {{118, 139, 159, 180}, {118, 139, 159, 179}};
    const float tradeY[] = {76.5f, 82.5f};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            p << text(field(22, 8 + 4 * row + column), tradeX[row][column], tradeY[row],
                      tradeA4X[row][column], tradeY[row] + 1);
    return p;
}

} // namespace

const LayoutPart& frontFirstHalf() {
    static const LayoutPart part = makeFirstHalf();
    return part;
}

const LayoutPart& frontSecondHalf() {
    static const LayoutPart part = makeSecondHalf();
    return part;
}

} // namespace gaikyo::pagelayouts
