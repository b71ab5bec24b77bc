#include "recordlayouts.h"

#include "datafile/itemfields.h"
#include "datafile/numbers.h"
#include "screen/boxnames.h"
#include "sectionframes.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace gaikyo::layouts {

namespace {

// Items 17 and 18 share section file 60; the month order file belongs to 17.
const char* const monthlyTableItem = "17 月別の売上高等の状況";

using Entry = std::pair<const char*, const char*>; // box, caption

// Fields of one item of the form.
void append(QList<RecordField>& list, const char* item, std::initializer_list<Entry> entries) {
    for (const Entry& e : entries)
        list.append(
            {QString::fromUtf8(e.first), QString::fromUtf8(e.second), QString::fromUtf8(item)});
}

// Sections 1 to 6 of the front page: their fields as the section frames describe them.
RecordLayout frameLayout(const sectionframes::SectionFrame& frame) {
    RecordLayout l;
    l.section = frame.section;
    const QString heading = sectionframes::printedHeading(frame);
    for (const sectionframes::FrameItem& item : frame.items) {
        if (!item.isField())
            continue;
        QList<RecordField>& part =
            item.kind == sectionframes::ItemKind::Integer ? l.integers : l.texts;
        if (item.place < 1)
            throw std::logic_error("a field without a place in section " +
                                   std::to_string(frame.section));
        if (part.size() < item.place)
            part.resize(item.place);
        RecordField& field = part[item.place - 1];
        if (!field.box.isEmpty())
            throw std::logic_error("two fields in one place of section " +
                                   std::to_string(frame.section));
        field = {QString::fromLatin1(item.name), QString::fromUtf8(item.message), heading};
    }
    return l;
}

// The item of the form an account of section file 30 belongs to, as the form heads it.
const char* itemOf(MainAccount account) {
    if (account <= MainAccount::NetAssets)
        return "7 主要科目";
    if (account <= MainAccount::ReceivedFromRepresentative)
        return "10 代表者に対する報酬等の金額";
    return account <= MainAccount::FirmBankingNo ? "8 インターネットバンキング等の利用の有無"
                                                 : "9 役員又は役員報酬額の異動の有無";
}

// 7 主要科目, 8, 9, 10: forty-eight integers, each from the box of its number (the code
// box Text43 feeds none).
RecordLayout mainAccounts() {
    using A = MainAccount;
    static const std::pair<MainAccount, const char*> accounts[] = {
        {A::Sales, "売上（収入）高"},
        {A::SideSales, "上記のうち兼業売上（収入）高"},
        {A::CostOfSales, "売上（収入）原価"},
        {A::OpeningStock, "期首棚卸高"},
        {A::Purchases, "原材料費（仕入高）"},
        {A::Labour, "労務費"},
        {A::Subcontracting, "外注費"},
        {A::ClosingStock, "期末棚卸高"},
        {A::CostDepreciation, "減価償却費（売上原価）"},
        {A::CostRentAndTaxes, "地代家賃・租税公課（売上原価）"},
        {A::GrossProfit, "売上（収入）総利益"},
        {A::OfficersPay, "役員報酬"},
        {A::StaffPay, "従業員給料"},
        {A::Entertainment, "交際費"},
        {A::SellingDepreciation, "減価償却費（販管費）"},
        {A::SellingRentAndTaxes, "地代家賃・租税公課（販管費）"},
        {A::OperatingProfit, "営業損益"},
        {A::InterestPaid, "支払利息割引料"},
        {A::PretaxProfit, "税引前当期損益"},
        {A::Assets, "資産の部合計"},
        {A::CashAndDeposits, "現金預金"},
        {A::NotesReceivable, "受取手形"},
        {A::AccountsReceivable, "売掛金"},
        {A::Inventories, "棚卸資産（未成工事支出金）"},
        {A::LoansReceivable, "貸付金"},
        {A::Buildings, "建物"},
        {A::Machinery, "機械装置"},
        {A::Vehicles, "車両・船舶"},
        {A::Land, "土地"},
        {A::Liabilities, "負債の部合計"},
        {A::NotesPayable, "支払手形"},
        {A::AccountsPayable, "買掛金"},
        {A::PersonalBorrowings, "個人借入金"},
        {A::OtherBorrowings, "その他借入金"},
        {A::NetAssets, "純資産の部合計"},
        {A::RepresentativePay, "代表者への報酬"},
        {A::RepresentativeInterest, "代表者への支払利息"},
        {A::RepresentativeRent, "代表者への賃借料"},
        {A::LentToRepresentative, "代表者への貸付金"},
        {A::BorrowedFromRepresentative, "代表者からの借入金"},
        {A::AdvancedToRepresentative, "代表者への仮払金"},
        {A::ReceivedFromRepresentative, "代表者からの仮受金"},
        {A::InternetBankingYes, "インターネットバンキング 有"},
        {A::InternetBankingNo, "インターネットバンキング 無"},
        {A::FirmBankingYes, "ファームバンキング 有"},
        {A::FirmBankingNo, "ファームバンキング 無"},
        {A::OfficerChangeYes, "役員又は役員報酬額の異動 有"},
        {A::OfficerChangeNo, "役員又は役員報酬額の異動 無"},
    };
    RecordLayout l;
    l.section = 30;
    for (const auto& [account, caption] : accounts)
        l.integers.append({textBox(int(account)), QString::fromUtf8(caption),
                           QString::fromUtf8(itemOf(account))});
    return l;
}

// 11 事業形態, 12 主な設備等の状況: twenty-seven texts from Text1 … Text27.
RecordLayout businessForm() {
    RecordLayout l;
    l.section = 40;
    const QString business = QStringLiteral("11 事業形態");
    for (int row = 1; row <= 3; ++row) {
        l.texts.append(
            {textBox(2 * row - 1), QStringLiteral("兼業種目 %1行目").arg(row), business});
        l.texts.append({textBox(2 * row), QStringLiteral("兼業割合 %1行目").arg(row), business});
    }
    for (int line = 1; line <= 7; ++line)
        l.texts.append(
            {textBox(6 + line), QStringLiteral("事業内容の特異性 %1行目").arg(line), business});
    for (int line = 1; line <= facilities::lines; ++line)
        l.texts.append({textBox(facilities::field(line)),
                        QStringLiteral("主な設備等の状況 %1行目").arg(line),
                        QStringLiteral("12 主な設備等の状況")});
    l.texts.append({textBox(26), QStringLiteral("現金売上"), business});
    l.texts.append({textBox(27), QStringLiteral("掛売上"), business});
    return l;
}

// 13 決済日等, 14 帳簿類, 15 税理士, 16 加入組合等: forty-three texts from Text1 … Text43.
RecordLayout settlementAndBooks() {
    RecordLayout l;
    l.section = 50;
    const char* const settlementItem = "13 決済日等の状況";
    const char* const booksItem = "14 帳簿類の備付状況";
    const char* const taxAccountantItem = "15 税理士の関与状況";
    const auto add = [&l](const char* item, const QString& caption) {
        l.texts.append({{}, caption, QString::fromUtf8(item)});
    };
    const auto addAll = [&add](const char* item, std::initializer_list<const char*> captions) {
        for (const char* caption : captions)
            add(item, QString::fromUtf8(caption));
    };
    const char* const items[] = {"売上", "仕入", "外注費", "給料"};
    for (const char* item : items)
        add(settlementItem, QString::fromUtf8(item) + QStringLiteral(" 締切日"));
    for (const char* item : items)
        add(settlementItem, QString::fromUtf8(item) + QStringLiteral(" 決済日"));
    for (int row = 1; row <= 7; ++row)
        add(booksItem, QStringLiteral("帳簿書類の名称 左 %1行目").arg(row));
    for (int row = 1; row <= 7; ++row)
        add(booksItem, QStringLiteral("帳簿書類の名称 右 %1行目").arg(row));
    addAll(taxAccountantItem, {"税理士の氏名", "税理士の事務所所在地", "税理士の電話番号"});
    addAll("16 加入組合等の状況",
           {"加入組合等の名称 1", "加入組合等の役職名 1", "加入組合等の名称 2",
            "加入組合等の役職名 2", "開店時刻 時", "開店時刻 分", "閉店時刻 時", "閉店時刻 分",
            "定休日 曜日", "定休日 毎月の日"});
    addAll(taxAccountantItem,
           {"関与状況 申告書の作成", "関与状況 決算書の作成", "関与状況 調査立会",
            "関与状況 伝票の整理", "関与状況 税務相談", "関与状況 補助簿の記帳",
            "関与状況 総勘定元帳の記帳", "関与状況 源泉徴収関係事務"});
    for (qsizetype i = 0; i < l.texts.size(); ++i)
        l.texts[i].box = textBox(int(i) + 1);
    return l;
}

// 17 月別の売上高等の状況, 18 当期の営業成績の概要: nine texts, then the monthly table's
// 14 rows × 9 columns column by column, each cell from the box of its number.
RecordLayout monthlyTable() {
    RecordLayout l;
    l.section = 60;
    append(l.texts, monthlyTableItem,
           {{"Text130", "売上金額の見出し 1"},
            {"Text131", "売上金額の見出し 2"},
            {"Text132", "仕入金額の見出し 1"},
            {"Text133", "仕入金額の見出し 2"},
            {"Text134", "控えの値"},
            {"Text135", "第8列の見出し"}});
    append(l.texts, "18 当期の営業成績の概要",
           {{"Text127", "営業成績の概要 1行目"},
            {"Text128", "営業成績の概要 2行目"},
            {"Text129", "営業成績の概要 3行目"}});
    static const char* const columns[] = {"売上金額 1",   "売上金額 2", "仕入金額 1",
                                          "仕入金額 2",   "外注費",     "人件費",
                                          "源泉徴収税額", "第8列",      "従事員数"};
    for (int c = 1; c <= monthlytable::columns; ++c) {
        for (int r = 1; r <= monthlytable::rows; ++r) {
            const QString row = r == monthlytable::totalRow      ? QStringLiteral("計")
                                : r == monthlytable::previousRow ? QStringLiteral("前期の実績")
                                                                 : QStringLiteral("%1行目").arg(r);
            l.integers.append({textBox(monthlytable::cell(r, c)),
                               QString::fromUtf8(columns[c - 1]) + QLatin1Char(' ') + row,
                               QString::fromUtf8(monthlyTableItem)});
        }
    }
    return l;
}

// The calendar month shown on each of the monthly table's twelve rows.
RecordLayout monthOrderLayout() {
    RecordLayout l;
    for (int row = 1; row <= monthlytable::monthRows; ++row)
        l.integers.append(
            {{}, QStringLiteral("%1行目の月").arg(row), QString::fromUtf8(monthlyTableItem)});
    return l;
}

const std::map<int, RecordLayout>& all() {
    static const std::map<int, RecordLayout> table = [] {
        std::map<int, RecordLayout> t;
        for (const sectionframes::SectionFrame& frame : sectionframes::described())
            t.emplace(frame.section, frameLayout(frame));
        for (RecordLayout l :
             {mainAccounts(), businessForm(), settlementAndBooks(), monthlyTable()})
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

const QList<int>& sectionNumbersInFrameOrder() {
    static const QList<int> numbers = [] {
        QList<const sectionframes::SectionFrame*> frames;
        for (const sectionframes::SectionFrame& frame : sectionframes::described())
            frames.append(&frame);
        // Form2 has six frames, Frame1 … Frame6: their names sort as their numbers.
        std::ranges::stable_sort(
            frames, std::ranges::less(),
            [](const sectionframes::SectionFrame* f) { return std::string_view(f->frame); });
        QList<int> ordered;
        for (const sectionframes::SectionFrame* frame : frames)
            ordered.append(frame->section);
        for (const int number : sectionNumbers())
            if (!ordered.contains(number))
                ordered.append(number);
        return ordered;
    }();
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
