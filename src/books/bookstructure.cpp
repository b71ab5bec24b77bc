#include "bookstructure.h"

#include "bookfigures.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace gaikyo::bookstructure {

using booktable::Amounts;
using booktable::Book;
using booktable::Row;

namespace {

// A total adds up at most so many rows side by side: looking further back for each total
// would make a long file take long.
constexpr qsizetype maxRowsOfTotal = 5000;

// The groups a row stands under that are looked at, innermost first: books nest a few
// levels deep, and a file of thousands of levels would otherwise take long.
constexpr qsizetype maxGroups = 16;

// What a row is before the rows around it are looked at.
enum class Kind {
    Heading,        // no figures, nothing below it
    Difference,     // a profit line
    NamedTotal,     // …計, …合計: a total of the rows before it
    GroupCandidate, // a group's name with figures: a total if rows next to it add up to it
    Account,
    Parent, // rows stand below it
};

// What the reader learns of a node on the way, beside what the structure keeps.
struct Place {
    int depth = 0;
    int parent = -1; // none: the node stands at the top
    QList<int> children;
    int position = -1;  // in the list of rows side by side it stands in, once looked at
    bool isSub = false; // the file marks it as a 補助科目
    Kind kind = Kind::Account;
    // A total below its rows: the position in its list that its rows begin after (-1: the
    // list's start).
    std::optional<int> spanStart;
    int ownerAbove = -1; // the total standing above it that counts it
    int owner = -1;      // the total whose known rows include it
    QString statement;   // the 帳票 in force
};

std::optional<QString> baseOfTotal(const QString& key) {
    // "Σ 売上高", "計 販売費及び一般管理費": a mark before the name.
    for (const QString& mark : {QStringLiteral("Σ"), QStringLiteral("∑")})
        if (key.startsWith(mark))
            return key.mid(mark.size());
    for (const QString& mark : {QStringLiteral("合計"), QStringLiteral("計")})
        if (key.startsWith(mark) && isGroupName(key.mid(mark.size())))
            return key.mid(mark.size());
    for (const QString& suffix : {QStringLiteral("合計"), QStringLiteral("小計"),
                                  QStringLiteral("総計"), QStringLiteral("計")})
        if (key.endsWith(suffix))
            return key.chopped(suffix.size());
    return std::nullopt;
}

// Accounts that only the selling and administrative expenses have.
bool isSellingOnly(const QString& key) {
    static const QSet<QString> names = [] {
        QSet<QString> set;
        for (const char* name :
             {"役員報酬", "役員給与", "役員賞与", "広告宣伝費", "広告費", "交際費", "接待交際費",
              "荷造運賃", "荷造発送費", "発送費", "販売手数料", "販売促進費", "会議費", "見本費",
              "寄付金", "支払報酬", "支払報酬料", "諸会費", "新聞図書費"})
            set.insert(QString::fromUtf8(name));
        return set;
    }();
    return names.contains(key);
}

// Accounts that only the cost of sales or the manufacturing costs have.
bool isCostOnly(const QString& key) {
    if (key.contains(QStringLiteral("棚卸高")) || key.contains(QStringLiteral("仕入")) ||
        key.contains(QStringLiteral("材料")) || key.contains(QStringLiteral("仕掛品")))
        return true;
    for (const char* name : {"賃金", "外注加工費", "電力費", "動力費", "工場消耗品費", "燃料費",
                             "製造経費", "工事原価"})
        if (key == QString::fromUtf8(name))
            return true;
    return false;
}

// 合計, 借方合計, 総合計: the whole file's sum, which a single balance column cannot show.
bool isGrandTotal(const QString& base) {
    return base.isEmpty() || base == QStringLiteral("借方") || base == QStringLiteral("貸方") ||
           base == QStringLiteral("総");
}

bool equalAmounts(const Amounts& a, const Amounts& b) {
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (it.value() != b.value(it.key()))
            return false;
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        if (it.value() != a.value(it.key()))
            return false;
    return true;
}

// A cost report: 製造原価報告書, 完成工事原価報告書, 運送原価報告書, 役務原価報告書 … Its
// accounts are costs of sales whatever their names (租税公課, 減価償却費 …).
bool isCostReport(const QString& key) {
    return key.contains(QStringLiteral("製造")) || key.contains(QStringLiteral("原価報告書")) ||
           key.contains(QStringLiteral("原価明細"));
}

AccountSection statementSection(const QString& statement, AccountSection current) {
    const QString key = bookfigures::accountKey(statement);
    if (isCostReport(key))
        return AccountSection::Manufacturing;
    if (key.contains(QStringLiteral("売上原価")) || key.contains(QStringLiteral("工事原価")))
        return AccountSection::CostOfSales;
    if (key.contains(QStringLiteral("損益")) || key.contains(QStringLiteral("貸借")))
        return AccountSection::Other;
    return current;
}

class Builder {
public:
    Builder(const Book& book, const std::function<bool(const QString&)>& known)
        : m_book(book), m_known(known), m_contraRule(!book.debitMinusCredit) {}

    Structure run() {
        buildTree();
        for (qsizetype i = m_s.nodes.size() - 1; i >= 0; --i) {
            const int n = static_cast<int>(i);
            if (m_places.at(n).children.isEmpty())
                classifyLeaf(n);
            else {
                flatPass(m_places.at(n).children);
                classifyParent(n);
            }
        }
        flatPass(m_roots);
        assignContexts();
        assignOwners();
        unreadableNotes();
        rowTotalChecks();
        return std::move(m_s);
    }

private:
    // --- the tree of depths -------------------------------------------------------

    int addNode(const Row* row, int rowIndex, const QString& name, int depth, qsizetype line,
                QList<int>& stack) {
        while (!stack.isEmpty() && m_places.at(stack.last()).depth >= depth)
            stack.removeLast();
        Node node;
        node.row = rowIndex;
        node.name = name;
        node.key = bookfigures::accountKey(name);
        node.line = line;
        if (row) {
            node.amounts = row->amounts;
            node.fileTotal = row->fileTotal;
            for (const booktable::Unreadable& u : row->unreadable)
                if (u.key >= 0 && !node.unreadableKeys.contains(u.key))
                    node.unreadableKeys.append(u.key);
        }
        const int n = static_cast<int>(m_s.nodes.size());
        m_s.nodes.append(std::move(node));
        const int parent = stack.isEmpty() ? -1 : stack.last();
        Place place;
        place.depth = depth;
        place.parent = parent;
        m_places.append(place);
        (parent < 0 ? m_roots : m_places[parent].children).append(n);
        stack.append(n);
        return n;
    }

    // Totals below their rows and profit lines close what stands above them; no row
    // stands under them, however deep it is written.
    static bool takesRows(const Row& row) {
        const QString key = row.key;
        return !isDifferenceLine(key) && !baseOfTotal(key);
    }

    void buildTree() {
        QList<int> stack;
        const QList<Row>& rows = m_book.rows;
        m_s.nodes.reserve(rows.size());
        for (int r = 0; r < rows.size(); ++r) {
            const Row& row = rows.at(r);
            if (row.subAccount && !row.account.isEmpty()) {
                // "普通預金 | Ａ銀行": the account is named on the row itself.
                const QString accountKey = bookfigures::accountKey(row.account);
                while (!stack.isEmpty() && m_places.at(stack.last()).depth >= row.depth)
                    stack.removeLast();
                if (stack.isEmpty() || m_s.nodes.at(stack.last()).key != accountKey)
                    addNode(nullptr, -1, row.account, row.accountDepth, row.line, stack);
            }
            addNode(&row, r, row.name, row.depth, row.line, stack);
            if (!takesRows(row))
                stack.removeLast();
        }
        for (int n = 0; n < m_s.nodes.size(); ++n)
            if (const Row* row = rowOf(n))
                m_places[n].isSub = row->subAccount;
    }

    const Row* rowOf(int n) const {
        const int r = m_s.nodes.at(n).row;
        return r >= 0 ? &m_book.rows.at(r) : nullptr;
    }

    bool hasFigures(int n) const {
        const Row* row = rowOf(n);
        return row && row->figures;
    }

    // --- each row by itself ----------------------------------------------------------

    void classifyLeaf(int n) {
        Node& node = m_s.nodes[n];
        if (m_places.at(n).isSub && m_places.at(n).parent < 0) {
            // A 補助科目 with no account above it: its figures belong to no account.
            node.role = Role::SubAccount;
            m_places[n].kind = Kind::Account;
            if (hasFigures(n))
                m_s.notes.append(QStringLiteral("%1行目の補助科目「%2」は、どの勘定科目のもの"
                                                "かわからないため取り込みません。")
                                     .arg(node.line)
                                     .arg(node.name));
            return;
        }
        if (!hasFigures(n)) {
            m_places[n].kind = Kind::Heading;
            node.role = Role::Heading;
        } else if (isDifferenceLine(node.key)) {
            m_places[n].kind = Kind::Difference;
            node.role = Role::Difference;
        } else if (baseOfTotal(node.key)) {
            m_places[n].kind = Kind::NamedTotal;
            node.role = Role::Total;
        } else if (isGroupName(node.key)) {
            m_places[n].kind = Kind::GroupCandidate;
            node.role = Role::Total;
        } else {
            m_places[n].kind = Kind::Account;
            node.role = Role::Account;
        }
    }

    void classifyParent(int n) {
        m_places[n].kind = Kind::Parent;
        Node& node = m_s.nodes[n];
        const QList<int>& children = m_places.at(n).children;
        bool explicitSubs = node.row < 0;
        for (const int c : children)
            explicitSubs = explicitSubs || m_places.at(c).isSub;
        // Rows below an account are its sub-accounts, whatever they are called; rows below
        // a group are its accounts. 売上高 is both: its rows are sub-accounts (customers)
        // unless they are accounts themselves (商品売上高, 製品売上高).
        const auto subsByName = [&] {
            if (baseOfTotal(node.key) || isDifferenceLine(node.key))
                return false;
            for (const int c : children)
                if (!m_places.at(c).children.isEmpty())
                    return false;
            const bool known = m_known(node.key);
            const bool group = isGroupName(node.key);
            if (known && !group)
                return true;
            for (const int c : children) {
                const QString& key = m_s.nodes.at(c).key;
                if (m_known(key) || isGroupName(key))
                    return false;
            }
            return known || !group;
        };
        const bool subs = explicitSubs || subsByName();
        if (subs) {
            node.role = Role::Account;
            Amounts sum;
            for (const int c : children) {
                markSub(c);
                add(sum, m_s.nodes.at(c).amounts);
                for (const int key : m_s.nodes.at(c).unreadableKeys)
                    if (!node.unreadableKeys.contains(key))
                        node.unreadableKeys.append(key);
            }
            node.members = children;
            if (!hasFigures(n))
                node.amounts = sum;
            else if (!agrees(node.amounts, sum, children.size(), m_book.unitYen))
                disagree(n, node.amounts, sum, QStringLiteral("その補助科目"));
            return;
        }
        const QList<int> items =
            spanItems(children, -1, static_cast<int>(children.size()), children.size());
        const Amounts sum = sumOf(items);
        node.members = items;
        for (const int item : items)
            m_places[item].owner = n;
        if (hasFigures(n)) {
            node.role = Role::Total;
            node.certain = true;
            if (!agrees(node.amounts, sum, items.size(), m_book.unitYen))
                disagree(n, node.amounts, sum, QStringLiteral("その下の科目"));
        } else {
            node.role = Role::Heading;
            node.amounts = sum;
        }
    }

    void markSub(int n) {
        m_s.nodes[n].role = Role::SubAccount;
        for (const int c : m_places.at(n).children)
            markSub(c);
    }

    // --- rows side by side: totals below their accounts, or above them ----------------

    bool isItem(int n) const {
        const Node& node = m_s.nodes.at(n);
        switch (node.role) {
        case Role::Account:
        case Role::Total:
            return m_places.at(n).kind != Kind::NamedTotal || m_places.at(n).spanStart;
        case Role::Heading:
            return !m_places.at(n).children.isEmpty();
        case Role::SubAccount:
        case Role::Difference:
            return false;
        }
        return false;
    }

    // The rows that a total standing at `end` of the list would add up, when its span
    // begins after `start`: accounts, and earlier totals in place of the rows they sum.
    // At most `limit` of them, the last ones.
    QList<int> spanItems(const QList<int>& list, int start, int end,
                         qsizetype limit = maxRowsOfTotal) const {
        QList<int> items;
        int q = end - 1;
        while (q > start && items.size() < limit) {
            const int n = list.at(q);
            const std::optional<int> from = m_places.at(n).spanStart;
            if (from && m_s.nodes.at(n).role == Role::Total) {
                if (*from >= start) {
                    items.append(n);
                    q = *from;
                    continue;
                }
                --q; // its own rows reach before the span: they count one by one
                continue;
            }
            const int above = m_places.at(n).ownerAbove;
            if (above >= 0 && m_places.at(above).position >= start) {
                --q; // counted in the total standing above it
                continue;
            }
            if (isItem(n))
                items.append(n);
            --q;
        }
        std::reverse(items.begin(), items.end());
        return items;
    }

    // A figure as it counts in a sum: accounts that reduce their group count negative
    // where the file shows them positive.
    Amounts valueOf(int n) const {
        const Node& node = m_s.nodes.at(n);
        if (!m_contraRule || node.role != Role::Account || !isContraAccount(node.key))
            return node.amounts;
        Amounts value = node.amounts;
        for (auto it = value.begin(); it != value.end(); ++it)
            if (it.value() > 0)
                it.value() = -it.value();
        return value;
    }

    void add(Amounts& sum, const Amounts& amounts) {
        for (auto it = amounts.cbegin(); it != amounts.cend(); ++it)
            if (!bookfigures::addTo(sum[it.key()], it.value()))
                m_s.overflow = true;
    }

    Amounts sumOf(const QList<int>& items) {
        Amounts sum;
        for (const int n : items)
            add(sum, valueOf(n));
        return sum;
    }

    // Where a pass over rows side by side has come to: the positions spans may begin after.
    struct Pass {
        int lastHeading = -1;
        int lastTotal = -1;
        // The heading of each name, or the row before a group of that name with its rows
        // below it: a total of the same name counts the rows after it.
        QHash<QString, int> headingAt;
    };

    // Rows side by side: which of them are totals, and of which rows.
    void flatPass(const QList<int>& list) {
        for (int p = 0; p < list.size(); ++p)
            m_places[list.at(p)].position = p;
        Pass pass;
        for (int p = 0; p < list.size(); ++p) {
            const int n = list.at(p);
            const Kind kind = m_places.at(n).kind;
            if (kind == Kind::Heading) {
                pass.lastHeading = p;
                pass.headingAt.insert(m_s.nodes.at(n).key, p);
                continue;
            }
            // A group with its rows below it: a total of the same name counts it whole.
            if (kind == Kind::Parent)
                pass.headingAt.insert(m_s.nodes.at(n).key, p - 1);
            if (kind == Kind::NamedTotal || kind == Kind::GroupCandidate)
                settleTotal(list, p, pass);
        }
    }

    // A row that may be a total, tried one way after another.
    void settleTotal(const QList<int>& list, int p, Pass& pass) {
        const int n = list.at(p);
        Node& node = m_s.nodes[n];
        const Kind kind = m_places.at(n).kind;
        const QString base =
            kind == Kind::NamedTotal ? baseOfTotal(node.key).value_or(QString()) : node.key;
        std::optional<int> named;
        if (!base.isEmpty())
            if (const auto it = pass.headingAt.constFind(base); it != pass.headingAt.cend())
                named = *it;
        if ((named && totalOfNamedRows(list, p, *named)) || totalOfRowsBefore(list, p)) {
            pass.lastTotal = p;
            return;
        }
        const bool namedRows = named && !spanItems(list, *named, p).isEmpty();
        if ((kind == Kind::NamedTotal && !isGrandTotal(base)) || namedRows) {
            totalNotAddingUp(list, p, namedRows ? named : std::nullopt, pass);
            pass.lastTotal = p;
            return;
        }
        if (settleAbove(list, p))
            return;
        if (m_known(node.key)) {
            m_places[n].kind = Kind::Account;
            node.role = Role::Account;
            return;
        }
        // A total whose rows are elsewhere, or not in the file at all: it stands for
        // itself (当期製品製造原価 in the 損益計算書).
        node.role = Role::Total;
        node.certain = false;
    }

    // The rows after the heading of the total's name, where they add up to it.
    bool totalOfNamedRows(const QList<int>& list, int p, int named) {
        const int n = list.at(p);
        const QList<int> items = spanItems(list, named, p);
        if (items.isEmpty() ||
            !agrees(m_s.nodes.at(n).amounts, sumOf(items), items.size(), m_book.unitYen))
            return false;
        settleBelow(n, named, items, true);
        return true;
    }

    // The rows just before it, as few as add up to it: its own accounts, or the totals of
    // its parts (流動資産合計 and 固定資産合計 for 資産の部合計).
    bool totalOfRowsBefore(const QList<int>& list, int p) {
        const int n = list.at(p);
        const QList<int> before = spanItems(list, -1, p);
        Amounts sum;
        const qsizetype longest = std::min<qsizetype>(before.size(), maxRowsOfTotal);
        for (qsizetype k = 1; k <= longest; ++k) {
            const int first = before.at(before.size() - k);
            add(sum, valueOf(first));
            if (agrees(m_s.nodes.at(n).amounts, sum, k, m_book.unitYen)) {
                settleBelow(n, m_places.at(first).position - 1, before.mid(before.size() - k),
                            true);
                return true;
            }
        }
        return false;
    }

    // A total of the rows before it that they do not add up to: an account lost or
    // misread. Said, with both figures. Where its rows are not known (no heading of its
    // name), the span nearest to its figure is the likeliest.
    void totalNotAddingUp(const QList<int>& list, int p, std::optional<int> named,
                          const Pass& pass) {
        const int n = list.at(p);
        const Node& node = m_s.nodes.at(n);
        int s = named.value_or(-1);
        if (!named) {
            qint64 nearest = -1;
            for (const int start : {pass.lastTotal, pass.lastHeading, -1}) {
                const Amounts sum = sumOf(spanItems(list, start, p));
                qint64 off = 0;
                for (auto it = node.amounts.cbegin(); it != node.amounts.cend(); ++it)
                    off = std::max(off, qAbs(it.value() - sum.value(it.key())));
                if (nearest < 0 || off < nearest) {
                    nearest = off;
                    s = start;
                }
            }
        }
        const QList<int> items = spanItems(list, s, p);
        settleBelow(n, s, items, false);
        disagree(n, node.amounts, sumOf(items), QStringLiteral("その上の科目"));
    }

    void settleBelow(int n, int start, const QList<int>& items, bool certain) {
        Node& node = m_s.nodes[n];
        node.role = Role::Total;
        node.certain = certain;
        node.members = items;
        m_places[n].spanStart = start;
        if (certain)
            for (const int item : items)
                m_places[item].owner = n;
    }

    // A group's name followed by rows that add up to it: the total stands above them.
    bool settleAbove(const QList<int>& list, int p) {
        const int n = list.at(p);
        Amounts sum;
        QList<int> items;
        for (int q = p + 1; q < list.size(); ++q) {
            const int m = list.at(q);
            const Kind kind = m_places.at(m).kind;
            if (kind == Kind::Heading || kind == Kind::Difference || kind == Kind::NamedTotal ||
                kind == Kind::GroupCandidate || !isItem(m))
                break;
            items.append(m);
            add(sum, valueOf(m));
            if (agrees(m_s.nodes.at(n).amounts, sum, items.size(), m_book.unitYen)) {
                Node& node = m_s.nodes[n];
                node.role = Role::Total;
                node.certain = true;
                node.members = items;
                for (const int item : items) {
                    m_places[item].ownerAbove = n;
                    m_places[item].owner = n;
                }
                return true;
            }
        }
        return false;
    }

    // --- sections and groups ------------------------------------------------------------

    struct Context {
        AccountSection section = AccountSection::Other;
        StatementPart part = StatementPart::Unknown;
        bool guessed = false;
        QStringList groups; // innermost first
        QString statement;
    };

    // The rows a heading stands over: its own rows, or in a flat list the rows after it up
    // to the next heading.
    QList<int> rowsUnder(int n) const {
        const Place& place = m_places.at(n);
        if (!place.children.isEmpty())
            return place.children;
        const QList<int>& list = place.parent < 0 ? m_roots : m_places.at(place.parent).children;
        QList<int> rows;
        for (qsizetype p = place.position + 1; p > 0 && p < list.size(); ++p) {
            if (m_places.at(list.at(p)).kind == Kind::Heading)
                break;
            rows.append(list.at(p));
        }
        return rows;
    }

    // What the accounts under a heading show of their section: accounts that only the
    // selling and administrative expenses have, or only the cost of sales.
    AccountSection sectionShownBy(const QList<int>& rows) const {
        bool selling = false;
        bool cost = false;
        for (const int n : rows) {
            const QString& key = m_s.nodes.at(n).key;
            selling = selling || isSellingOnly(key);
            cost = cost || isCostOnly(key);
        }
        if (selling == cost)
            return AccountSection::Any;
        return selling ? AccountSection::Other : AccountSection::CostOfSales;
    }

    // A heading: the section and the part of the rows under it. A heading this reader
    // does not know, after the cost of sales, ends it where the accounts under it show the
    // selling and administrative expenses that come next; where they show nothing, the
    // section is unknown, so that no figure goes into a box of the wrong section.
    void enterHeading(Context& ctx, int n) const {
        const QString& key = m_s.nodes.at(n).key;
        const AccountSection named = sectionAfter(key, AccountSection::Any);
        ctx.part = partAfter(key, ctx.part);
        if (named != AccountSection::Any) {
            ctx.section = named;
            ctx.guessed = false;
            return;
        }
        // Within the manufacturing costs a group (経費, 人件費) is one of their parts; the
        // cost of sales of a merchant has none, so that there the same word may as well
        // head the selling costs.
        if (ctx.section != AccountSection::CostOfSales &&
            ctx.section != AccountSection::Manufacturing && ctx.section != AccountSection::Unknown)
            return;
        if (ctx.section != AccountSection::CostOfSales && (isKnownHeading(key) || m_known(key)))
            return;
        switch (sectionShownBy(rowsUnder(n))) {
        case AccountSection::Other:
            ctx.section = AccountSection::Other;
            ctx.part = StatementPart::Expenses;
            ctx.guessed = true;
            break;
        case AccountSection::CostOfSales:
            if (ctx.section == AccountSection::Unknown)
                ctx.section = AccountSection::CostOfSales;
            ctx.guessed = true;
            break;
        default:
            ctx.section = AccountSection::Unknown;
            ctx.part = StatementPart::Unknown;
            ctx.guessed = false;
            break;
        }
    }

    // A profit line, or the cost of sales' own total below its rows: nothing after it is
    // cost of sales; after 売上総利益 come the selling and administrative expenses.
    void passLine(Context& ctx, int n) const {
        const Node& node = m_s.nodes.at(n);
        const bool difference = m_places.at(n).kind == Kind::Difference;
        const QString base = baseOfTotal(node.key).value_or(node.key);
        const bool costTotal =
            node.role == Role::Total && m_places.at(n).spanStart &&
            (base == QStringLiteral("売上原価") || base == QStringLiteral("完成工事原価"));
        if (!difference && !costTotal)
            return;
        ctx.section = AccountSection::Other;
        ctx.guessed = false;
        if (costTotal || node.key.startsWith(QStringLiteral("売上総")) ||
            node.key.startsWith(QStringLiteral("完成工事総")))
            ctx.part = StatementPart::Expenses;
        else if (node.key.startsWith(QStringLiteral("税引前")))
            ctx.part = StatementPart::Taxes;
        else
            ctx.part = StatementPart::Unknown;
    }

    void assignContexts() {
        // The running context of each list of rows side by side, by the node they stand
        // under (-1 for the top).
        QHash<int, Context> running;
        QHash<int, QStringList> listGroups;
        for (int n = 0; n < m_s.nodes.size(); ++n) {
            const int parent = m_places.at(n).parent;
            if (!running.contains(parent)) {
                Context start;
                if (parent >= 0) {
                    const Node& p = m_s.nodes.at(parent);
                    start.section = p.section;
                    start.part = p.part;
                    start.guessed = p.sectionGuessed;
                    // Rows under an account are its sub-accounts, in its section.
                    if (p.role != Role::Account)
                        enterHeading(start, parent);
                    start.groups = (QStringList{p.key} + p.groups).mid(0, maxGroups);
                    start.statement = m_places.at(parent).statement;
                }
                running.insert(parent, start);
                listGroups.insert(parent, start.groups);
            }
            Context& ctx = running[parent];
            Node& node = m_s.nodes[n];
            if (const Row* row = rowOf(n)) {
                if (!row->statement.isEmpty() && row->statement != ctx.statement) {
                    ctx.statement = row->statement;
                    ctx.section = statementSection(row->statement, ctx.section);
                    ctx.part = partAfter(bookfigures::accountKey(row->statement), ctx.part);
                    ctx.guessed = false;
                    ctx.groups = listGroups.value(parent);
                }
                if (m_places.at(n).kind == Kind::Heading) {
                    enterHeading(ctx, n);
                    ctx.groups =
                        (QStringList{node.key} + listGroups.value(parent)).mid(0, maxGroups);
                }
            }
            node.section = ctx.section;
            node.part = ctx.part;
            node.sectionGuessed = ctx.guessed;
            // The headings it stands under (経費 of a cost report, 棚卸資産 …).
            node.groups = ctx.groups;
            m_places[n].statement = ctx.statement;
            // Rows that repeat their outer names stand under them as under headings.
            if (const Row* row = rowOf(n))
                for (const QString& outer : row->outerNames) {
                    const QString key = bookfigures::accountKey(outer);
                    node.section = sectionAfter(key, node.section);
                    node.part = partAfter(key, node.part);
                    node.groups.prepend(key);
                }
            // The total of a heading's name closes the heading: the rows after it stand
            // under it no longer (棚卸資産, its accounts, 棚卸資産小計, then 前払費用).
            if (const std::optional<QString> base = baseOfTotal(node.key);
                base && node.role == Role::Total && !ctx.groups.isEmpty() &&
                ctx.groups.first() == *base)
                ctx.groups.removeFirst();
            passLine(ctx, n);
        }
    }

    // Totals whose rows are known tell the section and the groups of those rows: the
    // rows that add up to 当期製品製造原価 are manufacturing costs.
    void assignOwners() {
        for (int n = 0; n < m_s.nodes.size(); ++n) {
            Node& node = m_s.nodes[n];
            QStringList owners;
            QSet<int> seen;
            for (int o = m_places.at(n).owner;
                 o >= 0 && !seen.contains(o) && seen.size() < maxGroups; o = m_places.at(o).owner) {
                seen.insert(o);
                const Node& owner = m_s.nodes.at(o);
                owners.append(owner.key);
                if (const std::optional<QString> base = baseOfTotal(owner.key);
                    base && !base->isEmpty())
                    owners.append(*base);
                const AccountSection implied = sectionAfter(owner.key, AccountSection::Any);
                if (const StatementPart part = partAfter(owner.key, StatementPart::Unknown);
                    part != StatementPart::Unknown && node.part == StatementPart::Unknown)
                    node.part = part;
                if (implied == AccountSection::Manufacturing)
                    node.section = AccountSection::Manufacturing;
                else if (implied == AccountSection::CostOfSales &&
                         (node.section == AccountSection::Other ||
                          node.section == AccountSection::Any))
                    node.section = AccountSection::CostOfSales;
            }
            node.groups = (owners + node.groups).mid(0, 2 * maxGroups);
        }
        // Sub-accounts follow their account.
        for (int n = 0; n < m_s.nodes.size(); ++n) {
            const Node& node = m_s.nodes.at(n);
            if (node.role == Role::Account)
                for (const int m : node.members) {
                    m_s.nodes[m].section = node.section;
                    m_s.nodes[m].part = node.part;
                    m_s.nodes[m].sectionGuessed = node.sectionGuessed;
                    m_s.nodes[m].groups = node.groups;
                }
        }
    }

    // --- what the user hears of ---------------------------------------------------------

    void disagree(int n, const Amounts& file, const Amounts& read, const QString& what) {
        const Node& node = m_s.nodes.at(n);
        QList<int> keys;
        for (auto it = file.cbegin(); it != file.cend(); ++it)
            if (it.value() != read.value(it.key()))
                keys.append(it.key());
        for (auto it = read.cbegin(); it != read.cend(); ++it)
            if (it.value() != file.value(it.key()) && !keys.contains(it.key()))
                keys.append(it.key());
        if (keys.isEmpty())
            return;
        std::sort(keys.begin(), keys.end());
        const int key = keys.first();
        const QString where = key == booktable::balanceKey
                                  ? QString()
                                  : QStringLiteral("の%1").arg(amountKeyName(key));
        QString text =
            QStringLiteral("%1行目「%2」%3 %4が、%5を足した %6と合いません。")
                .arg(node.line)
                .arg(node.name, where, yenText(file.value(key)), what, yenText(read.value(key)));
        if (keys.size() > 1)
            text.insert(text.size() - 1,
                        QStringLiteral("（ほかに%1か所合いません）").arg(keys.size() - 1));
        m_s.disagreements.append(text);
    }

    void unreadableNotes() {
        for (const Row& row : m_book.rows)
            for (const booktable::Unreadable& u :
                 row.cut ? QList<booktable::Unreadable>() : row.unreadable)
                m_s.notes.append(
                    QStringLiteral("%1行目「%2」の%3「%4」は金額として読めないため、取り込みに"
                                   "使いません。")
                        .arg(row.line)
                        .arg(row.name, u.column.isEmpty() ? QStringLiteral("金額") : u.column,
                             u.text));
    }

    // A monthly table's own 合計 column against the months of its row.
    void rowTotalChecks() {
        for (int n = 0; n < m_s.nodes.size(); ++n) {
            const Node& node = m_s.nodes.at(n);
            const Row* row = rowOf(n);
            if (!node.fileTotal || !row || !row->unreadable.isEmpty() || node.role == Role::Heading)
                continue;
            qint64 sum = 0;
            for (const qint64 yen : row->amounts)
                if (!bookfigures::addTo(sum, yen))
                    m_s.overflow = true;
            if (!agrees({{0, *node.fileTotal}}, {{0, sum}}, row->amounts.size(), m_book.unitYen))
                m_s.disagreements.append(
                    QStringLiteral("%1行目「%2」の合計の列 %3が、各月を足した %4と合いません。")
                        .arg(node.line)
                        .arg(node.name, yenText(*node.fileTotal), yenText(sum)));
        }
    }

    const Book& m_book;
    const std::function<bool(const QString&)>& m_known;
    const bool m_contraRule;
    Structure m_s;
    QList<int> m_roots;
    QList<Place> m_places; // beside each node, by its index
};

} // namespace

bool isDifferenceLine(const QString& key) {
    if (!key.endsWith(QStringLiteral("利益")) && !key.endsWith(QStringLiteral("損失")) &&
        !key.endsWith(QStringLiteral("損益")) && !key.endsWith(QStringLiteral("金額")))
        return false;
    static const QRegularExpression profit(QStringLiteral(
        "^(売上総|完成工事総|営業|経常|税引前当期純?|税引前|税引後当期純?|当期純?|差引)"
        "(利益|損失|損益)(金額)?$"));
    return profit.match(key).hasMatch();
}

bool isGroupName(const QString& key) {
    static const QSet<QString> names = [] {
        QSet<QString> set;
        for (const char* name : {"売上原価",
                                 "当期製品製造原価",
                                 "当期総製造費用",
                                 "製造原価",
                                 "当期製造原価",
                                 "製品製造原価",
                                 "完成工事原価",
                                 "当期工事原価",
                                 "当期完成工事原価",
                                 "材料費",
                                 "労務費",
                                 "製造経費",
                                 "経費",
                                 "販売費及び一般管理費",
                                 "販売費及一般管理費",
                                 "販売費・一般管理費",
                                 "一般管理費",
                                 "販管費",
                                 "営業外収益",
                                 "営業外費用",
                                 "特別利益",
                                 "特別損失",
                                 "流動資産",
                                 "固定資産",
                                 "有形固定資産",
                                 "無形固定資産",
                                 "投資その他の資産",
                                 "繰延資産",
                                 "流動負債",
                                 "固定負債",
                                 "資産の部",
                                 "負債の部",
                                 "純資産の部",
                                 "資産",
                                 "負債",
                                 "純資産",
                                 "株主資本",
                                 "資本剰余金",
                                 "利益剰余金",
                                 "その他利益剰余金",
                                 "売上高",
                                 "人件費",
                                 "現金及び預金",
                                 "現金預金",
                                 "棚卸資産"})
            set.insert(QString::fromUtf8(name));
        return set;
    }();
    return names.contains(key);
}

bool isContraAccount(const QString& key) {
    // 期末商品棚卸高, 期末未成工事支出金: the closing stock is taken off the costs.
    if (key.startsWith(QStringLiteral("期末")) &&
        (key.endsWith(QStringLiteral("棚卸高")) || key.endsWith(QStringLiteral("未成工事支出金"))))
        return true;
    for (const char* part : {"他勘定振替", "値引", "戻り", "戻し", "割戻"})
        if (key.contains(QString::fromUtf8(part)))
            return true;
    return key.endsWith(QStringLiteral("累計額")) || key == QStringLiteral("貸倒引当金") ||
           key == QStringLiteral("自己株式");
}

AccountSection sectionAfter(const QString& key, AccountSection current) {
    if (isDifferenceLine(key) || baseOfTotal(key))
        return current;
    if (isCostReport(key) || key == QStringLiteral("材料費") || key == QStringLiteral("労務費"))
        return AccountSection::Manufacturing;
    if (key.contains(QStringLiteral("売上原価")) || key.contains(QStringLiteral("工事原価")))
        return AccountSection::CostOfSales;
    static const QStringList others = [] {
        QStringList list;
        for (const char* other :
             {"販売", "管理費", "販管費", "営業外", "特別利益", "特別損失", "資産", "負債",
              "純資産", "売上高", "収益", "損益計算書", "貸借対照表", "株主資本", "法人税"})
            list.append(QString::fromUtf8(other));
        return list;
    }();
    for (const QString& other : others)
        if (key.contains(other))
            return AccountSection::Other;
    return current;
}

StatementPart partAfter(const QString& key, StatementPart current) {
    if (isDifferenceLine(key) || baseOfTotal(key))
        return current;
    // Looked up for every row and its groups: the words are made once.
    struct Word {
        QString text;
        bool whole; // the name is the word itself, not only contains it
        StatementPart part;
    };
    static const QList<Word> words = [] {
        QList<Word> list;
        const auto add = [&list](const char* text, bool whole, StatementPart part) {
            list.append({QString::fromUtf8(text), whole, part});
        };
        using P = StatementPart;
        // In this order: 製造原価 before 原価, 営業外収益 before 収益, 純資産 before 資産.
        add("製造", false, P::Manufacturing);
        add("原価報告書", false, P::Manufacturing);
        add("原価明細", false, P::Manufacturing);
        add("材料費", true, P::Manufacturing);
        add("労務費", true, P::Manufacturing);
        add("売上原価", false, P::CostOfSales);
        add("工事原価", false, P::CostOfSales);
        add("販売", false, P::Expenses);
        add("管理費", false, P::Expenses);
        add("販管費", false, P::Expenses);
        add("営業外収益", false, P::NonOperatingIncome);
        add("営業外費用", false, P::NonOperatingExpenses);
        add("特別利益", false, P::SpecialGains);
        add("特別損失", false, P::SpecialLosses);
        add("法人税", false, P::Taxes);
        add("純資産", false, P::NetAssets);
        add("株主資本", false, P::NetAssets);
        add("剰余金", false, P::NetAssets);
        add("評価・換算", false, P::NetAssets);
        add("新株予約権", false, P::NetAssets);
        add("負債", false, P::Liabilities);
        add("資産", false, P::Assets);
        add("売上高", false, P::Sales);
        add("完成工事高", true, P::Sales);
        add("売上", true, P::Sales);
        add("営業収益", true, P::Sales);
        add("収益", true, P::Sales);
        add("損益計算書", false, P::Unknown);
        add("貸借対照表", false, P::Unknown);
        return list;
    }();
    for (const Word& w : words)
        if (w.whole ? key == w.text : key.contains(w.text))
            return w.part;
    return current;
}

bool isCreditPart(StatementPart part) {
    switch (part) {
    case StatementPart::Sales:
    case StatementPart::NonOperatingIncome:
    case StatementPart::SpecialGains:
    case StatementPart::Liabilities:
    case StatementPart::NetAssets:
        return true;
    default:
        return false;
    }
}

bool isKnownHeading(const QString& key) {
    return isGroupName(key) || sectionAfter(key, AccountSection::Any) != AccountSection::Any ||
           partAfter(key, StatementPart::Unknown) != StatementPart::Unknown;
}

bool agrees(const Amounts& total, const Amounts& sum, qsizetype rows, qint64 unitYen) {
    if (unitYen <= 1)
        return equalAmounts(total, sum);
    const qint64 tolerance = std::max<qsizetype>(rows, 1) * unitYen;
    const auto near = [tolerance](qint64 a, qint64 b) {
        qint64 difference = 0;
        return !__builtin_sub_overflow(a, b, &difference) && difference <= tolerance &&
               difference >= -tolerance;
    };
    for (auto it = total.cbegin(); it != total.cend(); ++it)
        if (!near(it.value(), sum.value(it.key())))
            return false;
    for (auto it = sum.cbegin(); it != sum.cend(); ++it)
        if (!near(total.value(it.key()), it.value()))
            return false;
    return true;
}

QString yenText(qint64 yen) {
    return QLocale(QLocale::Japanese).toString(yen) + QStringLiteral("円");
}

QString amountKeyName(int key) {
    if (key == booktable::closingKey)
        return QStringLiteral("決算整理");
    if (key >= 1 && key <= 12)
        return QStringLiteral("%1月").arg(key);
    return QString();
}

Structure analyse(const Book& book, const std::function<bool(const QString& key)>& knownAccount) {
    return Builder(book, knownAccount).run();
}

} // namespace gaikyo::bookstructure
