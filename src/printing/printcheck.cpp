#include "printcheck.h"

#include "datafile/numbers.h"
#include "entryfit.h"
#include "itemvalues.h"
#include "printdata.h"
#include "registry/companyfields.h"
#include "statement/recordlayouts.h"
#include "yearcheck.h"

#include <QLocale>

#include <cmath>

namespace gaikyo::printcheck {

namespace {

// Section 3: 常勤役員 (file 23).
constexpr int fullTimeOfficers = 10;
// Item 12's lines.
constexpr int facilitiesSection = 40;

QString amount(qint64 value) {
    return QLocale(QLocale::English).toString(value);
}

// A field as the checks name it: 【its item's heading】its caption.
QString captionOf(const RecordField& field) {
    return QStringLiteral("【%1】%2").arg(field.item, field.caption);
}

QString captionOf(const LayoutItem& item) {
    switch (item.source) {
    case LayoutItem::Source::ReferenceNumber:
        return QString::fromUtf8(companyField(&CompanyRecord::referenceNumber).caption);
    case LayoutItem::Source::Header:
        return QString::fromUtf8(companyFields()[item.field - 1].caption);
    case LayoutItem::Source::Field:
        return captionOf(layouts::section(item.section).field(item.field));
    case LayoutItem::Source::Month:
        return captionOf(layouts::monthOrder().field(item.field));
    }
    return QString();
}

const QList<const LayoutPart*>& partsOf(formpictures::Page page) {
    static const QList<const LayoutPart*> front{&pagelayouts::frontFirstHalf(),
                                                &pagelayouts::frontSecondHalf()};
    static const QList<const LayoutPart*> back{&pagelayouts::backPage()};
    return page == formpictures::Page::Front ? front : back;
}

// How each entry of a page that is not in digit boxes fits its box. The boxes are alike
// on both sheets, so the A4 places tell.
template <typename Found>
QList<QStringList> fits(const ItemValues& values, formpictures::Page page, Found found) {
    QList<QStringList> all;
    for (const LayoutPart* part : partsOf(page))
        for (const LayoutItem& item : *part) {
            const QString text = values.printedText(item);
            if (text.isEmpty())
                continue;
            const entryfit::Fit fit =
                entryfit::fit(text, QPointF(item.a4X.first(), item.a4Y), entryfit::shapeOf(item),
                              entryfit::boxOf(item, page, false));
            const QStringList arguments = found(fit);
            if (!arguments.isEmpty())
                all.append(QStringList{captionOf(item)} + arguments);
        }
    return all;
}

// Entries drawn narrower than 80% of the form's characters; their percentage rounds down.
QStringList narrower(const entryfit::Fit& fit) {
    if (fit.asDesigned() || fit.cut() || fit.widthPercent() >= 80)
        return {};
    return {fit.lines.size() > 1 ? QStringLiteral("2行に分け、") : QString(),
            QString::number(int(std::floor(fit.widthPercent())))};
}

QStringList cut(const entryfit::Fit& fit) {
    if (!fit.cut())
        return {};
    return {fit.lostAtStart ? QStringLiteral("先頭") : QStringLiteral("末尾"), fit.lost};
}

QList<QStringList> narrowerOnFront(const ItemValues& values) {
    return fits(values, formpictures::Page::Front, narrower);
}
QList<QStringList> narrowerOnBack(const ItemValues& values) {
    return fits(values, formpictures::Page::Back, narrower);
}
QList<QStringList> cutOnFront(const ItemValues& values) {
    return fits(values, formpictures::Page::Front, cut);
}
QList<QStringList> cutOnBack(const ItemValues& values) {
    return fits(values, formpictures::Page::Back, cut);
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

// 12 主な設備等の状況 takes twelve lines on the screen; the sheet has room for fewer.
QList<QStringList> facilityLinesWithoutRoom(const ItemValues& values) {
    QList<QStringList> found;
    for (int line = facilities::printedLines + 1; line <= facilities::lines; ++line) {
        const int field = facilities::field(line);
        const QString text = values.data().text(facilitiesSection, field);
        if (text.trimmed().isEmpty())
            continue;
        found.append({captionOf(layouts::section(facilitiesSection).field(field)), text,
                      QString::number(facilities::printedLines)});
    }
    return found;
}

// Every box holds its figure cut to 千円, so a sum of boxes may fall short of the box
// that holds the whole by less than one 千円 for each box summed (and for the whole).
// A difference no larger than the number of boxes summed says nothing about the figures.
struct Difference {
    qint64 first = 0; // the figures compared, in the order the messages name them
    qint64 second = 0;
    int terms = 0; // the boxes summed

    qint64 gap() const { return qAbs(first - second); }
    bool onlyCutOff() const { return first != second && gap() <= terms; }
    bool real() const { return first != second && !onlyCutOff(); }
};

// 17's 計 of the two 売上 sub-columns (the sum of the months as the boxes show them)
// against 7's 売上（収入）高.
Difference salesDifference(const PrintData& d) {
    using namespace monthlytable;
    Difference diff{qint64(d.integer(60, monthlyTableField(totalRow, SalesFirst))) +
                        qint64(d.integer(60, monthlyTableField(totalRow, SalesSecond))),
                    mainAccount(d, MainAccount::Sales), 0};
    for (const int column : {SalesFirst, SalesSecond}) {
        bool used = false;
        for (int row = 1; row <= monthRows; ++row)
            used = used || d.integer(60, monthlyTableField(row, column)) != 0;
        diff.terms += used ? monthRows : 0;
    }
    return diff;
}

// 7's 資産の部合計 against 負債の部合計 and 純資産の部合計.
Difference balanceDifference(const PrintData& d) {
    return {mainAccount(d, MainAccount::Assets),
            qint64(mainAccount(d, MainAccount::Liabilities)) +
                qint64(mainAccount(d, MainAccount::NetAssets)),
            2};
}

// 7's 売上（収入）総利益 against 売上（収入）高 less 売上（収入）原価.
Difference grossProfitDifference(const PrintData& d) {
    return {mainAccount(d, MainAccount::GrossProfit),
            qint64(mainAccount(d, MainAccount::Sales)) -
                qint64(mainAccount(d, MainAccount::CostOfSales)),
            2};
}

QList<QStringList> salesAgainstMonthlyTotal(const ItemValues& values) {
    const Difference diff = salesDifference(values.data());
    if (!diff.real())
        return {};
    return {{amount(diff.first), amount(diff.second)}};
}

// 17's 源泉徴収税額: a 計 that is not the sum of its months, as files kept it while that
// 計 was typed by hand (the money columns' 計 has always been worked out on saving).
QList<QStringList> withholdingTotalAgainstMonths(const ItemValues& values) {
    using namespace monthlytable;
    const PrintData& d = values.data();
    qint64 sum = 0;
    bool hasMonths = false;
    for (int row = 1; row <= monthRows; ++row) {
        const qint32 month = d.integer(60, monthlyTableField(row, WithholdingTax));
        sum += month;
        hasMonths = hasMonths || month != 0;
    }
    const qint32 total = d.integer(60, monthlyTableField(totalRow, WithholdingTax));
    if (!hasMonths || total == sum)
        return {};
    return {{amount(total), amount(sum)}};
}

// The figure, the two accounts that make what it is compared with, and what they make,
// where the two differ by more than the cut-off.
template <Difference (*of)(const PrintData&), MainAccount first, MainAccount second>
QList<QStringList> disagreement(const ItemValues& values) {
    const PrintData& d = values.data();
    const Difference diff = of(d);
    if (!diff.real())
        return {};
    return {{amount(diff.first), amount(mainAccount(d, first)), amount(mainAccount(d, second)),
             amount(diff.second)}};
}

// Both figures and the gap, where the cut-off alone makes it.
template <Difference (*of)(const PrintData&)>
QList<QStringList> cutOffOnly(const ItemValues& values) {
    const Difference diff = of(values.data());
    if (!diff.onlyCutOff())
        return {};
    return {{amount(diff.first), amount(diff.second), amount(diff.gap())}};
}

QList<QStringList> officersWithoutPay(const ItemValues& values) {
    const PrintData& d = values.data();
    const qint32 officers = d.integer(23, fullTimeOfficers);
    if (officers == 0 || mainAccount(d, MainAccount::OfficersPay) != 0)
        return {};
    return {{amount(officers)}};
}

QList<QStringList> payWithoutOfficers(const ItemValues& values) {
    const PrintData& d = values.data();
    const qint32 pay = mainAccount(d, MainAccount::OfficersPay);
    if (pay == 0 || d.integer(23, fullTimeOfficers) != 0)
        return {};
    return {{amount(pay)}};
}

// The message with %1 … %9 replaced in one pass, so that an entry holding "%1" stays as
// typed.
QString filledIn(const QString& message, const QStringList& arguments) {
    QString line;
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar next = i + 1 < message.size() ? message[i + 1] : QChar();
        if (message[i] == QLatin1Char('%') && next >= QLatin1Char('1') &&
            next <= QLatin1Char('9') && next.digitValue() <= arguments.size()) {
            line += arguments.at(next.digitValue() - 1);
            ++i;
        } else {
            line += message[i];
        }
    }
    return line;
}

bool covers(Pages rule, Pages printed) {
    return rule == Pages::Both || printed == Pages::Both || rule == printed;
}

} // namespace

const QList<Rule>& rules() {
    const QString cutMessage =
        QStringLiteral("%1 は最も小さく縮めても欄に入りきりません。%2の「%3」が印刷されません。");
    const QString narrowerMessage =
        QStringLiteral("%1 は欄に入りきらないため、%2文字の幅を %3% に縮めて印刷されます。");
    static const QList<Rule> table = {
        {Pages::Both,
         QStringLiteral("【事業年度】%1〜%2 は正しい事業年度ではありません。%3"
                        "会社登録で直してください。"),
         impossibleBusinessYear},
        {Pages::Front,
         QStringLiteral("%1 %2 は %3 桁の欄に入りきりません。先頭の「%4」が印刷されません。"),
         digitsThatDoNotFit},
        {Pages::Front, cutMessage, cutOnFront},
        {Pages::Back, cutMessage, cutOnBack},
        {Pages::Back, QStringLiteral("%1「%2」は印刷されません。用紙の欄は %3 行までです。"),
         facilityLinesWithoutRoom},
        {Pages::Front, narrowerMessage, narrowerOnFront},
        {Pages::Back, narrowerMessage, narrowerOnBack},
        {Pages::Both,
         QStringLiteral("【17 月別の売上高等の状況】売上（収入）金額の計 %1 千円が、【7 "
                        "主要科目】売上（収入）高 %2 千円と合いません。"),
         salesAgainstMonthlyTotal},
        {Pages::Back,
         QStringLiteral("【17 月別の売上高等の状況】源泉徴収税額の計 %1 円が、各月の合計 %2 円と"
                        "合いません。"),
         withholdingTotalAgainstMonths},
        {Pages::Front,
         QStringLiteral("【7 主要科目】資産の部合計 %1 千円が、負債の部合計 %2 千円と純資産の部"
                        "合計 %3 千円の和 %4 千円と合いません。"),
         disagreement<balanceDifference, MainAccount::Liabilities, MainAccount::NetAssets>},
        {Pages::Front,
         QStringLiteral("【7 主要科目】売上（収入）総利益 %1 千円が、売上（収入）高 %2 千円から"
                        "売上（収入）原価 %3 千円を引いた %4 千円と合いません。"),
         disagreement<grossProfitDifference, MainAccount::Sales, MainAccount::CostOfSales>},
        {Pages::Both,
         QStringLiteral("【17 月別の売上高等の状況】売上（収入）金額の計 %1 千円と、【7 "
                        "主要科目】売上（収入）高 %2 千円の差 %3 千円は、千円未満切捨てによる差"
                        "です。"),
         cutOffOnly<salesDifference>},
        {Pages::Front,
         QStringLiteral("【7 主要科目】資産の部合計 %1 千円と、負債の部合計と純資産の部合計の和 "
                        "%2 千円の差 %3 千円は、千円未満切捨てによる差です。"),
         cutOffOnly<balanceDifference>},
        {Pages::Front,
         QStringLiteral("【7 主要科目】売上（収入）総利益 %1 千円と、売上（収入）高から売上（収入）"
                        "原価を引いた %2 千円の差 %3 千円は、千円未満切捨てによる差です。"),
         cutOffOnly<grossProfitDifference>},
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
        for (const QStringList& arguments : rule.find(values))
            all.append(filledIn(rule.message, arguments));
    }
    return all;
}

} // namespace gaikyo::printcheck
