#include "bookplan.h"

#include "bookfigures.h"

#include <QLocale>
#include <QSet>
#include <limits>
#include <numeric>

namespace gaikyo::bookplan {

namespace {

using bookstructure::Node;
using bookstructure::Role;
using bookstructure::Structure;
using booktable::Amounts;
using booktable::Book;
using enum MainAccount;

// A box's figures as the file gives them.
struct Gathered {
    Amounts parts;
    QStringList partNames;
    QSet<int> partsUnreadable;
    std::optional<Amounts> total; // the file's own row for the whole box
    QString totalName;
    qsizetype totalLine = 0;
    QSet<int> totalUnreadable;
    std::optional<Amounts> computed;
    QString computedHow;
    // Totals of the file for the box's group whose rows are not known (人件費計 with no
    // accounts that add up to it): the box's accounts may be only part of it.
    QStringList unknownGroups;
    // Some of its accounts stand in their section by the order of the statement alone.
    bool guessed = false;
    // Some of its accounts go into it by the section they stand in, not by their names.
    bool bySection = false;
    // An account that may belong here stands in a section the reader cannot tell: the
    // box stays empty, for this reason.
    QString blocked;
};

// "売上高（12行目）", in a turned table "売上高（3列目）": an account or a row as the
// confirmation names where a figure came from.
QString rowName(const Node& node, const Book& book) {
    return (book.turned ? QStringLiteral("%1（%2列目）") : QStringLiteral("%1（%2行目）"))
        .arg(node.name)
        .arg(node.line);
}

// The sums of the accounts of each part of the statements, debit minus credit.
struct PartSums {
    QMap<StatementPart, qint64> sums;
    QMap<StatementPart, int> accounts;
    QStringList unplaced; // accounts with figures in no part the reader knows
};

QString joinedNames(const QStringList& names) {
    constexpr qsizetype shown = 8;
    if (names.size() <= shown)
        return names.join(QStringLiteral("＋"));
    return names.mid(0, shown).join(QStringLiteral("＋")) +
           QStringLiteral(" ほか%1科目").arg(names.size() - shown);
}

QString listedAmount(qint64 yen, bool credit) {
    const qint64 shown = credit ? -yen : yen;
    QString text = bookfigures::thousands(shown) == 0
                       ? bookstructure::yenText(shown)
                       : amountText(bookfigures::thousands(shown), false);
    if (credit)
        text += QStringLiteral("（貸方）");
    return text;
}

class Planner {
public:
    Planner(const Book& book, const Structure& structure, const AccountMapping& mapping)
        : m_book(book), m_s(structure), m_mapping(mapping) {}

    Plan plan;
    QMap<int, Gathered> boxes;
    // A box's figures as gathered so far, without adding the box.
    const Gathered& gathered(MainAccount account) const {
        static const Gathered nothing;
        const auto it = boxes.constFind(fieldId(account));
        return it == boxes.cend() ? nothing : *it;
    }
    PartSums parts;
    // The manufacturing costs of the file: its 当期製品製造原価 row, or the sum of the
    // rows of its manufacturing section.
    std::optional<Amounts> manufacturingRow;
    Amounts manufacturingRows;
    bool anyManufacturing = false;
    // Purchases outside the manufacturing costs (a merchant's 仕入高).
    Amounts purchasesOutside;
    bool anyPurchasesOutside = false;
    // The accounts of the cost of sales besides the opening and closing stock and the
    // manufacturing costs' total (仕入高, 外注費 …), debit minus credit; those placed in no
    // box and unknown to the account lists, and whether a figure of one cannot be read:
    // 売上原価 is worked out only from all its parts.
    Amounts costOutside;
    QStringList costUnplaced;
    QStringList costUnreadable;
    // The same of a cost report's accounts, which count only where the file has no total
    // of the report (当期製品製造原価) to take instead.
    QStringList madeUnplaced;
    QStringList madeUnreadable;
    bool overflow = false;
    QString workedOutWhyNot; // why the totals the file lacks cannot be worked out
    // The year's profit after tax as the accounts of the profit and loss give it.
    qint64 yearProfit = 0;
    bool yearProfitKnown = false;

    void gather() {
        plan.disagreements = m_s.disagreements;
        plan.notes = m_book.notes + m_s.notes;
        for (const Node& node : m_s.nodes) {
            switch (node.role) {
            case Role::Account:
                account(node);
                break;
            case Role::Total:
            case Role::Difference:
                total(node);
                break;
            case Role::Heading:
            case Role::SubAccount:
                break;
            }
        }
    }

    // A figure as a box counts it.
    Amounts boxAmounts(const Amounts& amounts, const FormField& field, int sign,
                       const QString& key) const {
        Amounts out;
        for (auto it = amounts.cbegin(); it != amounts.cend(); ++it) {
            qint64 v = it.value();
            if (m_book.debitMinusCredit) {
                // Debit minus credit: a box kept on the credit side reads it the other way.
                v = field.creditSide ? -v : v;
                if (field.size)
                    v = v < 0 ? -v : v;
            } else if (field.size) {
                v = v < 0 ? -v : v;
            } else if (sign < 0 || bookstructure::isContraAccount(key)) {
                // 売上値引, 期末材料棚卸高 …: taken off, whether the file shows them with a
                // minus or not.
                v = v > 0 ? -v : v;
            }
            out.insert(it.key(), v);
        }
        return out;
    }

    void add(Amounts& sum, const Amounts& amounts) {
        for (auto it = amounts.cbegin(); it != amounts.cend(); ++it)
            if (!bookfigures::addTo(sum[it.key()], it.value()))
                overflow = true;
    }

    // An account's balance as debit minus credit, whichever way the file shows it.
    qint64 debitMinusCredit(const Node& node, StatementPart part) const {
        qint64 v = node.amounts.value(booktable::balanceKey);
        if (m_book.debitMinusCredit)
            return v;
        if (bookstructure::isContraAccount(node.key) && v > 0)
            v = -v;
        return bookstructure::isCreditPart(part) ? -v : v;
    }

    // The balance of a profit row (当期純利益, 経常損失 …) as a profit: a file of debit
    // minus credit shows a profit below zero, another file a 損失 row's loss above it.
    qint64 profitOf(const Node& node) const {
        const qint64 v = node.amounts.value(booktable::balanceKey);
        if (m_book.debitMinusCredit)
            return -v;
        return node.key.endsWith(QStringLiteral("損失")) && v > 0 ? -v : v;
    }

    // The part an account counts in: where the statements' headings leave it open, the
    // one the standard account lists give its name; taxes on income are always taxes,
    // wherever a file lists them, so that a profit before tax never includes them.
    StatementPart partOf(const Node& node) const {
        const StatementPart listed = m_mapping.partOf(node.key);
        if (node.part == StatementPart::Unknown || listed == StatementPart::Taxes)
            return listed;
        return node.part;
    }

    void countPart(const Node& node) {
        if (!node.amounts.contains(booktable::balanceKey))
            return;
        const StatementPart part = partOf(node);
        if (part == StatementPart::Unknown) {
            // A few are named; more would only lengthen the note.
            if (node.amounts.value(booktable::balanceKey) != 0 && parts.unplaced.size() < 9)
                parts.unplaced.append(rowName(node, m_book));
            return;
        }
        // 当期製品製造原価 in the cost of sales repeats the manufacturing costs' rows; a row
        // the table knows as a box's whole figure (純売上高) repeats its accounts.
        if ((isManufacturingTotal(node.key) && anyManufacturing) || m_mapping.totalOf(node.key))
            return;
        if (!bookfigures::addTo(parts.sums[part], debitMinusCredit(node, part)))
            overflow = true;
        ++parts.accounts[part];
    }

    // An account under a heading that leaves its section open: where the section decides
    // its box, neither box can be filled rightly.
    bool blockedBySection(const Node& node) {
        const std::optional<AccountMapping::Match> cost =
            m_mapping.match(node.key, AccountSection::CostOfSales, node.groups);
        const std::optional<AccountMapping::Match> selling =
            m_mapping.match(node.key, AccountSection::Other, node.groups);
        const int costField = cost && !cost->excluded ? cost->field : 0;
        const int sellingField = selling && !selling->excluded ? selling->field : 0;
        if (costField == sellingField)
            return false;
        const QString why =
            QStringLiteral("「%1」が売上原価か販売費及び一般管理費か、見出しからわからない")
                .arg(rowName(node, m_book));
        for (const int id : {costField, sellingField})
            if (id != 0 && boxes[id].blocked.isEmpty())
                boxes[id].blocked = why;
        return true;
    }

    // The box an account goes into by the section it stands in, where its name says
    // nothing: every account under 売上高 is a sale, every account under 棚卸資産 is
    // stock, and 期首…棚卸高 / 期末…棚卸高 in the cost of sales are its opening and closing
    // stock.
    std::optional<AccountMapping::Match> bySection(const Node& node) const {
        const auto boxOf = [&](const QString& name) {
            return m_mapping.match(name, AccountSection::Any);
        };
        const bool costOfSales = node.section == AccountSection::CostOfSales &&
                                 node.part != StatementPart::Manufacturing;
        const bool underSales =
            node.part == StatementPart::Sales || node.groups.contains(QStringLiteral("売上高"));
        if (underSales && !costOfSales && node.section != AccountSection::Manufacturing)
            return boxOf(QStringLiteral("売上高"));
        if (m_mapping.kind() != AccountMapping::Kind::TrialBalance)
            return std::nullopt;
        if (node.groups.contains(QStringLiteral("棚卸資産")) &&
            partOf(node) == StatementPart::Assets)
            return boxOf(QStringLiteral("商品"));
        if (costOfSales && node.key.endsWith(QStringLiteral("棚卸高"))) {
            if (node.key.startsWith(QStringLiteral("期首")))
                return boxOf(QStringLiteral("期首棚卸高"));
            if (node.key.startsWith(QStringLiteral("期末")))
                return boxOf(QStringLiteral("期末棚卸高"));
        }
        return std::nullopt;
    }

    // An amount as the cost of sales counts it: debit minus credit, what reduces it
    // (期末棚卸高, 仕入値引) below zero.
    Amounts costAmounts(const Node& node) const {
        Amounts value = node.amounts;
        if (!m_book.debitMinusCredit && bookstructure::isContraAccount(node.key))
            for (auto it = value.begin(); it != value.end(); ++it)
                it.value() = it.value() > 0 ? -it.value() : it.value();
        return value;
    }

    void account(const Node& node) {
        if (node.section == AccountSection::Unknown && blockedBySection(node))
            return;
        if (isManufacturingTotal(node.key) && !manufacturingRow)
            manufacturingRow = node.amounts;
        if (const std::optional<int> id = m_mapping.totalOf(node.key)) {
            fileTotal(node, *id);
            return;
        }
        std::optional<AccountMapping::Match> match =
            m_mapping.match(node.key, node.section, node.groups);
        bool placedBySection = false;
        if (!match) {
            match = bySection(node);
            placedBySection = match.has_value();
        }
        costPart(node, match);
        qint64 sum = 0;
        for (const qint64 yen : node.amounts)
            if (!bookfigures::addTo(sum, yen))
                overflow = true;
        if (!match) {
            if (sum != 0)
                plan.unmapped.append(QStringLiteral("%1　%2").arg(
                    node.name, listedAmount(sum, m_book.debitMinusCredit && sum < 0)));
            return;
        }
        if (match->excluded) {
            plan.excluded.append(QStringLiteral("%1　%2").arg(
                node.name, listedAmount(sum, m_book.debitMinusCredit && sum < 0)));
            return;
        }
        const FormField& field = m_mapping.field(match->field);
        const Amounts value = boxAmounts(node.amounts, field, match->sign, node.key);
        Gathered& g = boxes[field.id];
        add(g.parts, value);
        g.partNames.append(rowName(node, m_book));
        g.guessed = g.guessed || node.sectionGuessed;
        g.bySection = g.bySection || placedBySection;
        for (const int key : node.unreadableKeys)
            g.partsUnreadable.insert(key);
        if (field.id == fieldId(Purchases) &&
            m_mapping.kind() == AccountMapping::Kind::TrialBalance &&
            node.section != AccountSection::Manufacturing) {
            add(purchasesOutside, value);
            anyPurchasesOutside = true;
        }
    }

    // What an account of the cost of sales or of a cost report adds to 売上原価.
    void costPart(const Node& node, const std::optional<AccountMapping::Match>& match) {
        const bool made = node.section == AccountSection::Manufacturing;
        if ((!made && node.section != AccountSection::CostOfSales) ||
            m_mapping.kind() != AccountMapping::Kind::TrialBalance ||
            isManufacturingTotal(node.key))
            return;
        const bool stock =
            match && !match->excluded &&
            (match->field == fieldId(OpeningStock) || match->field == fieldId(ClosingStock));
        if (made) {
            anyManufacturing = true;
            // 期首・期末未成工事支出金 in a cost report are the opening and closing stock.
            if (!stock)
                add(manufacturingRows, costAmounts(node));
        } else if (!stock) {
            add(costOutside, costAmounts(node));
        }
        const bool known = (match && !match->excluded) || m_mapping.listedAsCost(node.key);
        if (!known && !node.amounts.isEmpty())
            (made ? madeUnplaced : costUnplaced).append(rowName(node, m_book));
        if (!node.unreadableKeys.isEmpty())
            (made ? madeUnreadable : costUnreadable).append(rowName(node, m_book));
    }

    static bool isManufacturingTotal(const QString& key) {
        return key == QStringLiteral("当期製品製造原価") || key == QStringLiteral("当期製造原価") ||
               key == QStringLiteral("当期工事原価") || key == QStringLiteral("当期完成工事原価") ||
               key == QStringLiteral("当期工事費用") || key == QStringLiteral("製品製造原価") ||
               key == QStringLiteral("製造原価") || key == QStringLiteral("製造原価合計") ||
               key == QStringLiteral("製造原価計");
    }

    void total(const Node& node) {
        if (isManufacturingTotal(node.key) && !manufacturingRow)
            manufacturingRow = node.amounts;
        if (node.role == Role::Total && !node.certain) {
            QString group = node.key;
            for (const QString& suffix : {QStringLiteral("合計"), QStringLiteral("計")})
                if (group.endsWith(suffix))
                    group.chop(suffix.size());
            if (const std::optional<int> id = m_mapping.groupOf(group))
                boxes[*id].unknownGroups.append(node.name);
        }
        if (const std::optional<int> id = m_mapping.totalOf(node.key))
            fileTotal(node, *id);
    }

    void fileTotal(const Node& node, int id) {
        Gathered& g = boxes[id];
        if (g.total)
            return; // the first of the file's rows for the box
        const FormField& field = m_mapping.field(id);
        // 営業損失, 売上総損失: the loss is the box's figure below zero.
        const bool loss = node.key.endsWith(QStringLiteral("損失"));
        g.total = boxAmounts(node.amounts, field, loss ? -1 : 1, QString());
        if (loss && !m_book.debitMinusCredit)
            for (auto it = g.total->begin(); it != g.total->end(); ++it)
                it.value() = it.value() > 0 ? -it.value() : it.value();
        g.totalName = node.name;
        g.totalLine = node.line;
        for (const int key : node.unreadableKeys)
            g.totalUnreadable.insert(key);
    }

    // The totals of 主要科目 that follow from other boxes where the file has no row of
    // its own for them. 営業損益, 税引前当期損益 and the balance-sheet totals would need
    // every account of the file, so they are taken only from the file's rows.
    void completeTrialBalance() {
        const auto has = [&](MainAccount account) {
            const Gathered& g = gathered(account);
            return g.total || !g.partNames.isEmpty() || g.computed;
        };
        const auto yen = [&](MainAccount account) -> qint64 {
            const Gathered& g = gathered(account);
            const Amounts& a = g.total ? *g.total : g.computed ? *g.computed : g.parts;
            return a.value(booktable::balanceKey);
        };
        const auto compute = [&](MainAccount account,
                                 std::initializer_list<std::pair<int, qint64>> terms,
                                 const QString& how) {
            qint64 sum = 0;
            for (const auto& [sign, value] : terms) {
                qint64 term = 0;
                if (__builtin_mul_overflow(value, sign, &term) || !bookfigures::addTo(sum, term))
                    overflow = true;
            }
            Gathered& g = boxes[fieldId(account)];
            g.computed = Amounts{{booktable::balanceKey, sum}};
            g.computedHow = how;
        };
        const bool manufacturing = manufacturingRow || anyManufacturing;
        if (!has(CostOfSales) && (manufacturing || anyPurchasesOutside)) {
            // 売上原価 only from all its parts: where an account of the cost of sales goes
            // nowhere, or a figure of one cannot be read, the sum would be short.
            QStringList unreadable = costUnreadable;
            QStringList unplaced = costUnplaced;
            if (!manufacturingRow) {
                unreadable += madeUnreadable;
                unplaced += madeUnplaced;
            }
            for (const MainAccount term : {OpeningStock, ClosingStock})
                if (gathered(term).partsUnreadable.contains(booktable::balanceKey) ||
                    gathered(term).totalUnreadable.contains(booktable::balanceKey))
                    unreadable.append(m_mapping.field(fieldId(term)).caption);
            const QString caption = m_mapping.field(fieldId(CostOfSales)).caption;
            if (!unreadable.isEmpty()) {
                plan.notes.append(
                    QStringLiteral("「%1」は、売上原価の科目（%2）の金額が読めないため、"
                                   "計算できませんでした。")
                        .arg(caption, joinedNames(unreadable)));
            } else if (!unplaced.isEmpty()) {
                plan.notes.append(
                    QStringLiteral("「%1」は、ファイルに合計の行がなく、売上原価の科目"
                                   "（%2）がどの欄のものかわからないため、計算"
                                   "できませんでした。")
                        .arg(caption, joinedNames(unplaced)));
            } else {
                const qint64 made = manufacturingRow
                                        ? manufacturingRow->value(booktable::balanceKey)
                                        : manufacturingRows.value(booktable::balanceKey);
                const qint64 bought = costOutside.value(booktable::balanceKey);
                if (manufacturing)
                    compute(
                        CostOfSales,
                        {{1, yen(OpeningStock)}, {1, made}, {1, bought}, {-1, yen(ClosingStock)}},
                        QStringLiteral("計算：期首棚卸高＋原価報告書の合計（当期製品製造原価、当期"
                                       "工事原価）＋仕入高－期末棚卸高"));
                else
                    compute(CostOfSales,
                            {{1, yen(OpeningStock)}, {1, bought}, {-1, yen(ClosingStock)}},
                            QStringLiteral("計算：期首棚卸高＋仕入高－期末棚卸高"));
            }
        }
        if (!has(GrossProfit) && has(Sales) && has(CostOfSales))
            compute(GrossProfit, {{1, yen(Sales)}, {-1, yen(CostOfSales)}},
                    QStringLiteral("計算：売上（収入）高－売上（収入）原価"));
        workOutTotals(has, yen);
        pretaxFromNetProfit(has);
        netAssetsBeforeProfit(has, yen);
        if (!has(NetAssets) && has(Assets) && has(Liabilities))
            compute(NetAssets, {{1, yen(Assets)}, {-1, yen(Liabilities)}},
                    QStringLiteral("計算：資産の部合計－負債の部合計"));
        checkIdentities(has, yen);
        for (const MainAccount account : {OperatingProfit, PretaxProfit, Assets, Liabilities})
            if (!has(account))
                plan.notes.append(
                    QStringLiteral("「%1」はファイルに合計の行がなく、%2ため取り込みません。")
                        .arg(m_mapping.field(fieldId(account)).caption,
                             workedOutWhyNot.isEmpty()
                                 ? QStringLiteral("科目から計算することもできない")
                                 : workedOutWhyNot));
    }

    // 営業損益, 税引前当期損益 and the balance sheet's totals, where the file has no row for
    // them, from the accounts of each part of the statements: only where every account
    // stands in a part and the balance sheet agrees with the profit and loss (what the
    // assets hold beyond the liabilities and the net assets is the year's profit, or
    // nothing once the profit is closed into the net assets).
    template <typename Has, typename Yen> void workOutTotals(const Has& has, const Yen& yen) {

        for (const Node& node : m_s.nodes)
            if (node.role == Role::Account)
                countPart(node);
        const auto sum = [&](std::initializer_list<StatementPart> of) {
            qint64 total = 0;
            for (const StatementPart p : of)
                if (!bookfigures::addTo(total, parts.sums.value(p)))
                    overflow = true;
            return total;
        };
        const auto present = [&](StatementPart p) { return parts.accounts.value(p) > 0; };
        if (!(has(OperatingProfit) && has(PretaxProfit) && has(Assets) && has(Liabilities)) &&
            !parts.unplaced.isEmpty()) {
            workedOutWhyNot = QStringLiteral("どの区分かわからない科目（%1）があり、計算できない")
                                  .arg(joinedNames(parts.unplaced));
            return;
        }
        const qint64 operating = -sum({StatementPart::Sales, StatementPart::CostOfSales,
                                       StatementPart::Manufacturing, StatementPart::Expenses});
        const qint64 pretax =
            operating - sum({StatementPart::NonOperatingIncome, StatementPart::NonOperatingExpenses,
                             StatementPart::SpecialGains, StatementPart::SpecialLosses});
        const qint64 afterTax = pretax - sum({StatementPart::Taxes});
        yearProfit = afterTax;
        yearProfitKnown = present(StatementPart::Sales) && parts.unplaced.isEmpty();
        const qint64 assets = sum({StatementPart::Assets});
        const qint64 liabilities = -sum({StatementPart::Liabilities});
        const qint64 netAssets = -sum({StatementPart::NetAssets});
        const bool profitAndLoss = present(StatementPart::Sales);
        const bool balanceSheet = present(StatementPart::Assets) &&
                                  present(StatementPart::Liabilities) &&
                                  present(StatementPart::NetAssets);
        const qsizetype rows = std::accumulate(parts.accounts.cbegin(), parts.accounts.cend(), 0);
        const auto near = [&](qint64 a, qint64 b) {
            return bookstructure::agrees({{0, a}}, {{0, b}}, rows, m_book.unitYen);
        };
        const qint64 beyond = assets - liabilities - netAssets;
        // Before the year is closed the assets hold the year's profit beyond the
        // liabilities and the net assets: that checks every account of both statements.
        // Once it is closed they hold nothing beyond, which checks the balance sheet
        // alone; the profit and loss is then checked by the file's own profit lines.
        const bool open = balanceSheet && profitAndLoss && afterTax != 0 && near(beyond, afterTax);
        const bool closed = balanceSheet && near(beyond, 0);
        const bool profitLines = profitLinesAgree(
            {{QStringLiteral("経常"), operating - sum({StatementPart::NonOperatingIncome,
                                                       StatementPart::NonOperatingExpenses})},
             {QStringLiteral("税引前"), pretax},
             {QStringLiteral("当期純"), afterTax},
             {QStringLiteral("税引後"), afterTax}},
            near);
        if (profitAndLoss && !(open || profitLines))
            workedOutWhyNot = QStringLiteral("科目から計算した損益を確かめられる行（経常利益、"
                                             "当期純利益など）や貸借の差額がファイルにない");
        if (balanceSheet && !(open || closed))
            workedOutWhyNot =
                QStringLiteral("科目から計算すると、資産 %1 が負債 %2 と純資産 %3 と当期の損益 %4 "
                               "に合わず、計算した金額を確かめられない")
                    .arg(bookstructure::yenText(assets), bookstructure::yenText(liabilities),
                         bookstructure::yenText(netAssets), bookstructure::yenText(afterTax));
        // The file's own gross profit, where it has one, must be the accounts' as well.
        if (gathered(GrossProfit).total &&
            !near(yen(GrossProfit), -sum({StatementPart::Sales, StatementPart::CostOfSales,
                                          StatementPart::Manufacturing}))) {
            workedOutWhyNot = QStringLiteral("科目から計算した売上総利益がファイルの売上総利益と"
                                             "合わない");
            return;
        }
        const auto workedOut = [&](MainAccount account, qint64 value, const QString& how,
                                   const QString& checked) {
            if (has(account))
                return;
            Gathered& g = boxes[fieldId(account)];
            g.computed = Amounts{{booktable::balanceKey, value}};
            g.computedHow = QStringLiteral("計算：") + how + checked;
        };
        const QString byBalance = QStringLiteral("（貸借の差額で確認）");
        if (open || profitLines) {
            const QString checked =
                open ? byBalance : QStringLiteral("（ファイルの利益の行で確認）");
            if (present(StatementPart::Expenses))
                workedOut(OperatingProfit, operating, QStringLiteral("売上－原価－販管費の科目"),
                          checked);
            workedOut(PretaxProfit, pretax, QStringLiteral("営業損益±営業外・特別損益の科目"),
                      checked);
        }
        if (open || closed) {
            const QString checked =
                open ? byBalance : QStringLiteral("（資産＝負債＋純資産で確認）");
            workedOut(Assets, assets, QStringLiteral("資産の科目の合計"), checked);
            workedOut(Liabilities, liabilities, QStringLiteral("負債の科目の合計"), checked);
        }
    }

    // 税引前当期損益 where the accounts cannot give it: the file's own 当期純損益 with the
    // taxes on income added back, where the file lists them and they can be read. Never the
    // profit after tax by itself.
    template <typename Has> void pretaxFromNetProfit(const Has& has) {
        if (has(PretaxProfit) || parts.accounts.value(StatementPart::Taxes) == 0)
            return;
        for (const Node& node : m_s.nodes)
            if (node.role == Role::Account && partOf(node) == StatementPart::Taxes &&
                !node.unreadableKeys.isEmpty())
                return;
        for (const Node& node : m_s.nodes) {
            if (node.role != Role::Difference || !node.key.startsWith(QStringLiteral("当期純")) ||
                !node.amounts.contains(booktable::balanceKey) || !node.unreadableKeys.isEmpty())
                continue;
            qint64 pretax = profitOf(node);
            if (!bookfigures::addTo(pretax, parts.sums.value(StatementPart::Taxes)))
                overflow = true;
            Gathered& g = boxes[fieldId(PretaxProfit)];
            g.computed = Amounts{{booktable::balanceKey, pretax}};
            g.computedHow = QStringLiteral("計算：ファイルの「%1」（%2行目）＋法人税等の科目")
                                .arg(node.name)
                                .arg(node.line);
            return;
        }
    }

    // A trial balance before the year is closed shows its net assets without the year's
    // profit, which the form's 純資産の部合計 holds: where the file's own total falls short
    // by just that profit, the box takes the assets less the liabilities instead.
    template <typename Has, typename Yen>
    void netAssetsBeforeProfit(const Has& has, const Yen& yen) {
        Gathered& net = boxes[fieldId(NetAssets)];
        if (!net.total || !has(Assets) || !has(Liabilities))
            return;
        const qint64 beyond = yen(Assets) - yen(Liabilities) - yen(NetAssets);
        if (bookstructure::agrees({{0, beyond}}, {{0, 0}}, 3, m_book.unitYen) ||
            !bookstructure::agrees({{0, beyond}}, {{0, yearProfit}}, 3, m_book.unitYen) ||
            !yearProfitKnown)
            return;
        net.total.reset();
        net.partNames.clear();
        net.computed = Amounts{{booktable::balanceKey, yen(Assets) - yen(Liabilities)}};
        net.computedHow =
            QStringLiteral("計算：資産の部合計－負債の部合計（ファイルの「%1」は当期の"
                           "損益を含まないため）")
                .arg(net.totalName);
    }

    // The statements' own identities between boxes the file fills: where they do not hold,
    // the user hears of it with the figures.
    template <typename Has, typename Yen> void checkIdentities(const Has& has, const Yen& yen) {
        const auto near = [&](qint64 a, qint64 b) {
            return bookstructure::agrees({{0, a}}, {{0, b}}, 3, m_book.unitYen);
        };
        // 「資産の部合計」1,000円
        const auto figure = [&](MainAccount account) {
            return QStringLiteral("「%1」%2")
                .arg(m_mapping.field(fieldId(account)).caption,
                     bookstructure::yenText(yen(account)));
        };
        if (has(Assets) && has(Liabilities) && has(NetAssets) &&
            !near(yen(Assets), yen(Liabilities) + yen(NetAssets)))
            plan.disagreements.append(
                QStringLiteral("%1が、%2と%3を足した金額と合いません。")
                    .arg(figure(Assets), figure(Liabilities), figure(NetAssets)));
        if (has(Sales) && has(CostOfSales) && has(GrossProfit) &&
            !near(yen(Sales) - yen(CostOfSales), yen(GrossProfit)))
            plan.disagreements.append(
                QStringLiteral("%1から%2を引いた金額が、%3と合いません。")
                    .arg(figure(Sales), figure(CostOfSales), figure(GrossProfit)));
    }

    // Whether one of the file's profit lines (経常利益, 税引前当期純利益 …) is what the
    // accounts give.
    template <typename Near>
    bool profitLinesAgree(const QList<std::pair<QString, qint64>>& computed,
                          const Near& near) const {
        for (const Node& node : m_s.nodes) {
            if (node.role != Role::Difference || !node.amounts.contains(booktable::balanceKey))
                continue;
            const qint64 profit = profitOf(node);
            for (const auto& [start, value] : computed)
                if (node.key.startsWith(start) && near(profit, value))
                    return true;
        }
        return false;
    }

    // The figure a box gets for one amount key, or nothing (with a note) where the program
    // cannot justify one.
    std::optional<qint64> figureOf(int id, int key, QStringList& sources, const QString& name) {
        const Gathered& g = boxes[id];
        const FormField& field = m_mapping.field(id);
        if (!g.blocked.isEmpty()) {
            if (!m_reported.contains(id))
                plan.notes.append(QStringLiteral("「%1」は、%2ため取り込みません。")
                                      .arg(field.caption, g.blocked));
            m_reported.insert(id);
            return std::nullopt;
        }
        if (g.total) {
            if (!g.total->contains(key))
                return std::nullopt;
            if (g.totalUnreadable.contains(key)) {
                plan.notes.append(QStringLiteral("「%1」は、ファイルの「%2」の金額が読めないため"
                                                 "取り込みません。")
                                      .arg(name, g.totalName));
                return std::nullopt;
            }
            sources = {QStringLiteral("ファイルの「%1」（%2%3）")
                           .arg(g.totalName)
                           .arg(g.totalLine)
                           .arg(m_book.turned ? QStringLiteral("列目") : QStringLiteral("行目"))};
            const qint64 fromFile = g.total->value(key);
            if (!g.partNames.isEmpty() && !g.partsUnreadable.contains(key) &&
                !bookstructure::agrees({{key, fromFile}}, {{key, g.parts.value(key)}},
                                       g.partNames.size(), m_book.unitYen) &&
                !m_reported.contains(id)) {
                m_reported.insert(id);
                plan.disagreements.append(
                    QStringLiteral("「%1」：ファイルの「%2」%3と、科目（%4）を足した %5が合いま"
                                   "せん。取り込むのはファイルの「%2」の金額です。")
                        .arg(name, g.totalName, bookstructure::yenText(fromFile),
                             joinedNames(g.partNames), bookstructure::yenText(g.parts.value(key))));
            }
            return fromFile;
        }
        if (!g.partNames.isEmpty()) {
            if (!g.unknownGroups.isEmpty()) {
                if (!m_reported.contains(id))
                    plan.notes.append(
                        QStringLiteral("「%1」は、ファイルの「%2」が何を足したものか"
                                       "わからないため取り込みません（科目%3だけでは"
                                       "足りないおそれがあります）。")
                            .arg(field.caption, g.unknownGroups.first(),
                                 QStringLiteral("（%1）").arg(joinedNames(g.partNames))));
                m_reported.insert(id);
                return std::nullopt;
            }
            if (!g.parts.contains(key))
                return std::nullopt;
            if (g.partsUnreadable.contains(key)) {
                plan.notes.append(QStringLiteral("「%1」は、元の科目に読めない金額があるため"
                                                 "取り込みません。")
                                      .arg(name));
                return std::nullopt;
            }
            sources = g.partNames;
            if (g.guessed)
                sources.append(QStringLiteral("（区分は見出しの並びから推定）"));
            if (g.bySection)
                sources.append(QStringLiteral("（欄は科目の区分から判断）"));
            return g.parts.value(key);
        }
        if (g.computed && g.computed->contains(key)) {
            sources = {g.computedHow};
            return g.computed->value(key);
        }
        return std::nullopt;
    }

    void fill(int box, const FormField& field, const QString& name, qint64 yen,
              const QStringList& sources) {
        const qint64 value = field.inYen ? yen : bookfigures::thousands(yen);
        if (value < std::numeric_limits<qint32>::min() ||
            value > std::numeric_limits<qint32>::max()) {
            plan.notes.append(
                QStringLiteral("「%1」は金額が大きすぎるため取り込みません。").arg(name));
            return;
        }
        plan.fills.append({box, name, static_cast<qint32>(value), field.inYen,
                           QStringList{joinedNames(sources)}});
    }

    void finish() {
        if (overflow || m_s.overflow)
            plan.error = QStringLiteral("ファイルの金額を足すと、計算できないほど大きくなります。"
                                        "ファイルの金額が正しいか確かめてください。");
    }

private:
    const Book& m_book;
    const Structure& m_s;
    const AccountMapping& m_mapping;
    QSet<int> m_reported; // boxes already spoken of
};

} // namespace

QString amountText(qint64 value, bool inYen) {
    return QLocale(QLocale::Japanese).toString(value) +
           (inYen ? QStringLiteral("円") : QStringLiteral("千円"));
}

Plan trialBalance(const Book& book, const Structure& structure, const AccountMapping& mapping) {
    Planner p(book, structure, mapping);
    p.gather();
    p.completeTrialBalance();
    for (const FormField& field : mapping.fields()) {
        if (!p.boxes.contains(field.id))
            continue;
        QStringList sources;
        if (const std::optional<qint64> yen =
                p.figureOf(field.id, booktable::balanceKey, sources, field.caption))
            p.fill(field.id, field, field.caption, *yen, sources);
    }
    p.finish();
    return p.plan;
}

Plan monthlyTable(const Book& book, const Structure& structure, const AccountMapping& mapping,
                  const QList<int>& rowMonths) {
    Planner p(book, structure, mapping);
    p.gather();
    const int lastMonth = rowMonths.isEmpty() ? 0 : rowMonths.last();
    QStringList closing;
    for (const FormField& field : mapping.fields()) {
        if (!p.boxes.contains(field.id))
            continue;
        // Each month goes to the row of the same calendar month, whichever month the file
        // starts with; the closing entries go to the business year's last month, so that
        // 計 is the year's figure.
        QStringList closingSources;
        const qint64 closingYen = p.figureOf(field.id, booktable::closingKey, closingSources,
                                             QStringLiteral("%1　決算整理").arg(field.caption))
                                      .value_or(0);
        for (int row = 1; row <= rowMonths.size(); ++row) {
            const int month = rowMonths.at(row - 1);
            const QString name = QStringLiteral("%1　%2月").arg(field.caption).arg(month);
            QStringList sources;
            std::optional<qint64> yen = p.figureOf(field.id, month, sources, name);
            if (month == lastMonth && closingYen != 0) {
                qint64 sum = yen.value_or(0);
                if (!bookfigures::addTo(sum, closingYen))
                    p.overflow = true;
                yen = sum;
                if (sources.isEmpty())
                    sources = closingSources;
                closing.append(
                    QStringLiteral("%1 %2").arg(field.caption, bookstructure::yenText(closingYen)));
            }
            if (yen)
                p.fill(monthlytable::cell(row, field.id), field, name, *yen, sources);
        }
    }
    if (!closing.isEmpty())
        p.plan.notes.append(QStringLiteral("決算整理の列の金額（%1）は、事業年度の最後の月（%2月）"
                                           "の行に含めました。")
                                .arg(closing.join(QStringLiteral("、")))
                                .arg(lastMonth));
    p.finish();
    return p.plan;
}

} // namespace gaikyo::bookplan
