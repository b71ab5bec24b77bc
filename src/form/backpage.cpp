#include "pagedrawings.h"
#include "pageparts.h"

namespace gaikyo::formpictures {
namespace {

using namespace pageparts;

constexpr double left = 13;
constexpr double right = 194;
constexpr double middle = 110;
constexpr double top = 7.5;
constexpr double rowOne = 87.7;    // under 11 and 12
constexpr double rowTwo = 160.9;   // under 14 and 16
constexpr double rowThree = 257.7; // under 17
constexpr double bottom = 277.9;

// Dotted writing lines between text rows printed at ys.
void dottedLines(Drawing& d, const QList<double>& ys, double x0, double x1) {
    const QList<double> bounds = rowBounds(ys, 0, 0);
    for (qsizetype i = 1; i + 1 < bounds.size(); ++i)
        d.hline(x0, x1, bounds[i], Pen::Dotted);
}

// 11 事業形態.
void sectionEleven(Drawing& d) {
    d.verticalText(QRectF(left, top + 1, 5.5, 30), s("11 事業形態"), 8);
    d.vline(18.5, top, rowOne);
    d.text(QRectF(27.6, top, 60.4, 8.3), s("（兼業種目）"), 6.5, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(88, top, 22, 8.3), s("（兼業割合）"), 6.5, Face::Mincho, Qt::AlignCenter);
    d.vline(88, top, 35.4);
    d.vline(27.6, 15.8, 77.8);
    for (double y : {15.8, 35.4, 77.8})
        d.hline(18.5, middle, y);
    d.text(QRectF(18.5, 16.2, 9.1, 3), s("(1)"), 5.5, Face::Mincho, Qt::AlignCenter);
    d.verticalText(QRectF(18.5, 19.4, 9.1, 15.6), s("兼業の状況"), 6, Face::Mincho);
    for (double y : {17.0, 24.0, 31.0})
        d.text(QRectF(105.8, y - 0.5, 3.6, 4.9), s("%"), 7, Face::Mincho, Qt::AlignCenter);
    dottedLines(d, {17, 24, 31}, 27.6, middle);
    d.text(QRectF(18.5, 35.8, 9.1, 3), s("(2)"), 5.5, Face::Mincho, Qt::AlignCenter);
    d.verticalText(QRectF(18.5, 39.2, 9.1, 38), s("事業内容の特異性"), 6, Face::Mincho);
    dottedLines(d, {42, 47.5, 52.5, 57.5, 62.5, 67.5, 72.5}, 27.6, middle);
    d.text(QRectF(18.8, 77.8, 24, rowOne - 77.8), s("(3)売上区分"), 6.5);
    d.text(QRectF(44, 77.8, 22.6, rowOne - 77.8), s("現金売上"), 6.5, Face::Mincho,
           Qt::AlignRight | Qt::AlignVCenter);
    d.text(QRectF(73.8, 77.8, 4, rowOne - 77.8), s("%"), 7, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(80, 77.8, 16.6, rowOne - 77.8), s("掛売上"), 6.5, Face::Mincho,
           Qt::AlignRight | Qt::AlignVCenter);
    d.text(QRectF(103.8, 77.8, 4, rowOne - 77.8), s("%"), 7, Face::Mincho, Qt::AlignCenter);
    d.vline(middle, top, rowOne, Pen::Medium);
}

// 12 主な設備等の状況: ten ruled lines.
void sectionTwelve(Drawing& d) {
    d.text(QRectF(middle + 0.5, top, 70, 14.2 - top), s("12 主な設備等の状況"), 7, Face::Gothic);
    d.hline(middle, right, 14.2);
    for (int k = 0; k < 10; ++k)
        d.hline(middle, right, 15 + 7 * k + 5.45, Pen::Dotted);
}

// 13 決済日等の状況 and 14 帳簿類の備付状況.
void sectionsThirteenAndFourteen(Drawing& d) {
    const QList<double> ys{89, 96, 102, 107};
    const double end = 111.5;
    const QList<double> bounds = rowBounds(ys, rowOne, end);
    d.verticalText(QRectF(left, rowOne + 0.6, 5.5, end - rowOne - 1.2), s("13 決済日等の状況"), 6);
    d.vline(18.5, rowOne, end);
    const QStringList rows{s("売上"), s("仕入"), s("外注費"), s("給料")};
    for (int i = 0; i < 4; ++i) {
        const double y0 = bounds[i], y1 = bounds[i + 1];
        if (i > 0)
            d.hline(18.5, middle, y0);
        d.text(QRectF(18.8, y0, 13, y1 - y0), rows[i], 6.5, Face::Mincho, Qt::AlignCenter);
        d.text(QRectF(32.3, y0, 23, y1 - y0), s("締切日"), 6, Face::Mincho, Qt::AlignCenter);
        d.text(QRectF(80.2, y0, 13.2, y1 - y0), i == 3 ? s("支給日") : s("決済日"), 6, Face::Mincho,
               Qt::AlignCenter);
    }
    for (double x : {32.0, 55.6, 80.0, 93.6})
        d.vline(x, rowOne, end);
    d.hline(left, middle, end, Pen::Medium);

    const double head = 118.2;
    d.verticalText(QRectF(left, end + 0.8, 6.5, rowTwo - end - 1.6), s("14 帳簿類の備付状況"), 6);
    d.vline(19.5, end, rowTwo);
    d.vline(65.4, end, rowTwo);
    d.hline(19.5, middle, head);
    d.text(QRectF(19.5, end, 45.9, head - end), s("帳簿書類の名称"), 6.5, Face::Mincho,
           Qt::AlignCenter);
    d.text(QRectF(65.4, end, 44.6, head - end), s("帳簿書類の名称"), 6.5, Face::Mincho,
           Qt::AlignCenter);
    dottedLines(d, {119, 125, 131, 137, 144, 150, 156}, 19.5, middle);
    d.vline(middle, rowOne, rowTwo, Pen::Medium);
}

// 15 税理士の関与状況 and 16 加入組合等の状況.
void sectionsFifteenAndSixteen(Drawing& d) {
    const double x1 = 115.5, split = 124.0;
    d.verticalText(QRectF(middle, rowOne + 0.6, x1 - middle, split - rowOne - 1.2),
                   s("15 税理士の関与状況"), 6);
    d.vline(x1, rowOne, rowTwo);
    const QList<double> bounds{rowOne, 93.95, 99.95, 105.85, split};
    const QStringList captions{s("(1)氏名"), s("(2)事務所所在地"), s("(3)電話番号"),
                               s("(4)関与状況")};
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            d.hline(x1, right, bounds[i]);
        d.text(QRectF(x1 + 0.3, bounds[i], 15.8, bounds[i + 1] - bounds[i]), captions[i], 6);
    }
    d.vline(131.6, rowOne, 105.85);
    option(d, 133, 107, s("申告書の作成"), 151.4);
    option(d, 152, 107, s("調査立会"), 171.4);
    option(d, 172, 107, s("税務相談"), right - 0.3);
    option(d, 133, 113.5, s("決算書の作成"), 151.4);
    option(d, 152, 113.5, s("伝票の整理"), 171.4);
    option(d, 172, 113.5, s("補助簿の記帳"), right - 0.3);
    option(d, 133, 119.5, s("総勘定元帳の記帳"), 161.4);
    option(d, 162, 119.5, s("源泉徴収関係事務"), right - 0.3);
    d.hline(middle, right, split, Pen::Medium);

    d.verticalText(QRectF(middle, split + 0.6, x1 - middle, rowTwo - split - 1.2),
                   s("16 加入組合等の状況"), 6);
    const QList<double> rows = rowBounds({126, 132, 138, 144, 150, 156}, split, rowTwo);
    for (qsizetype i = 1; i + 1 < rows.size(); ++i)
        d.hline(x1, right, rows[i]);
    auto cell = [&](int row, double from, double to, const char* text,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        d.text(QRectF(from, rows[row], to - from, rows[row + 1] - rows[row]), s(text), 6.5,
               Face::Mincho, alignment);
    };
    const auto toRight = Qt::AlignRight | Qt::AlignVCenter;
    cell(1, 116, 129.6, "（役職名）");
    cell(3, 116, 129.6, "（役職名）");
    cell(4, 115.8, 127, "営業時間");
    cell(4, 127.2, 140.7, "開店", toRight);
    cell(4, 146.0, 151.6, "時", Qt::AlignCenter);
    // Right-aligned captions hug their text, so the entry before them has the room up to it.
    cell(4, 166.4, 171.7, "閉店", toRight);
    cell(4, 177.2, 182.7, "時", Qt::AlignCenter);
    cell(5, 115.8, 127, "定休日");
    cell(5, 127.2, 151.7, "毎週（毎月）", toRight);
    cell(5, 166.6, 173.7, "曜日（", toRight);
    cell(5, 185.9, right, "日）"); // after a three-character day at 174
}

// 17 月別の売上高等の状況 and 18 当期の営業成績の概要.
void sectionsSeventeenAndEighteen(Drawing& d) {
    const double head = 165.5, headEnd = 172.3, x1 = 18.5, months = 29.6;
    const QList<double> ys{173, 179, 186, 192, 198, 204, 210, 216, 222, 228, 235, 241, 247, 253};
    const QList<double> rows = rowBounds(ys, headEnd, rowThree);
    d.verticalText(QRectF(left, rowTwo + 1, x1 - left, rowThree - rowTwo - 2),
                   s("17 月別の売上高等の状況"), 7);
    d.vline(x1, rowTwo, rowThree);
    // The amounts end at their X (commas included), with a millimetre kept clear after it;
    // the headings typed by the user start a few millimetres right of the amounts'
    // columns. So each rule between two columns stands between the ink on its two sides
    // once in the heading rows (to headEnd) and once in the amount rows, and some rules
    // step at headEnd.
    struct Rule {
        double heading, amounts;
        bool subColumn; // only under the caption of its pair of sub-columns
    };
    const Rule rules[] = {{months, months, false}, {48.7, 43.3, true},    {68.2, 63.3, false},
                          {87.7, 84.5, true},      {106.5, 104.3, false}, {125.25, 125.25, false},
                          {145.2, 145.2, false},   {164.2, 164.2, false}, {183.8, 178.2, false}};
    for (const Rule& rule : rules) {
        d.vline(rule.heading, rule.subColumn ? head : rowTwo, headEnd);
        d.vline(rule.amounts, headEnd, rowThree);
    }
    const double sales = rules[2].heading, purchases = rules[4].heading;
    d.hline(months, purchases, head);
    d.hline(x1, right, headEnd);
    for (qsizetype i = 1; i + 1 < rows.size(); ++i)
        d.hline(x1, right, rows[i], i == 12 ? Pen::Medium : Pen::Thin);
    const auto centred = Qt::AlignCenter;
    d.text(QRectF(x1, rowTwo, months - x1, headEnd - rowTwo), s("月　別"), 6.5, Face::Mincho,
           centred);
    for (int r = 0; r < 12; ++r)
        d.text(QRectF(27.0, rows[r], 2.5, rows[r + 1] - rows[r]), s("月"), 6, Face::Mincho,
               centred);
    d.text(QRectF(x1, rows[12], months - x1, rows[13] - rows[12]), s("計"), 6.5, Face::Mincho,
           centred);
    d.text(QRectF(x1 + 0.2, rows[13], months - x1 - 0.4, rows[14] - rows[13]), s("前期の実績"), 5.5,
           Face::Mincho, centred);
    auto unit = [&](double from, double to, double y0, double y1, const char* text) {
        d.text(QRectF(from, y0, to - from - 0.4, y1 - y0), s(text), 5.5, Face::Mincho,
               Qt::AlignRight | Qt::AlignBottom);
    };
    d.text(QRectF(months, rowTwo, sales - months, head - rowTwo), s("売上（収入）金額"), 6.5,
           Face::Mincho, centred);
    unit(months, sales, rowTwo, head, "千円");
    d.text(QRectF(sales, rowTwo, purchases - sales, head - rowTwo), s("仕入金額"), 6.5,
           Face::Mincho, centred);
    unit(sales, purchases, rowTwo, head, "千円");
    const struct {
        double x0, x1;
        const char* caption;
        const char* unit;
    } columns[] = {{purchases, rules[5].heading, "外注費", "千円"},
                   {rules[5].heading, rules[6].heading, "人件費", "千円"},
                   {rules[6].heading, rules[7].heading, "源泉徴収\n税額", "円"},
                   {rules[8].heading, right, "従事員数", "人"}};
    for (const auto& column : columns) {
        d.text(QRectF(column.x0, rowTwo, column.x1 - column.x0, 7.5), s(column.caption), 6.5,
               Face::Mincho, centred);
        unit(column.x0, column.x1, rowTwo + 7.5, headEnd, column.unit);
    }
    // The eighth column has no title of its own: the user writes one at 168, 166.
    d.text(QRectF(rules[8].heading - 4.2, rowTwo + 0.2, 4, 2.6), s("千円"), 5, Face::Mincho,
           centred);
    d.hline(left, right, rowThree, Pen::Medium);

    d.text(QRectF(left + 0.3, rowThree, 19, bottom - rowThree), s("18 当期の営業\n成績の概要"), 6.5,
           Face::Gothic);
    d.vline(32.6, rowThree, bottom);
    dottedLines(d, {261, 267, 273}, 32.6, right);
}

} // namespace

Drawing backPageDrawing() {
    Drawing d;
    d.size = QSizeF(209, 292);
    d.text(QRectF(left, 2.5, 30, 3.5), QStringLiteral("FB1005"), 7, Face::Gothic);
    d.text(QRectF(90, 1.5, 30, 5.5), s("（裏）"), 10, Face::Mincho, Qt::AlignCenter);
    sectionEleven(d);
    sectionTwelve(d);
    d.hline(left, right, rowOne, Pen::Medium);
    sectionsThirteenAndFourteen(d);
    sectionsFifteenAndSixteen(d);
    d.hline(left, right, rowTwo, Pen::Medium);
    sectionsSeventeenAndEighteen(d);
    d.box(QRectF(left, top, right - left, bottom - top), Pen::Thick);
    return d;
}

} // namespace gaikyo::formpictures
