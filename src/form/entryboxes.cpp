// The box of every printed entry, read off our drawing of the form (frontpage.cpp,
// backpage.cpp): for each entry, the rules and captions that close in on its print
// position. An entry that is wider than its box is drawn narrower inside it; on the
// official sheet the box moves with its entry, as the sheet's rules stand to the entries
// as our drawing's rules stand to the A4 entries.
#include "entryboxes.h"

#include "mainaccountgrid.h"
#include "pageparts.h"

#include <QHash>

namespace gaikyo::formpictures {

namespace {

using namespace pageparts;

// An edge of a box: the inner side of a rule, by its pen, or the side of a caption's
// rectangle. Rules are drawn 0.18, 0.3 and 0.5 mm wide; a box keeps 0.16 mm of paper
// from their ink. Captions never leave their rectangles.
struct Edge {
    double at;
    double inset;
};
constexpr Edge thin(double at) {
    return {at, 0.25};
}
constexpr Edge medium(double at) {
    return {at, 0.31};
}
constexpr Edge thick(double at) {
    return {at, 0.41};
}
constexpr Edge caption(double at) {
    return {at, 0.1};
}

QRectF between(Edge left, Edge top, Edge right, Edge bottom) {
    return {QPointF(left.at + left.inset, top.at + top.inset),
            QPointF(right.at - right.inset, bottom.at - bottom.inset)};
}

// Inside the square a tick mark prints into.
QRectF insideMark(const QRectF& square) {
    return between(thin(square.left()), thin(square.top()), thin(square.right()),
                   thin(square.bottom()));
}

// Inside the frame of a row of digit boxes.
QRectF insideDigits(const QList<double>& xs, Edge top, Edge bottom, bool split = false) {
    const QRectF frame = digitBoxFrame(xs, top.at, bottom.at, split);
    return between(thin(frame.left()), top, thin(frame.right()), bottom);
}

EntryRef header(int line) {
    return {EntrySource::Header, 0, line};
}
EntryRef field(int section, int number) {
    return {EntrySource::Field, section, number};
}

class Rows {
public:
    Rows(Page page, QList<EntryBox>& boxes) : m_page(page), m_boxes(boxes) {}

    void add(const EntryRef& entry, const QRectF& rect) { m_boxes.append({m_page, entry, rect}); }
    void mark(int section, int number, double x, double y) {
        add(field(section, number), insideMark(markBox(x, y)));
    }

private:
    Page m_page;
    QList<EntryBox>& m_boxes;
};

// Boundary i of a ruled block: its first and last rules are of their own weight, the
// rules between the rows thin.
Edge rowEdge(const QList<double>& bounds, qsizetype i, Edge (*first)(double),
             Edge (*last)(double)) {
    if (i == 0)
        return first(bounds.first());
    if (i == bounds.size() - 1)
        return last(bounds.last());
    return thin(bounds[i]);
}

void front(QList<EntryBox>& boxes) {
    Rows r(Page::Front, boxes);
    // Header.
    r.add(header(3), between(thin(24.6), thick(26.6), thin(111.5), thin(39.4))); // 法人名
    r.add(header(4), between(thin(24.6), thin(39.4), thin(104.2), thick(51.6))); // 納税地
    r.add(header(5), between(thin(114.6), thin(39.4), thin(168.5), thin(45.6))); // 電話番号
    r.add(header(12), between(thin(114.6), thin(45.6), thin(168.5), thick(51.6)));
    // 応答者氏名: the whole column under its caption.
    r.add(header(13), between(thin(168.5), caption(30.9), thick(198), thick(51.6)));
    r.add({EntrySource::ReferenceNumber},
          insideDigits({192, 187, 181, 176, 171, 167, 161, 156}, thin(21), thick(26.6)));
    for (int row = 0; row < 2; ++row) {
        const Edge top = row ? thin(33.0) : thick(26.6);
        const Edge bottom = row ? thin(39.4) : thin(33.0);
        r.add(header(6 + 3 * row), insideDigits({130, 125}, top, bottom));
        r.add(header(7 + 3 * row), insideDigits({145, 140}, top, bottom));
        r.add(header(8 + 3 * row), insideDigits({160, 155}, top, bottom));
    }

    // 1 事業内容: five lines between dotted rules.
    const QList<double> business{51.6, 59.6, 66.6, 73.6, 80.6, 88.6};
    for (int line = 0; line < 5; ++line)
        r.add(field(21, line + 1),
              between(thin(24.3), rowEdge(business, line, thick, medium), medium(60.4),
                      rowEdge(business, line + 1, thick, medium)));

    // 2 支店・海外取引状況.
    const QList<double> branchBoxes{95, 100, 105};
    r.add(field(22, 21), insideDigits(branchBoxes, thick(51.6), thin(57.7), true));
    r.add(field(22, 16), between(thin(68.6), thin(57.7), thin(110.4), thin(64.6)));
    r.add(field(22, 22), insideDigits(branchBoxes, thin(64.6), thin(70.9), true));
    r.add(field(22, 17), between(thin(68.6), thin(70.9), thin(110.4), thin(76.8)));
    r.add(field(22, 23), insideDigits(branchBoxes, thin(76.8), thin(82.9), true));
    r.add(field(22, 18), between(thin(68.6), thin(82.9), thin(92.6), medium(88.6)));
    r.add(field(22, 25), between(thin(98.7), thin(82.9), caption(107.0), medium(88.6)));
    r.mark(22, 19, 118, 53);
    r.mark(22, 20, 139, 53);
    r.mark(22, 1, 159, 53);
    const QList<double> tradeBoxes{171, 176, 181, 186, 191};
    const double tradeAmounts = digitBoxFrame(tradeBoxes, 0, 1, true).left();
    for (int row = 0; row < 2; ++row) {
        const Edge top = thin(row ? 63.9 : 57.7);
        const Edge bottom = thin(row ? 70.3 : 63.9);
        r.add(field(22, 2 + 2 * row), between(thin(120.6), top, thin(144.6), bottom));
        r.add(field(22, 3 + 2 * row), between(thin(144.6), top, thin(tradeAmounts), bottom));
        r.add(field(22, row ? 27 : 24), insideDigits(tradeBoxes, top, bottom, true));
    }
    r.mark(22, 6, 118, 71.5);
    r.mark(22, 7, 139, 71.5);
    const double tradeX[] = {118, 139, 159, 180};
    for (int column = 0; column < 4; ++column)
        r.mark(22, 8 + column, tradeX[column], 77.5);
    for (int column = 0; column < 3; ++column)
        r.mark(22, 12 + column, tradeX[column], 83.5);
    // その他: after its caption, under the label of 証券の売買, before the ）.
    r.add(field(22, 15), between(caption(178.7), caption(82.2), caption(196.2), medium(88.6)));

    // 3 期末従業員等の状況.
    const QList<double> countBoxes{60, 55, 50, 45};
    const QList<double> counts = rowBounds({90, 96, 103, 109, 115, 121.5, 128, 134}, 88.6, 138.95);
    for (int row = 0; row < 8; ++row)
        r.add(field(23, 10 + row),
              insideDigits(countBoxes, row ? thin(counts[row]) : medium(counts[row]),
                           thin(counts[row + 1])));
    const double countsLeft = digitBoxFrame(countBoxes, 0, 1).left();
    for (int row = 1; row <= 4; ++row)
        r.add(field(23, row),
              between(thin(24.3), thin(counts[row]), thin(countsLeft), thin(counts[row + 1])));
    r.mark(23, 5, 37, 140);
    r.mark(23, 6, 47, 140);
    r.mark(23, 7, 57, 140);
    r.mark(23, 8, 37, 146);
    r.mark(23, 9, 47, 146);

    // 4 電子計算機の利用状況.
    r.mark(24, 1, 83, 90);
    r.mark(24, 2, 93, 90);
    r.mark(24, 3, 114, 90);
    r.mark(24, 4, 124, 90);
    const double optionX[] = {93, 104, 114, 124};
    const double optionY[] = {96, 103, 109};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < (row == 2 ? 3 : 4); ++column)
            r.mark(24, 5 + 4 * row + column, optionX[column], optionY[row]);
    // その他: after its caption, under the label of 生産管理, before the ）.
    r.add(field(24, 16), between(caption(123.7), caption(107.7), caption(133.0), thin(113.95)));
    r.add(field(24, 17), between(caption(92.7), thin(113.95), caption(108.6), thin(119.95)));
    r.add(field(24, 29), between(caption(116.8), thin(113.95), caption(129.4), thin(119.95)));
    r.add(field(24, 18), between(caption(97.8), thin(119.95), medium(134.5), thin(126.45)));
    r.add(field(24, 19), between(caption(87.7), thin(126.45), caption(110.6), thin(132.95)));
    r.add(field(24, 30), between(caption(116.8), thin(126.45), caption(129.4), thin(132.95)));
    const double mediaX[] = {88, 104, 119};
    for (int column = 0; column < 3; ++column) {
        r.mark(24, 20 + column, mediaX[column], 134);
        r.mark(24, 23 + column, mediaX[column], 140);
    }
    r.mark(24, 26, 88, 146);
    r.mark(24, 27, 104, 146);
    // その他: after its caption, under the label of ＭＴ, before the ）.
    r.add(field(24, 28), between(caption(118.7), caption(144.7), caption(133.0), medium(150.9)));

    // 5 経理の状況 and 6 株主又は株式所有異動の有無.
    r.add(field(25, 1), between(thin(154.3), thin(95.2), thin(178.45), thin(102.3)));
    r.add(field(25, 2), between(thin(154.3), thin(102.3), thin(178.45), thin(108.4)));
    // The 親族 squares start a little right of their rule.
    r.add(field(25, 3), insideMark(markBox(179, 96).adjusted(0.2, 0, 0, 0)));
    r.mark(25, 4, 190, 96);
    r.add(field(25, 6), insideMark(markBox(179, 103).adjusted(0.2, 0, 0, 0)));
    r.mark(25, 5, 190, 103);
    const int accountingMarks[3][3] = {{7, 8, 9}, {10, 11, 12}, {15, 14, 13}};
    const double accountingY[] = {109, 115, 121};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            r.mark(25, accountingMarks[row][column], 155 + 15 * column, accountingY[row]);
    const double taxX[] = {155, 165, 180, 190};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            r.mark(25, 16 + 4 * row + column, taxX[column], row ? 134 : 128);
    r.add(field(25, 25),
          insideDigits({192, 187, 182, 177, 172, 167, 161, 156}, thin(138.6), medium(145.0)));
    r.mark(26, 1, 180, 146);
    r.mark(26, 2, 190, 146);

    // 7 主要科目: a row of nine digit boxes a line.
    const QList<double> profit = rowBounds(mainaccountgrid::profitColumn().rowYs,
                                           mainaccountgrid::top, mainaccountgrid::profitBottom);
    for (qsizetype row = 0; row + 1 < profit.size(); ++row)
        r.add(field(30, 1 + int(row)), insideDigits(mainaccountgrid::profitColumn().digitXs,
                                                    rowEdge(profit, row, medium, medium),
                                                    rowEdge(profit, row + 1, medium, medium)));
    const QList<double> balance = rowBounds(mainaccountgrid::balanceColumn().rowYs,
                                            mainaccountgrid::top, mainaccountgrid::balanceBottom);
    for (qsizetype row = 0; row + 1 < balance.size(); ++row)
        r.add(field(30, 20 + int(row)), insideDigits(mainaccountgrid::balanceColumn().digitXs,
                                                     rowEdge(balance, row, medium, medium),
                                                     rowEdge(balance, row + 1, medium, medium)));
    // 8 and 9: 有 and 無, ticked by a number.
    r.mark(30, 43, 135, 258);
    r.mark(30, 44, 145, 258);
    r.mark(30, 45, 178, 258);
    r.mark(30, 46, 188, 258);
    r.mark(30, 47, 178, 264);
    r.mark(30, 48, 188, 264);
    // 10 代表者に対する報酬等の金額: seven digit boxes from the rightmost.
    const struct {
        int field;
        double rightmost;
        bool second;
    } payments[] = {{36, 101, false}, {37, 101, true},  {38, 55, true}, {39, 146, false},
                    {40, 146, true},  {41, 192, false}, {42, 192, true}};
    for (const auto& payment : payments) {
        QList<double> xs;
        for (int box = 0; box < 7; ++box)
            xs.append(payment.rightmost - 5 * box);
        r.add(field(30, payment.field),
              insideDigits(xs, payment.second ? thin(275.95) : medium(268.9),
                           payment.second ? thick(281.9) : thin(275.95)));
    }
}

void back(QList<EntryBox>& boxes) {
    Rows r(Page::Back, boxes);
    // 11 事業形態: 兼業種目 and 兼業割合, then 事業内容の特異性 between dotted rules.
    const QList<double> sideline = rowBounds({17, 24, 31}, 15.8, 35.4);
    for (int row = 0; row < 3; ++row) {
        const Edge top = thin(sideline[row]);
        const Edge bottom = thin(sideline[row + 1]);
        r.add(field(40, 1 + 2 * row), between(thin(27.6), top, thin(88), bottom));
        r.add(field(40, 2 + 2 * row), between(thin(88), top, caption(105.8), bottom));
    }
    const QList<double> features = rowBounds({42, 47.5, 52.5, 57.5, 62.5, 67.5, 72.5}, 35.4, 77.8);
    for (int line = 0; line < 7; ++line)
        r.add(field(40, 7 + line),
              between(thin(27.6), thin(features[line]), medium(110), thin(features[line + 1])));
    r.add(field(40, 26), between(caption(66.6), thin(77.8), caption(73.8), medium(87.7)));
    r.add(field(40, 27), between(caption(96.6), thin(77.8), caption(103.8), medium(87.7)));

    // 12 主な設備等の状況: ten lines between dotted rules.
    for (int line = 0; line < 10; ++line)
        r.add(field(40, 14 + line),
              between(medium(110), thin(line ? 15 + 7 * (line - 1) + 5.45 : 14.2), thick(194),
                      thin(15 + 7 * line + 5.45)));

    // 13 決済日等の状況.
    const QList<double> settlement = rowBounds({89, 96, 102, 107}, 87.7, 111.5);
    for (int row = 0; row < 4; ++row) {
        const Edge top = rowEdge(settlement, row, medium, medium);
        const Edge bottom = rowEdge(settlement, row + 1, medium, medium);
        r.add(field(50, 1 + row), between(thin(55.6), top, thin(80.0), bottom));
        r.add(field(50, 5 + row), between(thin(93.6), top, medium(110), bottom));
    }

    // 14 帳簿類の備付状況: two columns of seven lines.
    const QList<double> books = rowBounds({119, 125, 131, 137, 144, 150, 156}, 118.2, 160.9);
    for (int row = 0; row < 7; ++row) {
        const Edge top = thin(books[row]);
        const Edge bottom = rowEdge(books, row + 1, thin, medium);
        r.add(field(50, 9 + row), between(thin(19.5), top, thin(65.4), bottom));
        r.add(field(50, 16 + row), between(thin(65.4), top, medium(110), bottom));
    }

    // 15 税理士の関与状況.
    r.add(field(50, 23), between(thin(131.6), medium(87.7), thick(194), thin(93.95)));
    r.add(field(50, 24), between(thin(131.6), thin(93.95), thick(194), thin(99.95)));
    r.add(field(50, 25), between(thin(131.6), thin(99.95), thick(194), thin(105.85)));
    r.mark(50, 36, 133, 107);
    r.mark(50, 38, 152, 107);
    r.mark(50, 40, 172, 107);
    r.mark(50, 37, 133, 113.5);
    r.mark(50, 39, 152, 113.5);
    r.mark(50, 41, 172, 113.5);
    r.mark(50, 42, 133, 119.5);
    r.mark(50, 43, 162, 119.5);

    // 16 加入組合等の状況, 営業時間 and 定休日.
    const QList<double> unions = rowBounds({126, 132, 138, 144, 150, 156}, 124.0, 160.9);
    const auto row = [&](int i, Edge left, Edge right) {
        return between(left, rowEdge(unions, i, medium, medium), right,
                       rowEdge(unions, i + 1, medium, medium));
    };
    r.add(field(50, 26), row(0, thin(115.5), thick(194)));
    r.add(field(50, 27), row(1, caption(129.6), thick(194)));
    r.add(field(50, 28), row(2, thin(115.5), thick(194)));
    r.add(field(50, 29), row(3, caption(129.6), thick(194)));
    r.add(field(50, 30), row(4, caption(140.7), caption(146.0)));
    r.add(field(50, 31), row(4, caption(151.6), caption(166.4)));
    r.add(field(50, 32), row(4, caption(171.7), caption(177.2)));
    r.add(field(50, 33), row(4, caption(182.7), thick(194)));
    r.add(field(50, 34), row(5, caption(151.7), caption(166.6)));
    r.add(field(50, 35), row(5, caption(173.7), caption(185.9)));

    // 17 月別の売上高等の状況: the months, then each amount between its column's rules;
    // the rule above the 計 row is heavier.
    const QList<double> rows = rowBounds(
        {173, 179, 186, 192, 198, 204, 210, 216, 222, 228, 235, 241, 247, 253}, 172.3, 257.7);
    const auto rowTop = [&](int i) { return i == 12 ? medium(rows[i]) : thin(rows[i]); };
    const auto rowBottom = [&](int i) {
        return i + 1 == 12 ? medium(rows[i + 1]) : rowEdge(rows, i + 1, thin, medium);
    };
    for (int month = 0; month < 12; ++month)
        r.add({EntrySource::Month, 0, month + 1},
              between(thin(18.5), rowTop(month), caption(27.0), rowBottom(month)));
    const double columnRules[] = {29.6, 43.3, 63.3, 84.5, 104.3, 125.25, 145.2, 164.2, 178.2};
    for (int column = 0; column < 9; ++column)
        for (int i = 0; i < 14; ++i)
            r.add(field(60, 10 + 14 * column + i),
                  between(thin(columnRules[column]), rowTop(i),
                          column < 8 ? thin(columnRules[column + 1]) : thick(194), rowBottom(i)));
    // The headings: the four sub-columns, and the untitled column under its 千円.
    const double headingRules[] = {29.6, 48.7, 68.2, 87.7, 106.5};
    for (int heading = 0; heading < 4; ++heading)
        r.add(field(60, 1 + heading), between(thin(headingRules[heading]), thin(165.5),
                                              thin(headingRules[heading + 1]), thin(172.3)));
    r.add(field(60, 6), between(thin(164.2), caption(163.7), thin(183.8), thin(172.3)));

    // 18 当期の営業成績の概要: three lines between dotted rules.
    const QList<double> summary = rowBounds({261, 267, 273}, 257.7, 277.9);
    for (int line = 0; line < 3; ++line)
        r.add(field(60, 7 + line), between(thin(32.6), rowEdge(summary, line, medium, thick),
                                           thick(194), rowEdge(summary, line + 1, medium, thick)));
}

struct Key {
    Page page;
    EntryRef entry;
    bool operator==(const Key&) const = default;
};

size_t qHash(const Key& key, size_t seed = 0) {
    return qHashMulti(seed, int(key.page), int(key.entry.source), key.entry.section,
                      key.entry.field);
}

} // namespace

const QList<EntryBox>& entryBoxes() {
    static const QList<EntryBox> table = [] {
        QList<EntryBox> boxes;
        front(boxes);
        back(boxes);
        return boxes;
    }();
    return table;
}

QRectF entryBox(Page page, const EntryRef& entry) {
    static const QHash<Key, QRectF> index = [] {
        QHash<Key, QRectF> byKey;
        for (const EntryBox& box : entryBoxes())
            byKey.insert({box.page, box.entry}, box.rect);
        return byKey;
    }();
    return index.value({page, entry});
}

} // namespace gaikyo::formpictures
