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

// Every box holds its figure cut to 千円, so a sum of boxes may fall short of the box
// that holds the whole by less than one 千円 for each box summed (and for the whole).
// A difference no larger than the number of boxes summed says nothing about the figures.
bool onlyCutOff(qint64 difference, int terms) {
    return difference != 0 && qAbs(difference) <= terms;
}

struct Difference {
    qint64 sum = 0;   // what the boxes add up to
    qint64 whole = 0; // the box that holds the whole
    int terms = 0;    // the boxes summed
};

// 17's 計 of the two 売上 sub-columns (the sum of the months as the boxes show them)
// against 7's 売上（収入）高.
Difference salesDifference(const ItemValues& values) {
    const PrintData& d = values.data();
    Difference diff{qint64(d.integer(60, salesTotalFirst)) +
                        qint64(d.integer(60, salesTotalSecond)),
                    d.integer(30, sales), 0};
    for (const int first : {1, 15}) {
        bool used = false;
        for (int row = 0; row < 12; ++row)
            used = used || d.integer(60, 10 + first - 1 + row) != 0;
        diff.terms += used ? 12 : 0;
    }
    return diff;
}

QList<QStringList> salesAgainstMonthlyTotal(const ItemValues& values) {
    const Difference diff = salesDifference(values);
    if (diff.sum == diff.whole || onlyCutOff(diff.sum - diff.whole, diff.terms))
        return {};
    return {{amount(diff.sum), amount(diff.whole)}};
}

QList<QStringList> salesCutOff(const ItemValues& values) {
    const Difference diff = salesDifference(values);
    if (!onlyCutOff(diff.sum - diff.whole, diff.terms))
        return {};
    return {{amount(diff.sum), amount(diff.whole), amount(qAbs(diff.sum - diff.whole))}};
}

Difference balanceDifference(const ItemValues& values) {
    const PrintData& d = values.data();
    return {qint64(d.integer(30, liabilities)) + qint64(d.integer(30, netAssets)),
            d.integer(30, assets), 2};
}

QList<QStringList> balanceSheet(const ItemValues& values) {
    const PrintData& d = values.data();
    const Difference diff = balanceDifference(values);
    if (diff.sum == diff.whole || onlyCutOff(diff.sum - diff.whole, diff.terms))
        return {};
    return {{amount(d.integer(30, assets)), amount(d.integer(30, liabilities)),
             amount(d.integer(30, netAssets)), amount(diff.sum)}};
}

QList<QStringList> balanceSheetCutOff(const ItemValues& values) {
    const PrintData& d = values.data();
    const Difference diff = balanceDifference(values);
    if (!onlyCutOff(diff.sum - diff.whole, diff.terms))
        return {};
    return {{amount(d.integer(30, assets)), amount(diff.sum), amount(qAbs(diff.sum - diff.whole))}};
}

Difference grossProfitDifference(const ItemValues& values) {
    const PrintData& d = values.data();
    return {qint64(d.integer(30, sales)) - qint64(d.integer(30, costOfSales)),
            d.integer(30, grossProfit), 2};
}

QList<QStringList> grossProfitOfSales(const ItemValues& values) {
    const PrintData& d = values.data();
    const Difference diff = grossProfitDifference(values);
    if (diff.sum == diff.whole || onlyCutOff(diff.sum - diff.whole, diff.terms))
        return {};
    return {{amount(d.integer(30, grossProfit)), amount(d.integer(30, sales)),
             amount(d.integer(30, costOfSales)), amount(diff.sum)}};
}

QList<QStringList> grossProfitCutOff(const ItemValues& values) {
    const PrintData& d = values.data();
    const Difference diff = grossProfitDifference(values);
    if (!onlyCutOff(diff.sum - diff.whole, diff.terms))
        return {};
    return {{amount(d.integer(30, grossProfit)), amount(diff.sum),
             amount(qAbs(diff.sum - diff.whole))}};
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
        {Pages::Both,
         QStringLiteral("【17 月別の売上高等の状況】売上（収入）金額の計 %1 千円と、【7 "
                        "主要科目】売上（収入）高 %2 千円の差 %3 千円は、千円未満切捨てによる差"
                        "です。"),
         salesCutOff},
        {Pages::Front,
         QStringLiteral("【7 主要科目】資産の部合計 %1 千円と、負債の部合計と純資産の部合計の和 "
                        "%2 千円の差 %3 千円は、千円未満切捨てによる差です。"),
         balanceSheetCutOff},
        {Pages::Front,
         QStringLiteral("【7 主要科目】売上（収入）総利益 %1 千円と、売上（収入）高から売上（収入）"
                        "原価を引いた %2 千円の差 %3 千円は、千円未満切捨てによる差です。"),
         grossProfitCutOff},
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
