#include "printcheck.h"

#include "datafile/numbers.h"
#include "itemvalues.h"
#include "printdata.h"
#include "statement/recordlayouts.h"

#include <QLocale>

namespace gaikyo::printcheck {

namespace {

// Section 7 主要科目 (file 30), 千円.
constexpr int sales = 1;
constexpr int costOfSales = 3;
constexpr int grossProfit = 11;
constexpr int officersPay = 12;
constexpr int assets = 20;
constexpr int liabilities = 30;
constexpr int netAssets = 35;
// Section 3: 常勤役員 (file 23).
constexpr int fullTimeOfficers = 10;
// Section 17: the 計 row of the two 売上（収入）金額 sub-columns (file 60), 千円.
constexpr int salesTotalFirst = 10 + 12;
constexpr int salesTotalSecond = 10 + 14 + 12;

QString amount(qint64 value) {
    return QLocale(QLocale::English).toString(value);
}

// The form's item a field belongs to, as its heading on the form reads.
QString formItem(int section, int field) {
    switch (section) {
    case 22:
        return QStringLiteral("2 支店・海外取引状況");
    case 23:
        return QStringLiteral("3 期末従業員等の状況");
    case 25:
        return QStringLiteral("5 経理の状況");
    case 30:
        return field <= netAssets ? QStringLiteral("7 主要科目")
                                  : QStringLiteral("10 代表者に対する報酬等の金額");
    default:
        return QString();
    }
}

QString fieldCaption(int section, int field) {
    const RecordLayout& layout = layouts::section(section);
    const qsizetype index = field - 1;
    if (index < layout.texts.size())
        return layout.texts.at(index).caption;
    return layout.integers.at(index - layout.texts.size()).caption;
}

QString captionOf(const LayoutItem& item) {
    switch (item.source) {
    case LayoutItem::Source::ReferenceNumber:
        return QStringLiteral("整理番号");
    case LayoutItem::Source::Header: {
        const QString ends[] = {QStringLiteral("自"), QStringLiteral("至")};
        const QString parts[] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
        const int index = item.field - 6; // lines 6 to 11
        return QStringLiteral("事業年度（%1）の%2").arg(ends[index / 3], parts[index % 3]);
    }
    case LayoutItem::Source::Field:
        return QStringLiteral("【%1】%2")
            .arg(formItem(item.section, item.field), fieldCaption(item.section, item.field));
    case LayoutItem::Source::Month:
        break;
    }
    return QString();
}

// Digit boxes print one character a box from the right, digit splits one digit a box:
// what does not fit is lost from the front.
QList<QStringList> digitsThatDoNotFit(const ItemValues& values) {
    QList<QStringList> found;
    // Only the front page has digit boxes.
    for (const LayoutPart* part : {&pagelayouts::frontFirstHalf(), &pagelayouts::frontSecondHalf()})
        for (const LayoutItem& item : *part) {
            const bool boxes = item.kind == LayoutItem::Kind::DigitBoxes;
            if (!boxes && item.kind != LayoutItem::Kind::DigitSplit)
                continue;
            const std::optional<qint32> value = values.integer(item);
            if (!value)
                continue;
            const QString written = plainDecimal(*value);
            const qsizetype places = item.officialX.size();
            // A digit split puts the minus sign into every box; digit boxes give it a box.
            const qsizetype needed = boxes || *value >= 0 ? written.size() : written.size() - 1;
            if (needed <= places)
                continue;
            found.append({captionOf(item), written, QString::number(places),
                          written.left(written.size() - places)});
        }
    return found;
}

QList<QStringList> salesAgainstMonthlyTotal(const ItemValues& values) {
    const PrintData& d = values.data();
    const qint64 monthly =
        qint64(d.integer(60, salesTotalFirst)) + qint64(d.integer(60, salesTotalSecond));
    const qint32 accounts = d.integer(30, sales);
    if (monthly == accounts)
        return {};
    return {{amount(monthly), amount(accounts)}};
}

QList<QStringList> balanceSheet(const ItemValues& values) {
    const PrintData& d = values.data();
    const qint64 sum = qint64(d.integer(30, liabilities)) + qint64(d.integer(30, netAssets));
    if (sum == d.integer(30, assets))
        return {};
    return {{amount(d.integer(30, assets)), amount(d.integer(30, liabilities)),
             amount(d.integer(30, netAssets)), amount(sum)}};
}

QList<QStringList> grossProfitOfSales(const ItemValues& values) {
    const PrintData& d = values.data();
    const qint64 difference = qint64(d.integer(30, sales)) - qint64(d.integer(30, costOfSales));
    if (difference == d.integer(30, grossProfit))
        return {};
    return {{amount(d.integer(30, grossProfit)), amount(d.integer(30, sales)),
             amount(d.integer(30, costOfSales)), amount(difference)}};
}

QList<QStringList> officersWithoutPay(const ItemValues& values) {
    const PrintData& d = values.data();
    const qint32 officers = d.integer(23, fullTimeOfficers);
    if (officers == 0 || d.integer(30, officersPay) != 0)
        return {};
    return {{amount(officers)}};
}

QList<QStringList> payWithoutOfficers(const ItemValues& values) {
    const PrintData& d = values.data();
    const qint32 pay = d.integer(30, officersPay);
    if (pay == 0 || d.integer(23, fullTimeOfficers) != 0)
        return {};
    return {{amount(pay)}};
}

bool covers(Pages rule, Pages printed) {
    return rule == Pages::Both || printed == Pages::Both || rule == printed;
}

} // namespace

const QList<Rule>& rules() {
    static const QList<Rule> table = {
        {Pages::Front,
         QStringLiteral("%1 %2 は %3 桁の欄に入りきりません。先頭の「%4」が印刷されません。"),
         digitsThatDoNotFit},
        {Pages::Both,
         QStringLiteral("【17 月別の売上高等の状況】売上（収入）金額の計 %1 千円が、【7 "
                        "主要科目】売上（収入）高 %2 千円と合いません。"),
         salesAgainstMonthlyTotal},
        {Pages::Front,
         QStringLiteral("【7 主要科目】資産の部合計 %1 千円が、負債の部合計 %2 千円と純資産の部"
                        "合計 %3 千円の和 %4 千円と合いません。"),
         balanceSheet},
        {Pages::Front,
         QStringLiteral("【7 主要科目】売上（収入）総利益 %1 千円が、売上（収入）高 %2 千円から"
                        "売上（収入）原価 %3 千円を引いた %4 千円と合いません。"),
         grossProfitOfSales},
        {Pages::Front,
         QStringLiteral("【3 期末従業員等の状況】常勤役員が %1 人いますが、【7 "
                        "主要科目】役員報酬が 0 です。"),
         officersWithoutPay},
        {Pages::Front,
         QStringLiteral("【7 主要科目】役員報酬が %1 千円ありますが、【3 "
                        "期末従業員等の状況】常勤役員が 0 人です。"),
         payWithoutOfficers},
    };
    return table;
}

QStringList lines(const ItemValues& values, Pages pages) {
    QStringList all;
    for (const Rule& rule : rules()) {
        if (!covers(rule.pages, pages))
            continue;
        for (const QStringList& arguments : rule.find(values)) {
            QString line = rule.message;
            for (const QString& argument : arguments)
                line = line.arg(argument);
            all.append(line);
        }
    }
    return all;
}

} // namespace gaikyo::printcheck
