#include "accountmapping.h"

#include "bookcsv.h"
#include "bookfigures.h"
#include "datafile/filechannel.h"
#include "registry/companypaths.h"

#include <QRegularExpression>

namespace gaikyo {

namespace {

using Section = AccountSection;

// One box and the accounts that fill it. Names are separated by "|"; a leading "-"
// subtracts the account. Totals are the file's own rows for the whole box.
struct Definition {
    int id;
    const char* caption;
    bool creditSide;
    bool inYen;
    Section section; // of the parts
    const char* parts;
    const char* totals;
};

constexpr const char* sales = "売上高|売上|商品売上高|製品売上高|売上高(商品)|売上高(製品)|"
                              "役務収益|完成工事高|-売上値引|-売上値引高|-売上戻り高";
constexpr const char* salesTotals = "売上高合計|純売上高|売上合計";
constexpr const char* purchases = "仕入高|仕入|商品仕入高|当期商品仕入高|材料仕入高|当期材料仕入高|"
                                  "原材料費|材料費|-仕入値引|-仕入値引高|-仕入戻し高";
constexpr const char* outsourcing = "外注費|外注加工費|外注工賃";

// 主要科目: the profit-and-loss boxes Text1 … Text19 and the balance-sheet boxes
// Text20 … Text35.
const Definition trialBalanceDefinitions[] = {
    {1, "売上（収入）高", true, false, Section::Any, sales, salesTotals},
    {3, "売上（収入）原価", false, false, Section::Any, "", "売上原価|売上原価合計|完成工事原価"},
    {4, "期首棚卸高", false, false, Section::Any,
     "期首商品棚卸高|期首製品棚卸高|期首棚卸高|期首商品棚卸", ""},
    {5, "原材料費（仕入高）", false, false, Section::Any, purchases, ""},
    {6, "労務費", false, false, Section::Any, "労務費|賃金", ""},
    {7, "外注費", false, false, Section::Any, outsourcing, ""},
    {8, "期末棚卸高", true, false, Section::Any,
     "期末商品棚卸高|期末製品棚卸高|期末棚卸高|期末商品棚卸", ""},
    {9, "減価償却費（売上原価）", false, false, Section::CostOfSales, "減価償却費", ""},
    {10, "地代家賃・租税公課（売上原価）", false, false, Section::CostOfSales, "地代家賃|租税公課",
     ""},
    {11, "売上（収入）総利益", true, false, Section::Any, "",
     "売上総利益|売上総利益金額|売上総損益|売上総損益金額|-売上総損失"},
    {12, "役員報酬", false, false, Section::Any, "役員報酬", ""},
    {13, "従業員給料", false, false, Section::Any, "給料手当|給与|給料|給与手当|給料賃金", ""},
    {14, "交際費", false, false, Section::Any, "交際費|接待交際費", ""},
    {15, "減価償却費（販管費）", false, false, Section::Other, "減価償却費", ""},
    {16, "地代家賃・租税公課（販管費）", false, false, Section::Other, "地代家賃|租税公課", ""},
    {17, "営業損益", true, false, Section::Any, "",
     "営業利益|営業損益|営業利益金額|営業損益金額|-営業損失"},
    {18, "支払利息割引料", false, false, Section::Any, "支払利息|支払利息割引料|支払利息及び割引料",
     ""},
    {19, "税引前当期損益", true, false, Section::Any, "",
     "税引前当期純利益|税引前当期純損益|税引前当期純損益金額|税引前当期利益|税引前当期損益|"
     "-税引前当期純損失"},
    {20, "資産の部合計", false, false, Section::Any, "", "資産の部合計|資産合計"},
    {21, "現金預金", false, false, Section::Any,
     "現金|小口現金|預金|普通預金|当座預金|定期預金|通知預金|定期積金",
     "現金預金|現金及び預金|現金・預金"},
    {22, "受取手形", false, false, Section::Any, "受取手形", ""},
    {23, "売掛金", false, false, Section::Any, "売掛金", ""},
    {24, "棚卸資産（未成工事支出金）", false, false, Section::Any,
     "商品|製品|仕掛品|原材料|貯蔵品|半製品|未成工事支出金", "棚卸資産"},
    {25, "貸付金", false, false, Section::Any, "貸付金|短期貸付金|長期貸付金", ""},
    {26, "建物", false, false, Section::Any, "建物|建物附属設備|建物付属設備", ""},
    {27, "機械装置", false, false, Section::Any, "機械装置|機械及び装置", ""},
    {28, "車両・船舶", false, false, Section::Any, "車両運搬具|船舶", ""},
    {29, "土地", false, false, Section::Any, "土地", ""},
    {30, "負債の部合計", true, false, Section::Any, "", "負債の部合計|負債合計"},
    {31, "支払手形", true, false, Section::Any, "支払手形", ""},
    {32, "買掛金", true, false, Section::Any, "買掛金", ""},
    {33, "個人借入金", true, false, Section::Any, "役員借入金|代表者借入金", ""},
    {34, "その他借入金", true, false, Section::Any, "借入金|短期借入金|長期借入金", ""},
    {35, "純資産の部合計", true, false, Section::Any, "", "純資産の部合計|純資産合計"},
};

// 月別の売上高等: the first sub-column of 売上 (1) and of 仕入 (3), 外注費 (5), 人件費 (6),
// 源泉徴収税額 (7, in yen).
const Definition monthlyDefinitions[] = {
    {1, "売上（収入）金額", true, false, Section::Any, sales, salesTotals},
    {3, "仕入金額", false, false, Section::Any, purchases, ""},
    {5, "外注費", false, false, Section::Any, outsourcing, ""},
    {6, "人件費", false, false, Section::Any,
     "役員報酬|給料手当|給与|給料|給与手当|賃金|雑給|賞与|法定福利費|福利厚生費",
     "人件費|人件費合計"},
    {7, "源泉徴収税額", false, true, Section::Any, "源泉徴収税額", ""},
};

// A total row of any box: its caption or one of its accounts followed by 計 or 合計.
std::optional<QString> baseOfTotal(const QString& key) {
    for (const QString& suffix : {QStringLiteral("合計"), QStringLiteral("計")})
        if (key.endsWith(suffix) && key.size() > suffix.size())
            return key.chopped(suffix.size());
    return std::nullopt;
}

} // namespace

AccountMapping AccountMapping::builtIn(Kind kind) {
    AccountMapping mapping;
    mapping.m_kind = kind;
    const auto addNames = [&mapping](const char* names, int id, bool total, Section section) {
        for (QString name : QString::fromUtf8(names).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            int sign = 1;
            if (name.startsWith(QLatin1Char('-'))) {
                sign = -1;
                name.remove(0, 1);
            }
            mapping.m_entries.append({bookfigures::accountKey(name), id, sign, total, section});
        }
    };
    const auto add = [&](const Definition& d) {
        mapping.m_fields.append({d.id, QString::fromUtf8(d.caption), d.creditSide, d.inYen});
        addNames(d.parts, d.id, false, d.section);
        addNames(d.totals, d.id, true, Section::Any);
    };
    if (kind == Kind::TrialBalance)
        for (const Definition& d : trialBalanceDefinitions)
            add(d);
    else
        for (const Definition& d : monthlyDefinitions)
            add(d);
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

std::optional<AccountMapping::Match> AccountMapping::find(const QString& key,
                                                          AccountSection section) const {
    for (const QList<Entry>* entries : {&m_userEntries, &m_entries}) {
        // An entry for the account's own section comes before one for any section.
        for (const bool exact : {true, false})
            for (const Entry& e : *entries) {
                const bool fits = exact ? e.section == section && section != Section::Any
                                        : e.section == Section::Any;
                if (fits && e.key == key)
                    return Match{e.field, e.sign, e.total};
            }
    }
    return std::nullopt;
}

std::optional<AccountMapping::Match> AccountMapping::match(const QString& accountName,
                                                           AccountSection section) const {
    const QString key = bookfigures::accountKey(accountName);
    if (key.isEmpty())
        return std::nullopt;
    if (const std::optional<Match> m = find(key, section))
        return m;
    const std::optional<QString> base = baseOfTotal(key);
    if (!base)
        return std::nullopt;
    std::optional<Match> m = find(*base, section);
    if (!m)
        if (const std::optional<int> id = fieldNamed(*base))
            m = Match{*id, 1, true};
    if (m)
        m->total = true;
    return m;
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
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")));
    static const QRegularExpression separator(QStringLiteral("[,\\t=＝，→]"));
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
        const QString where =
            QStringLiteral("%1の%2行目「%3」").arg(userFile()).arg(i + 1).arg(line);
        if (bookfigures::accountKey(account).isEmpty() || target.isEmpty()) {
            notes.append(where + QStringLiteral("は「勘定科目,欄」の形ではないため使いません。"));
            continue;
        }
        std::optional<int> id = fieldNamed(target);
        if (!id)
            if (const std::optional<Match> m =
                    find(bookfigures::accountKey(target), Section::Other))
                if (!m->total)
                    id = m->field;
        if (!id) {
            // A line for the other screen's boxes is no mistake.
            if (!other.fieldNamed(target) &&
                !other.find(bookfigures::accountKey(target), Section::Other))
                notes.append(where +
                             QStringLiteral("の欄「%1」がわからないため使いません。").arg(target));
            continue;
        }
        m_userEntries.append({bookfigures::accountKey(account), *id, sign, false, Section::Any});
    }
    return notes;
}

QStringList AccountMapping::addUserFile() {
    const std::optional<QByteArray> bytes = FileChannel::instance().read(userFile());
    if (!bytes)
        return {};
    const std::optional<QString> text = bookcsv::decodeText(*bytes);
    if (!text)
        return {QStringLiteral("%1を読めないため使いません。").arg(userFile())};
    return addUserLines(*text);
}

bool AccountMapping::isTotalLine(const QString& name) {
    const QString key = bookfigures::accountKey(name);
    static const QRegularExpression profit(
        QStringLiteral("(計|利益|損失|損益|差益|差損|製造原価)(金額)?$"));
    return profit.match(key).hasMatch();
}

AccountSection AccountMapping::sectionAfter(const QString& heading, AccountSection current) {
    const QString key = bookfigures::accountKey(heading);
    if (baseOfTotal(key))
        return current;
    for (const char* cost : {"売上原価", "製造原価", "完成工事原価"})
        if (key.contains(QString::fromUtf8(cost)))
            return Section::CostOfSales;
    for (const char* other : {"販売費", "管理費", "販管費", "営業外", "特別", "資産", "負債",
                              "純資産", "売上高", "収益"})
        if (key.contains(QString::fromUtf8(other)))
            return Section::Other;
    return current;
}

} // namespace gaikyo
