#include "screendrawings.h"

namespace gaikyo::formpictures {
namespace {

const auto centred = Qt::AlignCenter;
const auto toRight = Qt::AlignRight | Qt::AlignVCenter;

// A picture of the form in screen pixels: cream paper, white cells where the entry boxes
// lie, dark ink. Captions are "ＭＳ Ｐゴシック" like the rest of the screen.
Drawing screen(int width, int height) {
    Drawing d;
    d.size = QSizeF(width, height);
    d.unitsPerPoint = 96.0 / 72;
    d.penWidths = {1, 2, 2, 1};
    d.paper = QColor(246, 243, 232);
    d.answer = Qt::white;
    d.ink = QColor(40, 40, 40);
    return d;
}

void caption(Drawing& d, QRectF rect, const char* text, double points = 8,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    d.text(rect, s(text), points, Face::Gothic, alignment);
}

// Form3: items 7 to 10 of the front page.
Drawing form3() {
    Drawing d = screen(684, 507);
    // 7 主要科目, the profit-and-loss column.
    d.verticalText(QRectF(0, 4, 20, 180), s("7 主要科目"), 9);
    const char* profit[] = {"売上（収入）高",
                            "上記のうち兼業売上（収入）高",
                            "売上（収入）原価",
                            "期首棚卸高",
                            "原材料費（仕入高）",
                            "労務費",
                            "外注費",
                            "期末棚卸高",
                            "減価償却費",
                            "地代家賃・租税公課",
                            "売上（収入）総利益",
                            "役員報酬",
                            "従業員給料",
                            "交際費",
                            "減価償却費",
                            "地代家賃・租税公課",
                            "営業損益",
                            "支払利息割引料",
                            "税引前当期損益"};
    for (int k = 0; k < 19; ++k) {
        const double y = k == 0 ? 3 : 24 * k;
        d.answerArea(QRectF(176, y, 177, 24));
        const bool inner = (k >= 3 && k <= 9) || (k >= 11 && k <= 15);
        const double x = inner ? 38 : 22;
        caption(d, QRectF(x, 24 * k + 2, 172 - x, 20), profit[k], 8);
        if (k > 0)
            d.hline(inner && k != 3 && k != 11 ? 36 : 20, 353, 24 * k);
    }
    d.verticalText(QRectF(20, 74, 16, 164), s("売上原価の内訳"), 7, Face::Gothic);
    d.verticalText(QRectF(20, 266, 16, 116), s("販売費・一般管理費の内訳"), 7, Face::Gothic);
    d.vline(36, 72, 240);
    d.vline(36, 264, 384);
    d.vline(20, 0, 456);
    d.vline(175, 0, 456);
    d.vline(354, 0, 456, Pen::Medium);

    // The balance-sheet column.
    const char* balance[] = {
        "資産の部合計",  "現金預金", "受取手形", "売掛金",     "棚卸資産（未成工事支出金）",
        "貸付金",        "建物",     "機械装置", "車両・船舶", "土地",
        "負債の部合計",  "支払手形", "買掛金",   "個人借入金", "その他借入金",
        "純資産の部合計"};
    for (int k = 0; k < 16; ++k) {
        d.answerArea(QRectF(504, 24 * k, 177, 24));
        const bool inner = (k >= 1 && k <= 9) || (k >= 11 && k <= 14);
        const double x = inner ? 374 : 358;
        caption(d, QRectF(x, 24 * k + 2, 502 - x, 20), balance[k], 8);
        d.hline(inner && k != 1 && k != 11 ? 372 : 354, 684, 24 * k + 24);
    }
    d.verticalText(QRectF(356, 26, 16, 212), s("資産の部の内訳"), 7, Face::Gothic);
    d.verticalText(QRectF(356, 266, 16, 92), s("負債の内訳"), 7, Face::Gothic);
    d.vline(372, 24, 240);
    d.vline(372, 264, 360);
    d.vline(503, 0, 384);

    // 8 and 9, with their 有/無 cells, under the balance sheet.
    caption(d, QRectF(358, 384, 324, 13), "8 インターネットバンキング等の利用の有無", 7.5);
    for (double x : {440.0, 600.0}) {
        caption(d, QRectF(x, 396, 41, 12), "有", 7.5, centred);
        caption(d, QRectF(x + 41, 396, 40, 12), "無", 7.5, centred);
    }
    caption(d, QRectF(358, 408, 80, 24), "(1)インターネット\nバンキング", 7);
    caption(d, QRectF(524, 408, 74, 24), "(2)ファーム\nバンキング", 7);
    caption(d, QRectF(358, 432, 240, 24), "9 役員又は役員報酬額の異動の有無", 8);
    d.answerArea(QRectF(440, 408, 81, 24));
    d.answerArea(QRectF(600, 408, 81, 48));
    d.hline(354, 684, 408);
    d.hline(354, 684, 432);
    d.vline(439, 408, 432);
    d.vline(599, 408, 456);

    // 10 代表者に対する報酬等の金額, along the bottom.
    d.hline(0, 684, 456, Pen::Medium);
    caption(d, QRectF(2, 457, 166, 22), "10 代表者に対する報酬等の金額（千円）", 7.5);
    caption(d, QRectF(170, 456, 21, 24), "報酬", 7.5, centred);
    caption(d, QRectF(170, 480, 21, 24), "支払\n利息", 7, centred);
    caption(d, QRectF(0, 480, 23, 24), "賃借\n料", 7, centred);
    caption(d, QRectF(338, 456, 29, 24), "貸付金", 7.5, centred);
    caption(d, QRectF(338, 480, 29, 24), "借入金", 7.5, centred);
    caption(d, QRectF(514, 456, 29, 24), "仮払金", 7.5, centred);
    caption(d, QRectF(514, 480, 29, 24), "仮受金", 7.5, centred);
    d.answerArea(QRectF(192, 456, 145, 48));
    d.answerArea(QRectF(24, 480, 145, 24));
    d.answerArea(QRectF(368, 456, 145, 48));
    d.answerArea(QRectF(544, 456, 137, 48));
    d.hline(0, 684, 480);
    for (double x : {169.0, 191.0, 337.0, 367.0, 513.0, 543.0})
        d.vline(x, 456, 507);
    d.vline(23, 480, 507);
    d.box(QRectF(0, 0, 683, 506), Pen::Medium);
    return d;
}

// Form4: items 11 and 12 of the back page, numbered as the paper numbers them.
Drawing form4() {
    Drawing d = screen(694, 318);
    d.verticalText(QRectF(0, 4, 22, 120), s("11 事業形態"), 9);
    d.vline(22, 0, 317);
    caption(d, QRectF(48, 2, 177, 20), "（兼業種目）", 8, centred);
    caption(d, QRectF(240, 2, 121, 20), "（兼業割合）", 8, centred);
    caption(d, QRectF(24, 25, 22, 12), "(1)", 7, centred);
    d.verticalText(QRectF(24, 38, 22, 52), s("兼業の状況"), 7.5, Face::Gothic);
    for (int r = 0; r < 3; ++r) {
        const double y = 24 + 24 * r;
        d.answerArea(QRectF(48, y, 177, 19));
        d.answerArea(QRectF(240, y, 121, 19));
        caption(d, QRectF(362, y, 12, 19), "%", 8, centred);
        d.hline(46, 374, y + 21, Pen::Dotted);
    }
    d.hline(22, 374, 22);
    d.vline(46, 22, 91);
    d.vline(232, 0, 91);
    d.hline(22, 374, 91);
    caption(d, QRectF(26, 92, 330, 19), "(2)事業内容の特異性", 8);
    for (int k = 0; k < 7; ++k) {
        d.answerArea(QRectF(48, 112 + 24 * k, 313, 19));
        d.hline(46, 374, 112 + 24 * k + 21, Pen::Dotted);
    }
    d.hline(22, 374, 283);
    caption(d, QRectF(26, 288, 100, 19), "(3)売上区分", 8);
    caption(d, QRectF(130, 288, 68, 19), "現金売上", 8, toRight);
    d.answerArea(QRectF(200, 288, 41, 19));
    caption(d, QRectF(243, 288, 13, 19), "%", 8, centred);
    caption(d, QRectF(262, 288, 48, 19), "掛売上", 8, toRight);
    d.answerArea(QRectF(312, 288, 41, 19));
    caption(d, QRectF(355, 288, 13, 19), "%", 8, centred);

    d.vline(374, 0, 317, Pen::Medium);
    d.verticalText(QRectF(375, 4, 16, 200), s("12 主な設備等の状況"), 8.5);
    d.vline(391, 0, 317);
    for (int k = 0; k < 12; ++k) {
        d.answerArea(QRectF(392, 16 + 24 * k, 289, 19));
        d.hline(391, 693, 16 + 24 * k + 21, Pen::Dotted);
    }
    d.box(QRectF(0, 0, 693, 317), Pen::Medium);
    return d;
}

// Form5: items 13 to 16 of the back page, numbered as the paper numbers them.
Drawing form5() {
    Drawing d = screen(702, 297);
    // 13 決済日の状況.
    d.verticalText(QRectF(0, 3, 22, 96), s("13 決済日の状況"), 8);
    d.vline(22, 0, 102);
    const char* rows[] = {"売上", "仕入", "外注費", "給料"};
    for (int r = 0; r < 4; ++r) {
        const double y = 8 + 24 * r;
        caption(d, QRectF(24, y, 60, 19), rows[r], 8, centred);
        caption(d, QRectF(96, y, 62, 19), "締切日", 8, toRight);
        caption(d, QRectF(244, y, 58, 19), "決済日", 8, toRight);
        d.answerArea(QRectF(160, y, 81, 19));
        d.answerArea(QRectF(304, y, 73, 19));
        if (r > 0)
            d.hline(22, 379, y - 3);
    }
    d.vline(86, 0, 102);
    d.hline(0, 379, 102, Pen::Medium);

    // 14 帳簿類の備付状況.
    d.verticalText(QRectF(0, 106, 30, 188), s("14 帳簿類の備付状況"), 8);
    d.vline(30, 102, 296);
    caption(d, QRectF(32, 104, 169, 22), "帳簿書類の名称", 8, centred);
    caption(d, QRectF(208, 104, 169, 22), "帳簿書類の名称", 8, centred);
    d.hline(30, 379, 126);
    d.vline(204, 102, 296);
    for (int k = 0; k < 7; ++k) {
        const double y = 128 + 24 * k;
        d.answerArea(QRectF(32, y, 169, 19));
        d.answerArea(QRectF(208, y, 169, 19));
        d.hline(30, 379, y + 21, Pen::Dotted);
    }
    d.vline(379, 0, 296, Pen::Medium);

    // 15 税理士の関与状況.
    d.verticalText(QRectF(380, 3, 18, 142), s("15 税理士の関与状況"), 7.5);
    d.vline(398, 0, 296);
    caption(d, QRectF(400, 8, 62, 19), "(1)氏名", 7.5);
    caption(d, QRectF(400, 29, 62, 24), "(2)事務所\n所在地", 7);
    caption(d, QRectF(400, 56, 62, 19), "(3)電話番号", 7.5);
    caption(d, QRectF(400, 80, 62, 67), "(4)関与状況", 7.5);
    for (int k = 0; k < 3; ++k) {
        d.answerArea(QRectF(464, 8 + 24 * k, 233, 19));
        d.hline(398, 702, 8 + 24 * k + 21);
    }
    d.vline(462, 0, 77);
    // The eight involvements: a circle to tick, then the caption.
    const struct {
        QRectF box;
        const char* caption;
        double right;
    } involvements[] = {{{464, 80, 25, 19}, "申告書の作成", 542},
                        {{464, 104, 25, 19}, "決算書の作成", 541},
                        {{544, 80, 17, 19}, "調査立会", 622},
                        {{543, 104, 18, 19}, "伝票の整理", 622},
                        {{624, 80, 17, 19}, "税務相談", 700},
                        {{624, 104, 17, 19}, "補助簿の記帳", 700},
                        {{464, 128, 25, 19}, "総勘定元帳の記帳", 582},
                        {{584, 128, 17, 19}, "源泉徴収関係事務", 700}};
    for (const auto& involvement : involvements) {
        d.answerArea(involvement.box);
        const QPointF centre = involvement.box.center();
        d.circle(QRectF(centre.x() - 7, centre.y() - 7, 14, 14));
        const double x = involvement.box.right() + 2;
        caption(d, QRectF(x, involvement.box.top(), involvement.right - x, 19), involvement.caption,
                7.5);
    }
    d.hline(379, 702, 149, Pen::Medium);

    // 16 加入組合等の状況.
    d.verticalText(QRectF(380, 152, 18, 142), s("16 加入組合等の状況"), 7.5);
    d.answerArea(QRectF(400, 152, 297, 19));
    d.answerArea(QRectF(464, 176, 233, 19));
    d.answerArea(QRectF(400, 200, 297, 19));
    d.answerArea(QRectF(464, 224, 233, 19));
    caption(d, QRectF(400, 176, 62, 19), "（役職名）", 7.5);
    caption(d, QRectF(400, 224, 62, 19), "（役職名）", 7.5);
    for (double y : {173.0, 197.0, 221.0, 245.0, 269.0})
        d.hline(398, 702, y);
    caption(d, QRectF(400, 248, 46, 19), "営業時間", 7.5);
    caption(d, QRectF(466, 248, 28, 19), "開店", 7.5, toRight);
    d.answerArea(QRectF(496, 248, 25, 19));
    caption(d, QRectF(522, 248, 21, 19), "時", 7.5, centred);
    d.answerArea(QRectF(544, 248, 25, 19));
    caption(d, QRectF(572, 248, 34, 19), "閉店", 7.5, toRight);
    d.answerArea(QRectF(608, 248, 25, 19));
    caption(d, QRectF(634, 248, 21, 19), "時", 7.5, centred);
    d.answerArea(QRectF(656, 248, 25, 19));
    caption(d, QRectF(400, 272, 40, 19), "定休日", 7.5);
    caption(d, QRectF(442, 272, 100, 19), "毎週（毎月）", 7.5, toRight);
    d.answerArea(QRectF(544, 272, 41, 19));
    caption(d, QRectF(587, 272, 28, 19), "曜日（", 7, toRight);
    d.answerArea(QRectF(616, 272, 57, 19));
    caption(d, QRectF(675, 272, 26, 19), "日）", 7.5);
    d.box(QRectF(0, 0, 701, 296), Pen::Medium);
    return d;
}

// Form6: items 17 and 18 of the back page.
Drawing form6() {
    Drawing d = screen(690, 473);
    const double columnX[] = {64, 144, 216, 288, 368, 448, 520, 600, 648};
    const double columnW[] = {81, 73, 73, 81, 73, 73, 73, 49, 41};
    for (int c = 0; c < 9; ++c)
        d.answerArea(QRectF(columnX[c], 48, columnW[c], 24 * 14));
    // The month labels, the headings of the four sub-columns and of the untitled column.
    d.answerArea(QRectF(24, 48, 17, 24 * 12));
    for (int c = 0; c < 4; ++c)
        d.answerArea(QRectF(columnX[c], 24, columnW[c], 24));
    d.answerArea(QRectF(600, 16, 49, 24));

    caption(d, QRectF(2, 2, 60, 44), "17 月別の売上\n高等の状況", 7.5);
    for (int r = 0; r < 12; ++r)
        caption(d, QRectF(42, 48 + 24 * r, 20, 24), "月", 8, centred);
    caption(d, QRectF(2, 48 + 24 * 12, 60, 24), "計", 8, centred);
    caption(d, QRectF(2, 48 + 24 * 13, 60, 24), "前期の実績", 8, centred);
    caption(d, QRectF(66, 1, 118, 22), "売上（収入）金額", 8, centred);
    caption(d, QRectF(186, 1, 28, 22), "千円", 7, toRight);
    caption(d, QRectF(218, 1, 118, 22), "仕入金額", 8, centred);
    caption(d, QRectF(338, 1, 28, 22), "千円", 7, toRight);
    const struct {
        double x, w;
        const char* caption;
        const char* unit;
    } heads[] = {{368, 80, "外注費", "千円"},
                 {448, 72, "人件費", "千円"},
                 {520, 80, "源泉徴収税額", "円"},
                 {648, 41, "従事\n員数", "人"}};
    for (const auto& head : heads) {
        caption(d, QRectF(head.x + 1, 2, head.w - 2, 30), head.caption, 8, centred);
        caption(d, QRectF(head.x + 1, 33, head.w - 3, 14), head.unit, 7, toRight);
    }
    caption(d, QRectF(601, 1, 46, 14), "千円", 7, toRight);

    d.hline(64, 368, 24);
    for (int r = 0; r <= 14; ++r)
        d.hline(0, 689, 48 + 24 * r, r == 12 ? Pen::Medium : Pen::Thin);
    d.vline(63, 0, 384);
    for (double x : {216.0, 368.0, 448.0, 520.0, 600.0, 648.0})
        d.vline(x, 0, 384);
    for (double x : {144.0, 288.0})
        d.vline(x, 24, 384);
    d.box(QRectF(0, 0, 689, 384), Pen::Medium);

    caption(d, QRectF(2, 390, 44, 76), "18 当期の\n営業成績\nの概要", 7.5);
    for (int k = 0; k < 3; ++k)
        d.answerArea(QRectF(48, 392 + 24 * k, 633, 25));
    d.vline(47, 387, 471);
    d.box(QRectF(0, 387, 689, 84), Pen::Medium);
    return d;
}

} // namespace

Drawing screenDrawing(const QString& screenName) {
    if (screenName == QLatin1String("Form3"))
        return form3();
    if (screenName == QLatin1String("Form4"))
        return form4();
    if (screenName == QLatin1String("Form5"))
        return form5();
    if (screenName == QLatin1String("Form6"))
        return form6();
    return {};
}

} // namespace gaikyo::formpictures
