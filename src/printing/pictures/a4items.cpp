#include "a4items.h"

namespace gaikyo::a4items {
namespace {

using K = Kind;

Item text(const char* caption, int src, int field, double x, double y) {
    return {QString::fromUtf8(caption), src, field, K::Text, {x}, y};
}

// Several entries of one kind on one row, one per x.
void row(QList<Item>& items, const char* caption, int src, QList<int> fields, K kind,
         QList<double> xs, double y) {
    for (qsizetype i = 0; i < fields.size(); ++i)
        items.append({QString::fromUtf8(caption), src, fields[i], kind, {xs[i]}, y});
}

// Several entries of one kind in one column, one per y.
void column(QList<Item>& items, const char* caption, int src, int firstField, K kind,
            QList<double> xs, QList<double> ys) {
    for (qsizetype i = 0; i < ys.size(); ++i)
        items.append(
            {QString::fromUtf8(caption), src, firstField + static_cast<int>(i), kind, xs, ys[i]});
}

QList<Item> buildFront() {
    QList<Item> f;
    const int m = source::master;
    // Header.
    f.append(text("法人名", m, 3, 26, 34));
    f.append(text("納税地", m, 4, 26, 45));
    f.append(text("電話番号", m, 5, 115, 40));
    f.append(text("ホームページアドレス", m, 12, 115, 47));
    f.append(text("応答者氏名", m, 13, 171, 44));
    f.append({QStringLiteral("整理番号"),
              source::numberBox,
              0,
              K::DigitBoxes,
              {192, 187, 181, 176, 171, 167, 161, 156},
              22});
    for (int end = 0; end < 2; ++end) {
        const double y = end ? 34 : 28;
        const int line = end ? 9 : 6;
        f.append({QStringLiteral("事業年度 年"), m, line, K::DigitBoxes, {130, 125}, y});
        f.append({QStringLiteral("事業年度 月"), m, line + 1, K::DigitBoxes, {145, 140}, y});
        f.append({QStringLiteral("事業年度 日"), m, line + 2, K::DigitBoxes, {160, 155}, y});
    }
    // 1 事業内容.
    column(f, "1 事業内容", 21, 1, K::Text, {25}, {55, 62, 69, 76, 83});
    // 2 支店・海外取引状況.
    const QList<double> threeBoxes{95, 100, 105};
    f.append({QStringLiteral("総支店数"), 22, 21, K::DigitSplit, threeBoxes, 53});
    f.append(text("主な所在地", 22, 16, 69, 60));
    f.append({QStringLiteral("上記のうち海外支店数"), 22, 22, K::DigitSplit, threeBoxes, 65.5});
    f.append(text("海外支店の所在国", 22, 17, 69, 72));
    f.append({QStringLiteral("海外子会社の数"), 22, 23, K::DigitSplit, threeBoxes, 77.5});
    f.append(text("海外子会社の所在国", 22, 18, 69, 84));
    f.append({QStringLiteral("出資割合"), 22, 25, K::Number, {shareRatioX}, shareRatioY});
    row(f, "取引種類", 22, {19, 20, 1}, K::Text, {118, 139, 159}, 53);
    const QList<double> fiveBoxes{171, 176, 181, 186, 191};
    row(f, "輸入 相手国・商品", 22, {2, 3}, K::Text, {121, 145}, 59);
    f.append({QStringLiteral("輸入 取引金額"), 22, 24, K::DigitSplit, fiveBoxes, 59});
    row(f, "輸出 相手国・商品", 22, {4, 5}, K::Text, {121, 145}, 65);
    f.append({QStringLiteral("輸出 取引金額"), 22, 27, K::DigitSplit, fiveBoxes, 65});
    row(f, "貿易外取引", 22, {6, 7}, K::Text, {118, 139}, 71.5);
    row(f, "貿易外取引の種類", 22, {8, 9, 10, 11}, K::Text, {118, 139, 159, 180}, 77.5);
    row(f, "貿易外取引の種類", 22, {12, 13, 14, 15}, K::Text, {118, 139, 159, 179}, 83.5);
    // 3 期末従業員等の状況.
    column(f, "期末従業員の人数", 23, 10, K::DigitBoxes, {60, 55, 50, 45},
           {90, 96, 103, 109, 115, 121.5, 128, 134});
    column(f, "期末従業員の区分", 23, 1, K::Text, {26}, {96, 103, 109, 115});
    row(f, "賃金の定め方", 23, {5, 6, 7}, K::Text, {37, 47, 57}, 140);
    row(f, "社宅・寮の有無", 23, {8, 9}, K::Text, {37, 47}, 146);
    // 4 電子計算機の利用状況.
    row(f, "利用・電子取引", 24, {1, 2, 3, 4}, K::Text, {83, 93, 114, 124}, 90);
    row(f, "プログラム", 24, {5, 6, 7, 8}, K::Text, {93, 104, 114, 124}, 96);
    row(f, "適用業務", 24, {9, 10, 11, 12}, K::Text, {93, 104, 114, 124}, 103);
    row(f, "適用業務", 24, {13, 14, 15, 16}, K::Text, {93, 104, 114, 124}, 109);
    f.append(text("機種名", 24, 17, 93, 115));
    f.append({QStringLiteral("リース料月額"), 24, 29, K::Grouped, {117}, 115});
    f.append(text("市販会計ソフトの名称", 24, 18, 98, 121));
    f.append(text("委託先", 24, 19, 88, 128));
    f.append({QStringLiteral("委託料月額"), 24, 30, K::Grouped, {117}, 128});
    row(f, "ＬＡＮ", 24, {20, 21, 22}, K::Text, {88, 104, 119}, 134);
    row(f, "保存媒体", 24, {23, 24, 25}, K::Text, {88, 104, 119}, 140);
    row(f, "保存媒体", 24, {26, 27, 28}, K::Text, {88, 104, 119}, 146);
    // 5 経理の状況.
    f.append(text("管理者 現金 氏名", 25, 1, 155, 98));
    f.append(text("管理者 小切手 氏名", 25, 2, 155, 104));
    row(f, "現金 代表者との関係", 25, {3, 4}, K::Text, {179, 190}, 96);
    row(f, "小切手 代表者との関係", 25, {6, 5}, K::Text, {179, 190}, 103);
    row(f, "試算表の作成状況", 25, {7, 8, 9}, K::Text, {155, 170, 185}, 109);
    row(f, "源泉所得税関係対象所得", 25, {10, 11, 12}, K::Text, {155, 170, 185}, 115);
    row(f, "源泉所得税関係対象所得", 25, {15, 14, 13}, K::Text, {155, 170, 185}, 121);
    row(f, "消費税 売上・固定資産", 25, {16, 17, 18, 19}, K::Text, {155, 165, 180, 190}, 128);
    row(f, "消費税 仕入・経費", 25, {20, 21, 22, 23}, K::Text, {155, 165, 180, 190}, 134);
    f.append({QStringLiteral("当期課税売上高"),
              25,
              25,
              K::DigitBoxes,
              {192, 187, 182, 177, 172, 167, 161, 156},
              140});
    // 6 株主又は株式所有異動の有無.
    row(f, "株主又は株式所有異動", 26, {1, 2}, K::Text, {180, 190}, 146);
    // 7 主要科目.
    column(f, "主要科目 損益", 30, 1, K::DigitBoxes, {104, 98, 93, 88, 83, 78, 73, 68, 63},
           {152, 158, 165, 171, 177, 184, 190, 196, 202, 208, 214, 221, 227, 233, 239, 246, 252,
            258, 264});
    column(f, "主要科目 資産・負債", 30, 20, K::DigitBoxes,
           {192, 187, 182, 177, 172, 167, 161, 156, 152},
           {152, 158, 165, 171, 177, 184, 190, 196, 202, 208, 214, 221, 227, 233, 239, 245});
    // 10 代表者に対する報酬等の金額.
    const QList<double> middle{101, 96, 91, 86, 81, 76, 71};
    const QList<double> left{55, 50, 45, 40, 35, 30, 25};
    const QList<double> centre{146, 141, 136, 131, 126, 121, 116};
    const QList<double> right{192, 187, 182, 177, 172, 167, 162};
    f.append({QStringLiteral("報酬"), 30, 36, K::DigitBoxes, middle, 271});
    f.append({QStringLiteral("支払利息"), 30, 37, K::DigitBoxes, middle, 277});
    f.append({QStringLiteral("賃借料"), 30, 38, K::DigitBoxes, left, 277});
    f.append({QStringLiteral("貸付金"), 30, 39, K::DigitBoxes, centre, 271});
    f.append({QStringLiteral("借入金"), 30, 40, K::DigitBoxes, centre, 277});
    f.append({QStringLiteral("仮払金"), 30, 41, K::DigitBoxes, right, 271});
    f.append({QStringLiteral("仮受金"), 30, 42, K::DigitBoxes, right, 277});
    // 8 インターネットバンキング等, 9 役員又は役員報酬額の異動.
    row(f, "インターネットバンキング", 30, {43, 44}, K::Number, {135, 145}, 258);
    row(f, "ファームバンキング", 30, {45, 46}, K::Number, {178, 188}, 258);
    row(f, "役員又は役員報酬額の異動", 30, {47, 48}, K::Number, {178, 188}, 264);
    return f;
}

// Rows of the monthly table (17) on the A4 back page and the right edges of its columns.
const QList<double> monthRowsY{173, 179, 186, 192, 198, 204, 210,
                               216, 222, 228, 235, 241, 247, 253};
const QList<double> monthColumnsX{42, 62, 83, 103, 124, 144, 163, 177, 188};

QList<Item> buildBack() {
    QList<Item> b;
    // 11 事業形態.
    for (int r = 0; r < 3; ++r) {
        b.append(text("兼業種目", 40, 1 + 2 * r, 28, 17 + 7 * r));
        b.append(text("兼業割合", 40, 2 + 2 * r, 93, 17 + 7 * r));
    }
    column(b, "事業内容の特異性", 40, 7, K::Text, {28}, {42, 47.5, 52.5, 57.5, 62.5, 67.5, 72.5});
    b.append(text("売上区分 現金売上", 40, 26, 67, 83));
    b.append(text("売上区分 掛売上", 40, 27, 97, 83));
    // 12 主な設備等の状況: ten of the twelve lines are printed.
    column(b, "主な設備等の状況", 40, 14, K::Text, {117}, {15, 22, 29, 36, 43, 50, 57, 64, 71, 78});
    // 13 決済日等の状況.
    column(b, "締切日", 50, 1, K::Text, {56}, {89, 96, 102, 107});
    column(b, "決済日", 50, 5, K::Text, {94}, {89, 96, 102, 107});
    // 14 帳簿類の備付状況.
    const QList<double> books{119, 125, 131, 137, 144, 150, 156};
    column(b, "帳簿書類の名称", 50, 9, K::Text, {20}, books);
    column(b, "帳簿書類の名称", 50, 16, K::Text, {66}, books);
    // 15 税理士の関与状況.
    column(b, "税理士", 50, 23, K::Text, {132}, {89, 95, 101});
    row(b, "関与状況", 50, {36, 38, 40}, K::Text, {133, 152, 172}, 107);
    row(b, "関与状況", 50, {37, 39, 41}, K::Text, {133, 152, 172}, 113.5);
    row(b, "関与状況", 50, {42, 43}, K::Text, {133, 162}, 119.5);
    // 16 加入組合等の状況.
    b.append(text("加入組合等", 50, 26, 116, 126));
    b.append(text("役職名", 50, 27, 130, 132));
    b.append(text("加入組合等", 50, 28, 116, 138));
    b.append(text("役職名", 50, 29, 130, 144));
    row(b, "営業時間", 50, {30, 31, 32, 33}, K::Text, {141, 152, 172, 183}, 150);
    row(b, "定休日", 50, {34, 35}, K::Text, {152, 174}, 156);
    // 17 月別の売上高等の状況.
    for (int r = 0; r < 12; ++r)
        b.append({QStringLiteral("月"), source::monthOrder, r + 1, K::Number, {21}, monthRowsY[r]});
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 14; ++r)
            b.append({QStringLiteral("月別の売上高等"),
                      60,
                      10 + c * 14 + r,
                      K::Amount,
                      {monthColumnsX[c]},
                      monthRowsY[r]});
    row(b, "月別表の見出し", 60, {1, 2, 3, 4}, K::Text, {31, 51, 70, 90}, 167);
    b.append(text("月別表の見出し", 60, 6, 168, 166));
    // 18 当期の営業成績の概要.
    column(b, "当期の営業成績の概要", 60, 7, K::Text, {33}, {261, 267, 273});
    return b;
}

} // namespace

const QList<Item>& front() {
    static const QList<Item> items = buildFront();
    return items;
}

const QList<Item>& back() {
    static const QList<Item> items = buildBack();
    return items;
}

} // namespace gaikyo::a4items
