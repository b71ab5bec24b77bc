#include "accountmapping.h"

#include "bookcsv.h"
#include "bookfigures.h"
#include "datafile/filechannel.h"
#include "registry/companypaths.h"
#include "standardaccounts.h"

#include <QRegularExpression>

namespace gaikyo {

namespace {

using Section = AccountSection;
using enum MainAccount;

// One box and the accounts that fill it. Names are separated by "|"; a leading "-" takes
// the account off. Totals are the file's own rows for the whole box.
struct Definition {
    int id;
    const char* caption;
    bool creditSide;
    bool inYen;
    bool size;
    Section section; // of the parts
    const char* parts;
    const char* totals;
};

// A group of the books whose rows, all of them but the excluded, make a box.
struct GroupDefinition {
    int id;
    const char* group;
    const char* excluded;
};

constexpr const char* sales = "売上高|売上|商品売上高|製品売上高|売上高(商品)|売上高(製品)|"
                              "役務収益|完成工事高|加工賃収入|-売上値引|-売上値引高|-売上戻り高|"
                              "-売上割戻|-売上割戻高|-売上値引及び戻り高";
constexpr const char* salesTotals = "売上高合計|純売上高|売上合計|売上高計";
constexpr const char* purchases = "仕入高|仕入|商品仕入高|当期商品仕入高|材料仕入高|当期材料仕入高|"
                                  "原材料仕入高|原材料費|材料費|-仕入値引|-仕入値引高|-仕入戻し高|"
                                  "-仕入割戻|-仕入割戻高|-仕入値引及び戻し高";
constexpr const char* outsourcing = "外注費|外注加工費|外注工賃";

// Pay to officers: 役員報酬, and 役員給与 and 役員賞与 as the books may call it.
constexpr const char* officersPay = "役員報酬|役員給与|役員賞与";
// Pay to employees: 給料・手当, 賃金, 雑給 (part-time staff) and 賞与.
constexpr const char* employeesPay =
    "給料手当|給与手当|給料|給与|給料賃金|賃金|雑給|賞与|賞与手当|従業員賞与|従業員給与|"
    "従業員給料|俸給";

// 主要科目: the profit-and-loss boxes Text1 … Text19 and the balance-sheet boxes
// Text20 … Text35.
const Definition trialBalanceDefinitions[] = {
    {fieldId(Sales), "売上（収入）高", true, false, false, Section::Any, sales, salesTotals},
    {fieldId(CostOfSales), "売上（収入）原価", false, false, false, Section::Any, "",
     "売上原価|売上原価合計|売上原価計|完成工事原価|完成工事原価合計|完成工事原価計"},
    {fieldId(OpeningStock), "期首棚卸高", false, false, false, Section::Any,
     "期首商品棚卸高|期首製品棚卸高|期首棚卸高|期首商品棚卸", ""},
    // 原材料費（仕入高）: the materials a manufacturer used (the rows of 材料費, below)
    // or the goods a merchant bought.
    {fieldId(Purchases), "原材料費（仕入高）", false, false, false, Section::Any, purchases, ""},
    // 労務費: the labour costs of the cost of sales (製造原価報告書 の 労務費). The form
    // asks for wages, salaries, bonuses and the employer's social insurance of the works;
    // 福利厚生費 (welfare) is no labour cost and stays out.
    {fieldId(Labour), "労務費", false, false, false, Section::CostOfSales,
     "労務費|賃金|給料|給料手当|給与手当|給与|雑給|賞与|賞与手当|従業員賞与|法定福利費|退職金|"
     "退職給付費用",
     ""},
    // 外注費 here is the outsourcing of the cost of sales, as the other boxes beside it;
    // one among 販売費及び一般管理費 has no box of item 7.
    {fieldId(Subcontracting), "外注費", false, false, false, Section::CostOfSales, outsourcing, ""},
    {fieldId(ClosingStock), "期末棚卸高", true, false, true, Section::Any,
     "期末商品棚卸高|期末製品棚卸高|期末棚卸高|期末商品棚卸", ""},
    // Costs that the form asks for twice: once as part of the cost of sales (where the
    // books keep them under 売上原価 or 製造原価), once among 販売費及び一般管理費.
    {fieldId(CostDepreciation), "減価償却費（売上原価）", false, false, false, Section::CostOfSales,
     "減価償却費", ""},
    {fieldId(CostRentAndTaxes), "地代家賃・租税公課（売上原価）", false, false, false,
     Section::CostOfSales, "地代家賃|租税公課", ""},
    {fieldId(GrossProfit), "売上（収入）総利益", true, false, false, Section::Any, "",
     "売上総利益|売上総利益金額|売上総損益|売上総損益金額|-売上総損失|完成工事総利益|"
     "-完成工事総損失"},
    {fieldId(OfficersPay), "役員報酬", false, false, false, Section::Any, officersPay, ""},
    // 従業員給料: what employees are paid among 販売費及び一般管理費, 雑給 (part-time
    // staff) and 賞与 (bonuses) included.
    {fieldId(StaffPay), "従業員給料", false, false, false, Section::Other, employeesPay, ""},
    {fieldId(Entertainment), "交際費", false, false, false, Section::Any, "交際費|接待交際費", ""},
    {fieldId(SellingDepreciation), "減価償却費（販管費）", false, false, false, Section::Other,
     "減価償却費", ""},
    {fieldId(SellingRentAndTaxes), "地代家賃・租税公課（販管費）", false, false, false,
     Section::Other, "地代家賃|租税公課", ""},
    {fieldId(OperatingProfit), "営業損益", true, false, false, Section::Any, "",
     "営業利益|営業損益|営業利益金額|営業損益金額|-営業損失"},
    // 支払利息割引料: interest paid and the discount on bills (today 手形売却損).
    {fieldId(InterestPaid), "支払利息割引料", false, false, false, Section::Any,
     "支払利息|支払利息割引料|支払利息及び割引料|手形売却損", ""},
    {fieldId(PretaxProfit), "税引前当期損益", true, false, false, Section::Any, "",
     "税引前当期純利益|税引前当期純損益|税引前当期純損益金額|税引前当期利益|税引前当期損益|"
     "-税引前当期純損失"},
    {fieldId(Assets), "資産の部合計", false, false, false, Section::Any, "",
     "資産の部合計|資産合計|資産の部|資産"},
    {fieldId(CashAndDeposits), "現金預金", false, false, false, Section::Any,
     "現金|小口現金|預金|普通預金|当座預金|定期預金|通知預金|定期積金|別段預金",
     "現金預金|現金及び預金|現金・預金|現金及び預金合計|現金預金合計"},
    {fieldId(NotesReceivable), "受取手形", false, false, false, Section::Any, "受取手形", ""},
    {fieldId(AccountsReceivable), "売掛金", false, false, false, Section::Any, "売掛金", ""},
    {fieldId(Inventories), "棚卸資産（未成工事支出金）", false, false, false, Section::Any,
     "商品|製品|仕掛品|原材料|材料|貯蔵品|半製品|未成工事支出金", "棚卸資産|棚卸資産合計"},
    {fieldId(LoansReceivable), "貸付金", false, false, false, Section::Any,
     "貸付金|短期貸付金|長期貸付金", ""},
    {fieldId(Buildings), "建物", false, false, false, Section::Any,
     "建物|建物附属設備|建物付属設備", ""},
    {fieldId(Machinery), "機械装置", false, false, false, Section::Any, "機械装置|機械及び装置",
     ""},
    {fieldId(Vehicles), "車両・船舶", false, false, false, Section::Any, "車両運搬具|船舶", ""},
    {fieldId(Land), "土地", false, false, false, Section::Any, "土地", ""},
    {fieldId(Liabilities), "負債の部合計", true, false, false, Section::Any, "",
     "負債の部合計|負債合計|負債の部|負債"},
    {fieldId(NotesPayable), "支払手形", true, false, false, Section::Any, "支払手形", ""},
    {fieldId(AccountsPayable), "買掛金", true, false, false, Section::Any, "買掛金", ""},
    {fieldId(PersonalBorrowings), "個人借入金", true, false, false, Section::Any,
     "役員借入金|代表者借入金", ""},
    {fieldId(OtherBorrowings), "その他借入金", true, false, false, Section::Any,
     "借入金|短期借入金|長期借入金", ""},
    {fieldId(NetAssets), "純資産の部合計", true, false, false, Section::Any, "",
     "純資産の部合計|純資産合計|純資産の部|純資産"},
};

const GroupDefinition trialBalanceGroups[] = {
    // The materials used: 期首材料棚卸高 ＋ 材料仕入高 − 期末材料棚卸高, as the 材料費
    // of a 製造原価報告書 adds them up.
    {fieldId(Purchases), "材料費", ""},
    // 労務費 without 福利厚生費, as above.
    {fieldId(Labour), "労務費", "福利厚生費"},
};

// 月別の売上高等: the first sub-column of 売上 (1) and of 仕入 (3), 外注費 (5), 人件費 (6),
// 源泉徴収税額 (7, in yen).
const Definition monthlyDefinitions[] = {
    {monthlytable::SalesFirst, "売上（収入）金額", true, false, false, Section::Any, sales,
     salesTotals},
    {monthlytable::PurchasesFirst, "仕入金額", false, false, false, Section::Any, purchases, ""},
    {monthlytable::Subcontracting, "外注費", false, false, false, Section::Any, outsourcing, ""},
    // 人件費: the form's note asks for 「その月の俸給・給与及び賞与の支給総額（役員に対する
    // ものを含みます。）」: pay and bonuses of the month, officers included, wherever the
    // books keep them (販管費 or 製造原価). 法定福利費, 福利厚生費 and 退職金 are no pay
    // and stay out; a total of the books named 人件費 is therefore not taken as it stands.
    {monthlytable::Labour, "人件費", false, false, false, Section::Any,
     "役員報酬|役員給与|役員賞与|給料手当|給与手当|給料|給与|給料賃金|賃金|雑給|賞与|賞与手当|"
     "従業員賞与|従業員給与|従業員給料|俸給",
     ""},
    {monthlytable::WithholdingTax, "源泉徴収税額", false, true, false, Section::Any, "源泉徴収税額",
     ""},
};

// What stays out of 人件費: the employer's social insurance, welfare and retirement pay.
constexpr const char* notPay = "法定福利費|福利厚生費|退職金|退職給付費用|退職給与|"
                               "退職給付引当金繰入額|退職給与引当金繰入額|役員退職金";

const GroupDefinition monthlyGroups[] = {
    {monthlytable::Labour, "人件費", notPay},
    {monthlytable::Labour, "労務費", notPay},
};

QStringList names(const char* list) {
    return QString::fromUtf8(list).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

bool isExclusion(const QString& target) {
    const QString key = bookfigures::accountKey(target);
    return key == QStringLiteral("-") || key == QStringLiteral("対象外") ||
           key == QStringLiteral("除外") || key == QStringLiteral("取り込まない") ||
           key == QStringLiteral("取込まない");
}

StatementPart partOfPlace(const QString& place) {
    using P = StatementPart;
    static const QHash<QString, P> parts = {
        {QStringLiteral("流動資産"), P::Assets},
        {QStringLiteral("固定資産"), P::Assets},
        {QStringLiteral("繰延資産"), P::Assets},
        {QStringLiteral("流動負債"), P::Liabilities},
        {QStringLiteral("固定負債"), P::Liabilities},
        {QStringLiteral("純資産"), P::NetAssets},
        {QStringLiteral("売上高"), P::Sales},
        {QStringLiteral("売上原価"), P::CostOfSales},
        {QStringLiteral("原価報告書"), P::Manufacturing},
        {QStringLiteral("販売費及び一般管理費"), P::Expenses},
        {QStringLiteral("営業外収益"), P::NonOperatingIncome},
        {QStringLiteral("営業外費用"), P::NonOperatingExpenses},
        {QStringLiteral("特別利益"), P::SpecialGains},
        {QStringLiteral("特別損失"), P::SpecialLosses},
        {QStringLiteral("法人税等"), P::Taxes},
    };
    return parts.value(place.section(QLatin1Char('/'), 0, 0), P::Unknown);
}

// The item 17 box an item 7 box's accounts go into, where they go into one: sales,
// purchases, outsourcing and pay. 労務費's 法定福利費 and 福利厚生費 are no pay.
std::optional<int> monthlyBoxOf(int mainBox, const QString& key) {
    if (mainBox == fieldId(Sales))
        return monthlytable::SalesFirst;
    if (mainBox == fieldId(Purchases))
        return monthlytable::PurchasesFirst;
    if (mainBox == fieldId(Subcontracting))
        return monthlytable::Subcontracting;
    if (mainBox == fieldId(OfficersPay) || mainBox == fieldId(StaffPay) ||
        (mainBox == fieldId(Labour) && !names(notPay).contains(key) &&
         key != QStringLiteral("労務費")))
        return monthlytable::Labour;
    return std::nullopt;
}

// A group of a cost report's other costs (経費, 製造経費, 工事経費): the employer's social
// insurance listed there is one of them, no labour cost.
bool isOtherCostsGroup(const QString& key) {
    return key.endsWith(QStringLiteral("経費")) && key != QStringLiteral("人件費");
}

} // namespace

const QList<AccountMapping::StandardAccount>& AccountMapping::standardAccounts() {
    static const QList<StandardAccount> accounts = [] {
        QList<StandardAccount> list;
        const QStringList lines = QString::fromUtf8(standardaccounts::table()).split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines.at(i).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList cells = line.split(QLatin1Char(','));
            if (cells.size() != 4)
                continue; // standardaccountstest names such a line
            StandardAccount a{cells.at(0), cells.at(1), cells.at(2), 1, cells.at(3), i + 1};
            if (a.name.startsWith(QLatin1Char('-'))) {
                a.sign = -1;
                a.name.remove(0, 1);
            }
            if (a.box == QStringLiteral("-"))
                a.box.clear();
            list.append(a);
        }
        return list;
    }();
    return accounts;
}

AccountSection AccountMapping::sectionOfPlace(const QString& place) {
    switch (partOfPlace(place)) {
    case StatementPart::CostOfSales:
    case StatementPart::Manufacturing:
        return Section::CostOfSales;
    case StatementPart::Expenses:
        return Section::Other;
    default:
        return Section::Any;
    }
}

QStringList AccountMapping::groupsOfPlace(const QString& place) {
    const QString group = place.section(QLatin1Char('/'), 1);
    return group.isEmpty() ? QStringList() : QStringList{group};
}

AccountMapping AccountMapping::builtIn(Kind kind) {
    AccountMapping mapping;
    mapping.m_kind = kind;
    const auto addNames = [&mapping](QList<Entry>& to, const char* list, int id, Section section) {
        for (QString name : names(list)) {
            int sign = 1;
            if (name.startsWith(QLatin1Char('-'))) {
                sign = -1;
                name.remove(0, 1);
            }
            to.append({bookfigures::accountKey(name), id, sign, section, false});
            if (&to == &mapping.m_entries)
                mapping.m_known.insert(to.last().key);
        }
    };
    const auto add = [&](const Definition& d) {
        mapping.m_fields.append(
            {d.id, QString::fromUtf8(d.caption), d.creditSide, d.inYen, d.size});
        addNames(mapping.m_entries, d.parts, d.id, d.section);
        addNames(mapping.m_totals, d.totals, d.id, Section::Any);
    };
    const auto addGroup = [&](const GroupDefinition& g) {
        QStringList excluded;
        for (const QString& name : names(g.excluded))
            excluded.append(bookfigures::accountKey(name));
        mapping.m_groups.append(
            {bookfigures::accountKey(QString::fromUtf8(g.group)), g.id, excluded});
    };
    if (kind == Kind::TrialBalance) {
        for (const Definition& d : trialBalanceDefinitions)
            add(d);
        for (const GroupDefinition& g : trialBalanceGroups)
            addGroup(g);
    } else {
        for (const Definition& d : monthlyDefinitions)
            add(d);
        for (const GroupDefinition& g : monthlyGroups)
            addGroup(g);
    }
    // The standard account lists, after the definitions above, which name the same boxes.
    QHash<QString, StatementPart> parts;
    QSet<QString> partsDiffer;
    const std::optional<AccountMapping> items7 =
        kind == Kind::MonthlyTable ? std::optional(builtIn(Kind::TrialBalance)) : std::nullopt;
    // An account whose box is the same wherever the lists place it (期首未成工事支出金)
    // goes into it in any section; one whose box depends on its place (減価償却費) only in
    // the section of that place.
    QHash<QString, QString> boxes;
    QSet<QString> boxesDiffer;
    for (const StandardAccount& a : standardAccounts()) {
        const QString key = bookfigures::accountKey(a.name);
        if (boxes.contains(key) && boxes.value(key) != a.box)
            boxesDiffer.insert(key);
        boxes.insert(key, a.box);
    }
    for (const StandardAccount& a : standardAccounts()) {
        const QString key = bookfigures::accountKey(a.name);
        const StatementPart part = partOfPlace(a.place);
        if (parts.contains(key) && parts.value(key) != part)
            partsDiffer.insert(key);
        parts.insert(key, part);
        if (part == StatementPart::CostOfSales || part == StatementPart::Manufacturing)
            mapping.m_costNames.insert(key);
        if (a.box.isEmpty() || !groupsOfPlace(a.place).isEmpty())
            continue;
        std::optional<int> id = mapping.fieldNamed(a.box);
        if (kind == Kind::MonthlyTable) {
            const std::optional<int> main = items7->fieldNamed(a.box);
            id = main ? monthlyBoxOf(*main, key) : std::nullopt;
        }
        if (!id)
            continue;
        mapping.m_entries.append(
            {key, *id, a.sign, boxesDiffer.contains(key) ? sectionOfPlace(a.place) : Section::Any,
             false});
        mapping.m_known.insert(key);
    }
    for (auto it = parts.cbegin(); it != parts.cend(); ++it)
        if (!partsDiffer.contains(it.key()))
            mapping.m_parts.insert(it.key(), it.value());
    // Looked up for every row of a file that may have a hundred thousand.
    for (qsizetype i = 0; i < mapping.m_entries.size(); ++i)
        mapping.m_entriesByKey[mapping.m_entries.at(i).key].append(i);
    return mapping;
}

QString AccountMapping::userFile() {
    return paths::dataFolder() + QStringLiteral("科目対応.txt");
}

const FormField& AccountMapping::field(int id) const {
    for (const FormField& f : m_fields)
        if (f.id == id)
            return f;
    qFatal("no form field %d", id);
}

std::optional<AccountMapping::Match> AccountMapping::byName(const QString& key,
                                                            AccountSection section) const {
    // The cost of sales and its manufacturing costs are one section for the boxes.
    const Section wanted = section == Section::Manufacturing ? Section::CostOfSales
                           : section == Section::Any         ? Section::Other
                                                             : section;
    const auto at = m_entriesByKey.constFind(key);
    if (at == m_entriesByKey.cend())
        return std::nullopt;
    for (const bool exact : {true, false})
        for (const qsizetype i : *at) {
            const Entry& e = m_entries.at(i);
            if (exact ? e.section == wanted : e.section == Section::Any)
                return Match{e.field, e.sign, false, false};
        }
    return std::nullopt;
}

std::optional<AccountMapping::Match>
AccountMapping::match(const QString& key, AccountSection section, const QStringList& groups) const {
    if (key.isEmpty())
        return std::nullopt;
    for (const Entry& e : m_userEntries)
        if (e.key == key)
            return Match{e.field, e.sign, e.excluded, true};
    for (const QString& group : groups) {
        for (const Group& g : m_groups)
            if (g.key == group) {
                if (g.excludedKeys.contains(key))
                    return byName(key, section).value_or(Match{}).field == g.field
                               ? std::nullopt
                               : byName(key, section);
                return Match{g.field, 1, false, false};
            }
        if (m_kind == Kind::TrialBalance && isOtherCostsGroup(group)) {
            const std::optional<Match> m = byName(key, section);
            return m && m->field == fieldId(Labour) ? std::nullopt : m;
        }
    }
    return byName(key, section);
}

std::optional<int> AccountMapping::totalOf(const QString& key) const {
    for (const Entry& e : m_totals)
        if (e.key == key)
            return e.field;
    return std::nullopt;
}

std::optional<int> AccountMapping::groupOf(const QString& key) const {
    for (const Group& g : m_groups)
        if (g.key == key)
            return g.field;
    return std::nullopt;
}

bool AccountMapping::knows(const QString& key) const {
    return m_known.contains(key);
}

StatementPart AccountMapping::partOf(const QString& key) const {
    return m_parts.value(key, StatementPart::Unknown);
}

std::optional<int> AccountMapping::fieldNamed(const QString& name) const {
    const QString key = bookfigures::accountKey(name);
    for (const FormField& f : m_fields)
        if (bookfigures::accountKey(f.caption) == key)
            return f.id;
    return std::nullopt;
}

QStringList AccountMapping::addUserLines(const QString& text) {
    const AccountMapping other =
        builtIn(m_kind == Kind::TrialBalance ? Kind::MonthlyTable : Kind::TrialBalance);
    QStringList notes;
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\n|\\r"));
    static const QRegularExpression separator(QStringLiteral("[,\\t=＝，→]"));
    const QStringList lines = text.split(lineBreak);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i).trimmed();
        line.remove(QLatin1Char('"'));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype at = line.indexOf(separator);
        QString account = at < 0 ? QString() : line.left(at).trimmed();
        const QString target = at < 0 ? QString() : line.mid(at + 1).trimmed();
        int sign = 1;
        if (account.startsWith(QLatin1Char('-')) || account.startsWith(QChar(0xFF0D))) {
            sign = -1;
            account.remove(0, 1);
        }
        const QString key = bookfigures::accountKey(account);
        const QString where =
            QStringLiteral("%1の%2行目「%3」").arg(userFile()).arg(i + 1).arg(line);
        if (key.isEmpty() || target.isEmpty()) {
            notes.append(where + QStringLiteral("は「勘定科目,欄」の形ではないため使いません。"));
            continue;
        }
        m_known.insert(key);
        if (isExclusion(target)) {
            m_userEntries.append({key, 0, 1, Section::Any, true});
            continue;
        }
        std::optional<int> id = fieldNamed(target);
        if (!id)
            if (const std::optional<Match> m =
                    byName(bookfigures::accountKey(target), Section::Other))
                id = m->field;
        if (!id) {
            // A line for the other screen's boxes is no mistake.
            if (!other.fieldNamed(target) &&
                !other.byName(bookfigures::accountKey(target), Section::Other))
                notes.append(where +
                             QStringLiteral("の欄「%1」がわからないため使いません。").arg(target));
            continue;
        }
        m_userEntries.append({key, *id, sign, Section::Any, false});
    }
    return notes;
}

QStringList AccountMapping::addUserFile() {
    const wholefile::Read read = FileChannel::instance().readFile(userFile());
    if (read.outcome == wholefile::Read::Outcome::Missing)
        return {};
    const QString unused = QStringLiteral("%1は使いませんでした。").arg(userFile());
    if (read.outcome == wholefile::Read::Outcome::Damaged)
        return {unused + read.reason};
    const std::optional<QString> text = bookcsv::decodeText(read.bytes);
    if (!text)
        return {unused + QStringLiteral("文字コードが読み取れません（Shift_JIS または UTF-8 で"
                                        "保存してください）。")};
    return addUserLines(*text);
}

} // namespace gaikyo
