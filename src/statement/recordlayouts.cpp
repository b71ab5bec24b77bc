#include "recordlayouts.h"

#include "datafile/numbers.h"

#include <initializer_list>
#include <map>
#include <stdexcept>
#include <utility>

namespace gaikyo::layouts {

namespace {

using Entry = std::pair<const char*, const char*>; // box, caption

QList<RecordField> fields(std::initializer_list<Entry> entries) {
    QList<RecordField> list;
    for (const Entry& e : entries)
        list.append({QString::fromUtf8(e.first), QString::fromUtf8(e.second)});
    return list;
}

QString box(int number) {
    return QStringLiteral("Text%1").arg(number);
}

// 1 事業内容: five lines of description.
RecordLayout businessDescription() {
    RecordLayout l;
    l.section = 21;
    for (int line = 1; line <= 5; ++line)
        l.texts.append({box(line), QStringLiteral("事業内容 %1行目").arg(line)});
    return l;
}

// 2 支店・海外取引状況.
RecordLayout branchesAndTrade() {
    return {22, fields({{"Text42", "取引種類 無"},      {"Text53", "輸入の相手国"},
                        {"Text55", "輸入の商品"},       {"Text40", "輸出の相手国"},
                        {"Text39", "輸出の商品"},       {"Text52", "貿易外取引 有"},
                        {"Text64", "貿易外取引 無"},    {"Text71", "手数料"},
                        {"Text72", "ロイヤリティ"},     {"Text73", "役務の提供"},
                        {"Text74", "証券の売買"},       {"Text75", "金銭の貸借"},
                        {"Text76", "不動産の売買"},     {"Text155", "貿易外取引 その他"},
                        {"Text69", "その他の内容"},     {"Text19", "主な所在地"},
                        {"Text21", "海外支店の所在国"}, {"Text26", "海外子会社の所在国"},
                        {"Text46", "取引種類 輸入"},    {"Text43", "取引種類 輸出"}}),
            fields({{"Text18", "総支店数"},
                    {"Text20", "上記のうち海外支店数"},
                    {"Text24", "海外子会社の数"},
                    {"Text58", "輸入の取引金額"},
                    {"Text28", "出資割合"},
                    {"Text22", "海外支店の従業員数"},
                    {"Text38", "輸出の取引金額"}})};
}

// 3 期末従業員等の状況.
RecordLayout employees() {
    return {23,
            fields({{"Text77", "従業員の区分 2行目"},
                    {"Text80", "従業員の区分 3行目"},
                    {"Text79", "従業員の区分 4行目"},
                    {"Text82", "従業員の区分 5行目"},
                    {"Text98", "賃金の定め方 A固定給"},
                    {"Text97", "賃金の定め方 B歩合給"},
                    {"Text99", "賃金の定め方 AB併用"},
                    {"Text104", "社宅・寮 有"},
                    {"Text105", "社宅・寮 無"}}),
            fields({{"Text87", "常勤役員の人数"},
                    {"Text86", "2行目の人数"},
                    {"Text89", "3行目の人数"},
                    {"Text88", "4行目の人数"},
                    {"Text91", "5行目の人数"},
                    {"Text90", "計"},
                    {"Text92", "計のうち代表者家族数"},
                    {"Text94", "計のうちアルバイト数"}})};
}

// 4 電子計算機の利用状況.
RecordLayout computers() {
    return {24,
            fields({{"Text207", "利用 有"},
                    {"Text203", "利用 無"},
                    {"Text209", "電子取引 有"},
                    {"Text219", "電子取引 無"},
                    {"Text204", "プログラム 自社作成"},
                    {"Text191", "プログラム 一部自社"},
                    {"Text189", "プログラム 他社作成"},
                    {"Text190", "プログラム 市販ソフト"},
                    {"Text194", "適用業務 給与管理"},
                    {"Text196", "適用業務 販売管理"},
                    {"Text226", "適用業務 在庫管理"},
                    {"Text229", "適用業務 生産管理"},
                    {"Text210", "適用業務 固定資産"},
                    {"Text212", "適用業務 財務管理"},
                    {"Text215", "適用業務 その他"},
                    {"Text200", "適用業務 その他の内容"},
                    {"Text199", "機種名"},
                    {"Text224", "市販会計ソフトの名称"},
                    {"Text227", "委託先"},
                    {"Text231", "無線LAN"},
                    {"Text228", "有線LAN"},
                    {"Text149", "LAN 無"},
                    {"Text180", "保存媒体 ＦＤ"},
                    {"Text143", "保存媒体 ＭＯ"},
                    {"Text120", "保存媒体 ＭＴ"},
                    {"Text179", "保存媒体 ＣＤ－Ｒ"},
                    {"Text121", "保存媒体 その他"},
                    {"Text7", "保存媒体 その他の内容"}}),
            fields({{"Text201", "リース料月額"}, {"Text230", "委託料月額"}})};
}

// 5 経理の状況.
RecordLayout accounting() {
    return {25, fields({{"Text140", "現金の管理者"},        {"Text138", "小切手の管理者"},
                        {"Text152", "現金 親族"},           {"Text136", "現金 他人"},
                        {"Text150", "小切手 他人"},         {"Text135", "小切手 親族"},
                        {"Text146", "試算表 毎月"},         {"Text144", "試算表 おおむね月ごと"},
                        {"Text111", "試算表 決算時のみ"},   {"Text129", "対象所得 給与"},
                        {"Text127", "対象所得 報酬・料金"}, {"Text130", "対象所得 利子等"},
                        {"Text118", "対象所得 退職"},       {"Text108", "対象所得 非居住者"},
                        {"Text124", "対象所得 配当"},       {"Text132", "売上 税抜"},
                        {"Text134", "売上 税込"},           {"Text171", "固定資産 税抜"},
                        {"Text233", "固定資産 税込"},       {"Text161", "仕入 税抜"},
                        {"Text170", "仕入 税込"},           {"Text172", "経費 税抜"},
                        {"Text232", "経費 税込"},           {"Text151", "試算表の月数"}}),
            fields({{"Text107", "当期課税売上高"}})};
}

// 6 株主又は株式所有異動の有無.
RecordLayout shareholders() {
    return {26, fields({{"Text112", "株主異動 有"}, {"Text109", "株主異動 無"}}), {}};
}

// 7 主要科目, 8, 9, 10: forty-eight integers from Text1 … Text42 and Text44 … Text49
// (Text43 is the screen's code box).
RecordLayout mainAccounts() {
    static const char* const captions[] = {
        "売上（収入）高",
        "上記のうち兼業売上（収入）高",
        "売上（収入）原価",
        "期首棚卸高",
        "原材料費（仕入高）",
        "労務費",
        "外注費",
        "期末棚卸高",
        "減価償却費（売上原価）",
        "地代家賃・租税公課（売上原価）",
        "売上（収入）総利益",
        "役員報酬",
        "従業員給料",
        "交際費",
        "減価償却費（販管費）",
        "地代家賃・租税公課（販管費）",
        "営業損益",
        "支払利息割引料",
        "税引前当期損益",
        "資産の部合計",
        "現金預金",
        "受取手形",
        "売掛金",
        "棚卸資産（未成工事支出金）",
        "貸付金",
        "建物",
        "機械装置",
        "車両・船舶",
        "土地",
        "負債の部合計",
        "支払手形",
        "買掛金",
        "個人借入金",
        "その他借入金",
        "純資産の部合計",
        "代表者への報酬",
        "代表者への支払利息",
        "代表者への賃借料",
        "代表者への貸付金",
        "代表者からの借入金",
        "代表者への仮払金",
        "代表者からの仮受金",
        "インターネットバンキング 有",
        "インターネットバンキング 無",
        "ファームバンキング 有",
        "ファームバンキング 無",
        "役員又は役員報酬額の異動 有",
        "役員又は役員報酬額の異動 無",
    };
    RecordLayout l;
    l.section = 30;
    int number = 1;
    for (const char* caption : captions) {
        if (number == 43)
            ++number; // the code box
        l.integers.append({box(number++), QString::fromUtf8(caption)});
    }
    return l;
}

// 11 事業形態, 12 主な設備等の状況: twenty-seven texts from Text1 … Text27.
RecordLayout businessForm() {
    RecordLayout l;
    l.section = 40;
    for (int row = 1; row <= 3; ++row) {
        l.texts.append({box(2 * row - 1), QStringLiteral("兼業種目 %1行目").arg(row)});
        l.texts.append({box(2 * row), QStringLiteral("兼業割合 %1行目").arg(row)});
    }
    for (int line = 1; line <= 7; ++line)
        l.texts.append({box(6 + line), QStringLiteral("事業内容の特異性 %1行目").arg(line)});
    for (int line = 1; line <= 12; ++line)
        l.texts.append({box(13 + line), QStringLiteral("主な設備等の状況 %1行目").arg(line)});
    l.texts.append({box(26), QStringLiteral("現金売上")});
    l.texts.append({box(27), QStringLiteral("掛売上")});
    return l;
}

// 13 決済日等, 14 帳簿類, 15 税理士, 16 加入組合等: forty-three texts from Text1 … Text43.
RecordLayout settlementAndBooks() {
    RecordLayout l;
    l.section = 50;
    const char* const items[] = {"売上", "仕入", "外注費", "給料"};
    for (const char* item : items)
        l.texts.append({{}, QString::fromUtf8(item) + QStringLiteral(" 締切日")});
    for (const char* item : items)
        l.texts.append({{}, QString::fromUtf8(item) + QStringLiteral(" 決済日")});
    for (int row = 1; row <= 7; ++row)
        l.texts.append({{}, QStringLiteral("帳簿書類の名称 左 %1行目").arg(row)});
    for (int row = 1; row <= 7; ++row)
        l.texts.append({{}, QStringLiteral("帳簿書類の名称 右 %1行目").arg(row)});
    for (const char* caption : {"税理士の氏名",
                                "税理士の事務所所在地",
                                "税理士の電話番号",
                                "加入組合等の名称 1",
                                "加入組合等の役職名 1",
                                "加入組合等の名称 2",
                                "加入組合等の役職名 2",
                                "開店時刻 時",
                                "開店時刻 分",
                                "閉店時刻 時",
                                "閉店時刻 分",
                                "定休日 曜日",
                                "定休日 毎月の日",
                                "関与状況 申告書の作成",
                                "関与状況 決算書の作成",
                                "関与状況 調査立会",
                                "関与状況 伝票の整理",
                                "関与状況 税務相談",
                                "関与状況 補助簿の記帳",
                                "関与状況 総勘定元帳の記帳",
                                "関与状況 源泉徴収関係事務"})
        l.texts.append({{}, QString::fromUtf8(caption)});
    for (qsizetype i = 0; i < l.texts.size(); ++i)
        l.texts[i].box = box(int(i) + 1);
    return l;
}

// 17 月別の売上高等の状況, 18 当期の営業成績の概要: nine texts, then the monthly table's
// 14 rows × 9 columns column by column, cell (r, c) from Text((c − 1) × 14 + r).
RecordLayout monthlyTable() {
    RecordLayout l;
    l.section = 60;
    l.texts = fields({{"Text130", "売上金額の見出し 1"},
                      {"Text131", "売上金額の見出し 2"},
                      {"Text132", "仕入金額の見出し 1"},
                      {"Text133", "仕入金額の見出し 2"},
                      {"Text134", "控えの値"},
                      {"Text135", "第8列の見出し"},
                      {"Text127", "営業成績の概要 1行目"},
                      {"Text128", "営業成績の概要 2行目"},
                      {"Text129", "営業成績の概要 3行目"}});
    static const char* const columns[] = {"売上金額 1",   "売上金額 2", "仕入金額 1",
                                          "仕入金額 2",   "外注費",     "人件費",
                                          "源泉徴収税額", "第8列",      "従事員数"};
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 14; ++r) {
            const QString row = r == 13   ? QStringLiteral("計")
                                : r == 14 ? QStringLiteral("前期の実績")
                                          : QStringLiteral("%1行目").arg(r);
            l.integers.append({box((c - 1) * 14 + r),
                               QString::fromUtf8(columns[c - 1]) + QLatin1Char(' ') + row});
        }
    }
    return l;
}

// The calendar month shown on each of the monthly table's twelve rows.
RecordLayout monthOrderLayout() {
    RecordLayout l;
    for (int row = 1; row <= 12; ++row)
        l.integers.append({{}, QStringLiteral("%1行目の月").arg(row)});
    return l;
}

const std::map<int, RecordLayout>& all() {
    static const std::map<int, RecordLayout> table = [] {
        std::map<int, RecordLayout> t;
        for (RecordLayout l :
             {businessDescription(), branchesAndTrade(), employees(), computers(), accounting(),
              shareholders(), mainAccounts(), businessForm(), settlementAndBooks(), monthlyTable()})
            t.emplace(l.section, std::move(l));
        return t;
    }();
    return table;
}

} // namespace

const QList<int>& sectionNumbers() {
    static const QList<int> numbers{21, 22, 23, 24, 25, 26, 30, 40, 50, 60};
    return numbers;
}

const RecordLayout& section(int number) {
    const auto found = all().find(number);
    if (found == all().end())
        throw std::out_of_range("no section record file " + std::to_string(number));
    return found->second;
}

const RecordLayout& monthOrder() {
    static const RecordLayout layout = monthOrderLayout();
    return layout;
}

QString captionOf(const RecordLayout& layout, const QString& box) {
    for (const QList<RecordField>* fields : {&layout.texts, &layout.integers})
        for (const RecordField& field : *fields)
            if (field.box == box)
                return field.caption;
    return box;
}

QString savedForm(const RecordLayout& layout, const QString& box, const QString& text) {
    for (const RecordField& field : layout.integers)
        if (field.box == box)
            return plainDecimal(readInteger(text));
    return text;
}

} // namespace gaikyo::layouts
