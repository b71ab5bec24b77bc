#include "mainaccountgrid.h"
#include "pagedrawings.h"
#include "pageparts.h"

namespace gaikyo::formpictures {
namespace {

using namespace pageparts;

constexpr double left = 12;
constexpr double right = 198;

void header(Drawing& d, erayear::Era start, erayear::Era end) {
    d.text(QRectF(left, 3, 30, 3.5), QStringLiteral("FB1005"), 7, Face::Gothic);
    d.text(QRectF(60, 7.5, 90, 9), s("法 人 事 業 概 況 説 明 書"), 16, Face::Mincho,
           Qt::AlignCenter);
    d.text(QRectF(150, 9, 14, 6), s("（表）"), 10, Face::Mincho, Qt::AlignCenter);

    // 整理番号, sitting on the header frame.
    d.box(QRectF(137, 21, 17.47, 5.6));
    d.text(QRectF(137, 21, 17.47, 5.6), s("整理番号"), 7, Face::Mincho, Qt::AlignCenter);
    digitBoxes(d, {192, 187, 181, 176, 171, 167, 161, 156}, 21, 26.6);

    const double top = 26.6, middle = 39.4, bottom = 51.6;
    d.box(QRectF(left, top, right - left, bottom - top), Pen::Thick);
    d.hline(left, 168.5, middle);
    d.vline(24.6, top, bottom);
    d.vline(111.5, top, middle);
    d.vline(116.6, top, middle);
    // A 納税地 of twenty characters printed at 26 ends at 103.6: the 電話番号 captions
    // stand right of it, before the number printed at 115.
    const double phone = 104.2;
    d.vline(phone, middle, bottom);
    d.vline(114.6, middle, bottom);
    d.hline(phone, 168.5, 45.6);
    d.vline(168.5, top, bottom);

    d.text(QRectF(left + 0.5, top, 11.6, middle - top), s("法 人 名"), 7.5, Face::Mincho,
           Qt::AlignCenter);
    d.text(QRectF(left + 0.5, middle, 11.6, bottom - middle), s("納 税 地"), 7.5, Face::Mincho,
           Qt::AlignCenter);
    d.verticalText(QRectF(111.5, top + 0.6, 5.1, 11.6), s("事業年度"), 7, Face::Mincho);
    for (int row = 0; row < 2; ++row) {
        const double y0 = row ? 33.0 : top;
        const double y1 = row ? middle : 33.0;
        // The era of each date, as its year boxes count it.
        d.text(QRectF(116.8, y0, 6.5, y1 - y0),
               (row ? s("至 ") : s("自 ")) + erayear::name(row ? end : start), 6.5);
        digitBoxes(d, {130, 125}, y0, y1);
        digitBoxes(d, {145, 140}, y0, y1);
        digitBoxes(d, {160, 155}, y0, y1);
        d.text(QRectF(133.6, y0, 4.7, y1 - y0), s("年"), 7, Face::Mincho, Qt::AlignCenter);
        d.text(QRectF(148.6, y0, 4.7, y1 - y0), s("月"), 7, Face::Mincho, Qt::AlignCenter);
        d.text(QRectF(163.6, y0, 4.7, y1 - y0), s("日"), 7, Face::Mincho, Qt::AlignCenter);
    }
    d.text(QRectF(phone, middle, 114.6 - phone, 45.6 - middle), s("電話番号"), 7, Face::Mincho,
           Qt::AlignCenter);
    d.text(QRectF(phone, 45.6, 114.6 - phone, bottom - 45.6), s("ホームページ\nアドレス"), 5.5,
           Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(168.5, top + 0.3, right - 168.5, 4), s("応答者氏名"), 7, Face::Mincho,
           Qt::AlignCenter);
}

// 1 事業内容 and 2 支店・海外取引状況.
void sectionsOneAndTwo(Drawing& d) {
    const double top = 51.6, bottom = 88.6;
    d.verticalText(QRectF(left, top + 1, 12.3, 33), s("1 事業内容"), 8);
    d.vline(24.3, top, bottom);
    // A full line of nine characters printed at 25 mm ends at 59.9 mm: the divider stands
    // right of it, leaving item 2's title the narrow strip up to its own rule.
    const double divider = 60.4;
    for (double y : {59.6, 66.6, 73.6, 80.6})
        d.hline(24.3, divider, y, Pen::Dotted);
    d.vline(divider, top, bottom, Pen::Medium);

    d.verticalText(QRectF(divider, top + 0.8, 62.6 - divider, 35.4), s("2 支店・海外取引状況"),
                   5.5);
    d.vline(62.6, top, bottom);
    const double half = 110.4;
    for (double y : {57.7, 64.6, 70.9, 76.8, 82.9})
        d.hline(62.6, half, y);
    d.vline(68.6, 57.7, 64.6);
    d.vline(68.6, 70.9, 76.8);
    d.vline(68.6, 82.9, bottom);
    d.text(QRectF(63, top, 31.3, 6.1), s("(1)支店数　総支店数"), 6.5);
    digitBoxes(d, {95, 100, 105}, top, 57.7, true);
    d.text(QRectF(62.6, 57.7, 6, 6.9), s("主な\n所在地"), 5.5, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(63, 64.6, 31.3, 6.3), s("上記のうち海外支店数"), 6.5);
    digitBoxes(d, {95, 100, 105}, 64.6, 70.9, true);
    d.text(QRectF(62.6, 70.9, 6, 5.9), s("所在国"), 5.5, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(63, 76.8, 31.3, 6.1), s("(2)海外子会社の数"), 6.5);
    digitBoxes(d, {95, 100, 105}, 76.8, 82.9, true);
    d.text(QRectF(62.6, 82.9, 6, 5.7), s("所在国"), 5.5, Face::Mincho, Qt::AlignCenter);
    // The 所在国 row leaves 出資割合 a narrow caption before its place at 99.
    d.vline(92.6, 82.9, bottom);
    d.vline(98.7, 82.9, bottom);
    d.text(QRectF(92.7, 82.9, 5.9, 5.7), s("出資割合"), 5, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(107.0, 82.9, 3.2, 5.7), s("%"), 7, Face::Mincho, Qt::AlignCenter);
    d.vline(half, top, bottom);

    // (3) 取引種類 with the import and export rows, (4) 貿易外取引.
    for (double y : {57.7, 63.9, 70.3})
        d.hline(half, right, y);
    d.text(QRectF(half + 0.2, top + 0.2, 6.9, 5.7), s("(3)取引\n種類"), 5.5);
    option(d, 118, 53, s("輸入"), 128.4);
    d.text(QRectF(128.6, top, 9.2, 6.1), s("相手国"), 6, Face::Mincho, Qt::AlignCenter);
    option(d, 139, 53, s("輸出"), 149.4);
    d.text(QRectF(149.6, top, 8.6, 6.1), s("商品"), 6, Face::Mincho, Qt::AlignCenter);
    option(d, 159, 53, s("無"), 167.6);
    d.text(QRectF(167.6, top, right - 167.6, 6.1), s("取引金額（千円）"), 6, Face::Mincho,
           Qt::AlignCenter);
    d.vline(120.6, 57.7, 70.3);
    d.vline(144.6, 57.7, 70.3);
    d.text(QRectF(half, 57.7, 10.2, 6.2), s("輸入"), 6.5, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(half, 63.9, 10.2, 6.4), s("輸出"), 6.5, Face::Mincho, Qt::AlignCenter);
    digitBoxes(d, {171, 176, 181, 186, 191}, 57.7, 63.9, true);
    digitBoxes(d, {171, 176, 181, 186, 191}, 63.9, 70.3, true);

    d.text(QRectF(half + 0.2, 70.5, 6.9, 17.9), s("(4)\n貿易外\n取引"), 5.5);
    option(d, 118, 71.5, s("有"), 138.3);
    option(d, 139, 71.5, s("無"), 158.3);
    option(d, 118, 77.5, s("手数料"), 138.3);
    option(d, 139, 77.5, s("ロイヤリティ"), 158.3);
    option(d, 159, 77.5, s("役務の提供"), 179.3);
    option(d, 180, 77.5, s("証券の売買"), right - 0.3);
    option(d, 118, 83.5, s("金銭の貸借"), 138.3);
    option(d, 139, 83.5, s("不動産の売買"), 158.3);
    option(d, 159, 83.5, s("その他（"), 178.7);
    d.text(QRectF(196.2, 82.8, 1.6, 5.4), s("）"), 6);
}

// 3 期末従業員等の状況.
void sectionThree(Drawing& d) {
    const double top = 88.6, bottom = 150.9, edge = 66.5;
    const QList<double> ys{90, 96, 103, 109, 115, 121.5, 128, 134};
    const QList<double> bounds = rowBounds(ys, top, 138.95);
    d.verticalText(QRectF(left, top + 1, 6, 48), s("3 期末従業員等の状況"), 7);
    d.text(QRectF(18, top + 0.6, 6.3, 3), s("(1)"), 5.5, Face::Mincho, Qt::AlignCenter);
    d.verticalText(QRectF(18, top + 4, 6.3, 30), s("期末従業員の状況"), 6, Face::Mincho);
    d.vline(24.3, top, bounds.last());
    const QStringList captions{s("常勤役員"),
                               {},
                               {},
                               {},
                               {},
                               s("計"),
                               s("計のうち\n代表者家族数"),
                               s("計のうち\nアルバイト数")};
    for (qsizetype i = 0; i < ys.size(); ++i) {
        const double y0 = bounds[i], y1 = bounds[i + 1];
        if (i > 0)
            d.hline(24.3, edge, y0);
        if (!captions[i].isEmpty())
            d.text(QRectF(24.8, y0, 18.3, y1 - y0), captions[i], i >= 6 ? 5.5 : 7);
        digitBoxes(d, {60, 55, 50, 45}, y0, y1);
        d.text(QRectF(63.6, y0, 2.8, y1 - y0), s("人"), 6, Face::Mincho, Qt::AlignCenter);
    }
    d.hline(left, edge, 138.95);
    d.hline(left, edge, 144.95);
    d.text(QRectF(12.4, 138.95, 23.9, 6), s("(3)賃金の定め方"), 6.5);
    // Marks print 10 mm apart: each label takes two lines between its box and the next.
    option(d, 37, 140, s("A\n固定給"), 46.45, 5);
    option(d, 47, 140, s("B\n歩合給"), 56.45, 5);
    option(d, 57, 140, s("AB\n併用"), edge - 0.2, 5);
    d.text(QRectF(12.4, 144.95, 23.9, 5.95), s("(4)社宅・寮の有無"), 6.5);
    option(d, 37, 146, s("有"), 46.5);
    option(d, 47, 146, s("無"), 56.5);
    d.vline(edge, top, bottom, Pen::Medium);
}

// 4 電子計算機の利用状況.
void sectionFour(Drawing& d) {
    const double top = 88.6, bottom = 150.9, x0 = 66.5, x1 = 71.0, edge = 134.5;
    d.verticalText(QRectF(x0, top + 1, x1 - x0, 60), s("4 電子計算機の利用状況"), 6.5);
    d.vline(x1, top, bottom);
    for (double y : {94.95, 101.45, 113.95, 119.95, 126.45, 132.95, 138.95})
        d.hline(x1, edge, y);
    const double c = x1 + 0.3;
    auto caption = [&](double y0, double y1, double width, const char* text) {
        d.text(QRectF(c, y0, width, y1 - y0), s(text), 6.5);
    };
    caption(top, 94.95, 11.0, "(1)利用");
    option(d, 83, 90, s("有"), 92.4);
    option(d, 93, 90, s("無"), 99.8);
    d.text(QRectF(100.0, top, 13.4, 94.95 - top), s("(2)電子取引"), 6.5);
    option(d, 114, 90, s("有"), 123.4);
    option(d, 124, 90, s("無"), edge - 0.2);

    caption(94.95, 101.45, 21.2, "(3)プログラム");
    option(d, 93, 96, s("自社\n作成"), 103.5, 5.5);
    option(d, 104, 96, s("一部\n自社"), 113.5, 5.5);
    option(d, 114, 96, s("他社\n作成"), 123.5, 5.5);
    option(d, 124, 96, s("市販\nソフト"), edge - 0.2, 5.5);

    caption(101.45, 113.95, 21.2, "(4)適用業務");
    option(d, 93, 103, s("給与\n管理"), 103.5, 5.5);
    option(d, 104, 103, s("販売\n管理"), 113.5, 5.5);
    option(d, 114, 103, s("在庫\n管理"), 123.5, 5.5);
    option(d, 124, 103, s("生産\n管理"), edge - 0.2, 5.5);
    option(d, 93, 109, s("固定\n資産"), 103.5, 5.5);
    option(d, 104, 109, s("財務\n管理"), 113.5, 5.5);
    option(d, 114, 109, s("その他\n（"), 123.7, 5.5);
    d.text(QRectF(133.0, 108.3, 1.4, 5), s("）"), 6);

    // A monthly charge in 千円, its caption right before its boxes.
    auto monthlyCharge = [&](double x, double y, double width, double height, const char* text) {
        const Qt::Alignment toRight = Qt::AlignRight | Qt::AlignVCenter;
        d.text(QRectF(x, y, width, height), s(text), 5.5, Face::Mincho, toRight);
        d.text(QRectF(129.4, y, 5.0, height), s("千円"), 6, Face::Mincho, toRight);
    };
    caption(113.95, 119.95, 21.4, "(5)機種名");
    monthlyCharge(108.6, 113.95, 8.2, 6.0, "リース料\n月額");
    caption(119.95, 126.45, 26.5, "(6)市販会計ソフトの名称");
    caption(126.45, 132.95, 16.4, "(7)委託先");
    // Hugging its text, so that 委託先 has the room up to it.
    monthlyCharge(110.6, 126.45, 6.2, 6.5, "委託料\n月額");

    caption(132.95, 138.95, 16.4, "(8)ＬＡＮ");
    option(d, 88, 134, s("無線ＬＡＮ"), 103.5);
    option(d, 104, 134, s("有線ＬＡＮ"), 118.5);
    option(d, 119, 134, s("無"), edge - 0.2);
    caption(138.95, bottom, 16.4, "(9)保存媒体");
    option(d, 88, 140, s("ＦＤ"), 103.5);
    option(d, 104, 140, s("ＭＯ"), 118.5);
    option(d, 119, 140, s("ＭＴ"), edge - 0.2);
    option(d, 88, 146, s("ＣＤ－Ｒ"), 103.5);
    option(d, 104, 146, s("その他（"), 118.7);
    d.text(QRectF(133.0, 145.3, 1.4, 5), s("）"), 6);
    d.vline(edge, top, bottom, Pen::Medium);
}

// 5 経理の状況 and 6 株主又は株式所有異動の有無.
void sectionsFiveAndSix(Drawing& d) {
    const double top = 88.6, x0 = 134.5, x1 = 139.0, six = 145.0, bottom = 150.9;
    d.verticalText(QRectF(x0, top + 1, x1 - x0, 30), s("5 経理の状況"), 6.5);
    d.vline(x1, top, six);
    for (double y : {95.2, 108.4, 114.5, 125.2, 138.6})
        d.hline(x1, right, y);
    d.hline(146.0, right, 102.3);
    d.vline(146.0, 95.2, 108.4);
    d.vline(154.3, top, 138.6);
    // A name of six characters printed at 155 ends at 178.3.
    const double relation = 178.45;
    d.vline(relation, top, 108.4);

    d.text(QRectF(154.6, top, 23.2, 95.2 - top), s("氏　名"), 6.5, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(relation + 0.2, top + 0.2, right - relation - 0.4, 3.0), s("代表者との関係"), 6,
           Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(relation + 0.2, 91.8, 5.4, 3.2), s("親族"), 6, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(188.5, 91.8, 7.2, 3.2), s("他人"), 6, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(x1 + 0.2, 95.2, 6.6, 13.2), s("(1)\n管理\n者"), 5.5, Face::Mincho,
           Qt::AlignCenter);
    d.text(QRectF(146.2, 95.2, 8, 7.1), s("現金"), 6, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(146.2, 102.3, 8, 6.1), s("小切手"), 6, Face::Mincho, Qt::AlignCenter);
    // The 親族 boxes start a little right of their rule.
    for (double y : {96.0, 103.0}) {
        d.box(markBox(179, y).adjusted(0.2, 0, 0, 0));
        mark(d, 190, y);
    }

    d.text(QRectF(x1 + 0.2, 108.4, 14.9, 6.1), s("(2)試算表の\n作成状況"), 5.5);
    option(d, 155, 109, s("毎月"), 169.4);
    option(d, 170, 109, s("おおむね\n月ごと"), 184.4, 5.5);
    option(d, 185, 109, s("決算時\nのみ"), right - 0.2, 5.5);
    d.text(QRectF(x1 + 0.2, 114.5, 14.9, 10.7), s("(3)源泉所得税\n関係対象所得"), 5.5);
    option(d, 155, 115, s("給与"), 169.4);
    option(d, 170, 115, s("報酬・料金"), 184.4);
    option(d, 185, 115, s("利子等"), right - 0.2);
    option(d, 155, 121, s("配当"), 169.4);
    option(d, 170, 121, s("非居住者"), 184.4);
    option(d, 185, 121, s("退職"), right - 0.2);

    d.text(QRectF(x1 + 0.2, 125.2, 7.0, 13.4), s("(4)\n消費税\nの経理"), 5.5, Face::Mincho,
           Qt::AlignCenter);
    d.vline(146.4, 125.2, 138.6);
    d.text(QRectF(146.6, 127.4, 7.5, 5.9), s("売上"), 6, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(146.6, 133.3, 7.5, 5.3), s("仕入"), 6, Face::Mincho, Qt::AlignCenter);
    for (double x : {155.0, 165.0, 180.0, 190.0})
        d.text(QRectF(x - 0.8, 125.3, 6, 2.2), x == 155 || x == 180 ? s("税抜") : s("税込"), 5.5,
               Face::Mincho, Qt::AlignCenter);
    for (double y : {128.0, 134.0})
        for (double x : {155.0, 165.0, 180.0, 190.0})
            mark(d, x, y);
    d.text(QRectF(169.35, 127.4, 10.0, 5.9), s("固定\n資産"), 5.5, Face::Mincho, Qt::AlignCenter);
    d.text(QRectF(169.35, 133.3, 10.0, 5.3), s("経費"), 6, Face::Mincho, Qt::AlignCenter);

    d.text(QRectF(x1 + 0.2, 138.6, 15.0, 6.4), s("当期課税売上高\n（千円）"), 5.5);
    digitBoxes(d, {192, 187, 182, 177, 172, 167, 161, 156}, 138.6, six);

    d.hline(x0, right, six, Pen::Medium);
    d.text(QRectF(x0 + 0.5, six, 44, bottom - six), s("6 株主又は株式所有異動の有無"), 6.5,
           Face::Gothic);
    option(d, 180, 146, s("有"), 189.4);
    option(d, 190, 146, s("無"), right - 0.2);
}

// 7 主要科目, 8, 9 and 10.
void sectionsSevenToTen(Drawing& d) {
    const double top = mainaccountgrid::top, bottom = mainaccountgrid::profitBottom, split = 108;
    d.verticalText(QRectF(left, top + 1, 5.5, 30), s("7 主要科目"), 8);
    d.verticalText(QRectF(left, 240, 5.5, 26), s("単位 千円"), 6, Face::Mincho);
    d.vline(17.5, top, bottom);
    d.vline(split, top, bottom, Pen::Medium);

    const QList<double> profitYs = mainaccountgrid::profitColumn().rowYs;
    const QStringList profit{s("売上（収入）高"),
                             s("上記のうち兼業売上（収入）高"),
                             s("売上（収入）原価"),
                             s("期首棚卸高"),
                             s("原材料費（仕入高）"),
                             s("労務費"),
                             s("外注費"),
                             s("期末棚卸高"),
                             s("減価償却費"),
                             s("地代家賃・租税公課"),
                             s("売上（収入）総利益"),
                             s("役員報酬"),
                             s("従業員給料"),
                             s("交際費"),
                             s("減価償却費"),
                             s("地代家賃・租税公課"),
                             s("営業損益"),
                             s("支払利息割引料"),
                             s("税引前当期損益")};
    const QList<double> pb = rowBounds(profitYs, top, bottom);
    for (qsizetype i = 0; i < profitYs.size(); ++i) {
        const bool inner = (i >= 3 && i <= 9) || (i >= 11 && i <= 15);
        const double cx = inner ? 22.3 : 17.8;
        if (i > 0)
            d.hline(inner && ((i >= 4 && i <= 9) || (i >= 12 && i <= 15)) ? 22.0 : 17.5, split,
                    pb[i]);
        d.text(QRectF(cx, pb[i], 61.2 - cx, pb[i + 1] - pb[i]), profit[i], 6.5);
        digitBoxes(d, mainaccountgrid::profitColumn().digitXs, pb[i], pb[i + 1]);
    }
    d.vline(22.0, pb[3], pb[10]);
    d.verticalText(QRectF(17.5, pb[3] + 0.5, 4.5, pb[10] - pb[3] - 1), s("売上原価の内訳"), 5.5,
                   Face::Mincho);
    d.vline(22.0, pb[11], pb[16]);
    d.verticalText(QRectF(17.5, pb[11] + 0.5, 4.5, pb[16] - pb[11] - 1),
                   s("販売費・一般管理費の内訳"), 5.5, Face::Mincho);

    const QList<double> balanceYs = mainaccountgrid::balanceColumn().rowYs;
    const QStringList balance{s("資産の部合計"),
                              s("現金預金"),
                              s("受取手形"),
                              s("売掛金"),
                              s("棚卸資産（未成工事支出金）"),
                              s("貸付金"),
                              s("建物"),
                              s("機械装置"),
                              s("車両・船舶"),
                              s("土地"),
                              s("負債の部合計"),
                              s("支払手形"),
                              s("買掛金"),
                              s("個人借入金"),
                              s("その他借入金"),
                              s("純資産の部合計")};
    const double balanceBottom = mainaccountgrid::balanceBottom;
    const QList<double> bb = rowBounds(balanceYs, top, balanceBottom);
    for (qsizetype i = 0; i < balanceYs.size(); ++i) {
        const bool inner = (i >= 1 && i <= 9) || (i >= 11 && i <= 14);
        const double cx = inner ? split + 4.8 : split + 0.3;
        if (i > 0)
            d.hline(inner && i != 1 && i != 11 ? split + 4.5 : split, right, bb[i]);
        d.text(QRectF(cx, bb[i], 150.1 - cx, bb[i + 1] - bb[i]), balance[i], 6.5);
        digitBoxes(d, mainaccountgrid::balanceColumn().digitXs, bb[i], bb[i + 1]);
    }
    d.vline(split + 4.5, bb[1], bb[10]);
    d.verticalText(QRectF(split, bb[1] + 0.5, 4.5, bb[10] - bb[1] - 1), s("資産の部の内訳"), 5.5,
                   Face::Mincho);
    d.vline(split + 4.5, bb[11], bb[15]);
    d.verticalText(QRectF(split, bb[11] + 0.5, 4.5, bb[15] - bb[11] - 1), s("負債の内訳"), 5.5,
                   Face::Mincho);

    // 8 and 9, under the balance sheet.
    d.hline(split, right, balanceBottom, Pen::Medium);
    d.text(QRectF(split + 0.5, balanceBottom + 0.3, 89, 3.3),
           s("8 インターネットバンキング等の利用の有無"), 6.5, Face::Gothic);
    d.text(QRectF(split + 0.8, 256.9, 25.6, 5.4), s("(1)インターネットバンキング"), 6);
    option(d, 135, 258, s("有"), 144.3);
    option(d, 145, 258, s("無"), 152.5);
    d.text(QRectF(152.7, 256.9, 24.7, 5.4), s("(2)ファームバンキング"), 6);
    option(d, 178, 258, s("有"), 187.3);
    option(d, 188, 258, s("無"), right - 0.2);
    d.hline(split, right, 262.9);
    d.text(QRectF(split + 0.5, 262.9, 69, bottom - 262.9), s("9 役員又は役員報酬額の異動の有無"),
           6.5, Face::Gothic);
    option(d, 178, 264, s("有"), 187.3);
    option(d, 188, 264, s("無"), right - 0.2);
    d.hline(left, right, bottom, Pen::Medium);

    // 10 代表者に対する報酬等の金額.
    const double row = 275.95, end = 281.9;
    d.text(QRectF(left + 0.5, bottom, 46.5, row - bottom),
           s("10 代表者に対する報酬等の金額\n（単位　千円）"), 6.5, Face::Gothic);
    auto amount = [&](const char* caption, double captionLeft, double captionRight,
                      QList<double> xs, bool second) {
        const double y0 = second ? row : bottom, y1 = second ? end : row;
        d.text(QRectF(captionLeft, y0, captionRight - captionLeft, y1 - y0), s(caption), 6.5,
               Face::Mincho, Qt::AlignCenter);
        digitBoxes(d, xs, y0, y1);
    };
    amount("報酬", 59.6, 69.3, {101, 96, 91, 86, 81, 76, 71}, false);
    amount("支払利息", 59.6, 69.3, {101, 96, 91, 86, 81, 76, 71}, true);
    amount("賃借料", left + 0.5, 23.2, {55, 50, 45, 40, 35, 30, 25}, true);
    amount("貸付金", 105.0, 114.2, {146, 141, 136, 131, 126, 121, 116}, false);
    amount("借入金", 105.0, 114.2, {146, 141, 136, 131, 126, 121, 116}, true);
    amount("仮払金", 150.4, 160.2, {192, 187, 182, 177, 172, 167, 162}, false);
    amount("仮受金", 150.4, 160.2, {192, 187, 182, 177, 172, 167, 162}, true);
    d.box(QRectF(left, 26.6, right - left, end - 26.6), Pen::Thick);
}

} // namespace

Drawing frontPageDrawing(erayear::Era start, erayear::Era end) {
    Drawing d;
    d.size = QSizeF(210, 291);
    header(d, start, end);
    sectionsOneAndTwo(d);
    d.hline(left, right, 88.6, Pen::Medium);
    sectionThree(d);
    sectionFour(d);
    sectionsFiveAndSix(d);
    d.hline(left, right, 150.9, Pen::Medium);
    sectionsSevenToTen(d);
    return d;
}

} // namespace gaikyo::formpictures
