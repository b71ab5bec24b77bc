#include "registry/businessyear.h"

#include <QTest>
#include <limits>

using namespace gaikyo;
using businessyear::Date;

namespace gaikyo::businessyear {
char* toString(const Date& date) {
    return QTest::toString(
        QStringLiteral("平成%1年%2月%3日").arg(date.year).arg(date.month).arg(date.day));
}
} // namespace gaikyo::businessyear

class BusinessYearTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void endOfBusinessYear_data();
    void endOfBusinessYear();
    void startWithoutEnd_data();
    void startWithoutEnd();
    void nextYear_data();
    void nextYear();
    void endWithoutNextYear_data();
    void endWithoutNextYear();
    void oneCheckOfTheYear_data();
    void oneCheckOfTheYear();
};

void BusinessYearTest::endOfBusinessYear_data() {
    QTest::addColumn<Date>("start");
    QTest::addColumn<Date>("end");
    QTest::newRow("April 1st: March 31st next year") << Date{15, 4, 1} << Date{16, 3, 31};
    QTest::newRow("January 1st: same year") << Date{15, 1, 1} << Date{15, 12, 31};
    QTest::newRow("March 1st into leap February") << Date{15, 3, 1} << Date{16, 2, 29};
    QTest::newRow("March 1st into common February") << Date{16, 3, 1} << Date{17, 2, 28};
    QTest::newRow("a day other than the 1st") << Date{15, 4, 21} << Date{16, 4, 20};
    QTest::newRow("May 1st: April has 30 days") << Date{15, 5, 1} << Date{16, 4, 30};
    QTest::newRow("December 1st") << Date{15, 12, 1} << Date{16, 11, 30};
    QTest::newRow("December 31st") << Date{15, 12, 31} << Date{16, 12, 30};
    QTest::newRow("29 February: last day of February") << Date{16, 2, 29} << Date{17, 2, 28};
    QTest::newRow("2100 is no leap year") << Date{111, 3, 1} << Date{112, 2, 28};
    QTest::newRow("2000 is a leap year") << Date{11, 3, 1} << Date{12, 2, 29};
    QTest::newRow("Heisei 0 (1988) into 1989") << Date{0, 3, 1} << Date{1, 2, 28};
}

void BusinessYearTest::endOfBusinessYear() {
    QFETCH(Date, start);
    QFETCH(Date, end);
    const businessyear::End result = businessyear::endOf(start);
    QVERIFY2(result.date.has_value(), qPrintable(result.problem));
    QCOMPARE(*result.date, end);
}

void BusinessYearTest::startWithoutEnd_data() {
    QTest::addColumn<Date>("start");
    QTest::addColumn<QString>("problem");
    QTest::newRow("month 0") << Date{15, 0, 1} << QStringLiteral("1から12");
    QTest::newRow("month 13") << Date{15, 13, 1} << QStringLiteral("1から12");
    QTest::newRow("April 31st") << Date{15, 4, 31}
                                << QStringLiteral("平成15年4月には31日がありません");
    QTest::newRow("29 February in a common year")
        << Date{15, 2, 29} << QStringLiteral("平成15年2月には29日がありません");
    QTest::newRow("day 0") << Date{15, 4, 0} << QStringLiteral("0日がありません");
    QTest::newRow("the last year number")
        << Date{std::numeric_limits<qint32>::max(), 4, 1} << QStringLiteral("大きすぎます");
}

void BusinessYearTest::startWithoutEnd() {
    QFETCH(Date, start);
    QFETCH(QString, problem);
    const businessyear::End result = businessyear::endOf(start);
    QVERIFY(!result.date.has_value());
    QVERIFY2(result.problem.contains(problem), qPrintable(result.problem));
}

void BusinessYearTest::nextYear_data() {
    QTest::addColumn<Date>("end");
    QTest::addColumn<Date>("start");
    QTest::addColumn<Date>("nextEnd");
    QTest::newRow("end of a month") << Date{16, 3, 31} << Date{16, 4, 1} << Date{17, 3, 31};
    QTest::newRow("end of the year") << Date{30, 12, 31} << Date{31, 1, 1} << Date{31, 12, 31};
    QTest::newRow("middle of a month") << Date{16, 6, 14} << Date{16, 6, 15} << Date{17, 6, 14};
    QTest::newRow("28 February of a leap year")
        << Date{16, 2, 28} << Date{16, 2, 29} << Date{17, 2, 28};
    QTest::newRow("29 February") << Date{16, 2, 29} << Date{16, 3, 1} << Date{17, 2, 28};
}

void BusinessYearTest::nextYear() {
    QFETCH(Date, end);
    QFETCH(Date, start);
    QFETCH(Date, nextEnd);
    const businessyear::Next next = businessyear::after(end);
    QVERIFY2(next.start && next.end, qPrintable(next.problem));
    QCOMPARE(*next.start, start);
    QCOMPARE(*next.end, nextEnd);
}

void BusinessYearTest::endWithoutNextYear_data() {
    QTest::addColumn<Date>("end");
    QTest::addColumn<QString>("problem");
    QTest::newRow("month 0") << Date{16, 0, 31} << QStringLiteral("終わりの月は1から12");
    QTest::newRow("29 February in a common year")
        << Date{29, 2, 29} << QStringLiteral("平成29年2月には29日がありません。終わりの日");
    QTest::newRow("day 0") << Date{16, 3, 0} << QStringLiteral("0日がありません");
    QTest::newRow("the year before the last year number")
        << Date{std::numeric_limits<qint32>::max() - 1, 12, 31}
        << QStringLiteral("終わりの年が大きすぎます");
    QTest::newRow("the last year number") << Date{std::numeric_limits<qint32>::max(), 3, 31}
                                          << QStringLiteral("終わりの年が大きすぎます");
}

void BusinessYearTest::endWithoutNextYear() {
    QFETCH(Date, end);
    QFETCH(QString, problem);
    const businessyear::Next next = businessyear::after(end);
    QVERIFY(!next.start && !next.end);
    QVERIFY2(next.problem.contains(problem), qPrintable(next.problem));
}

// The check every path that stores or prints a business year runs: which date, which
// part of it and why; nothing for a sound year (a first year may be shorter).
void BusinessYearTest::oneCheckOfTheYear_data() {
    using Side = businessyear::YearProblem::Side;
    using Part = businessyear::DateProblem::Part;
    QTest::addColumn<Date>("start");
    QTest::addColumn<Date>("end");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("part");
    QTest::addColumn<QString>("problem");
    const auto sound = [](const char* name, Date start, Date end) {
        QTest::newRow(name) << start << end << true << 0 << 0 << QString();
    };
    const auto refused = [](const char* name, Date start, Date end, Side side, Part part,
                            const char* problem) {
        QTest::newRow(name) << start << end << false << int(side) << int(part)
                            << QString::fromUtf8(problem);
    };
    sound("令和7年4月1日–令和8年3月31日", {37, 4, 1}, {38, 3, 31});
    sound("a short first year", {37, 10, 1}, {38, 3, 31});
    sound("a calendar year", {37, 1, 1}, {37, 12, 31});
    sound("from 29 February", {36, 2, 29}, {37, 2, 28});
    sound("one day", {37, 3, 31}, {37, 3, 31});
    sound("across the eras", {30, 5, 1}, {31, 4, 30});
    sound("平成元年1月8日", {1, 1, 8}, {1, 12, 31});
    refused("month 13", {37, 13, 1}, {38, 3, 31}, Side::Start, Part::Month, "1から12");
    refused("end month 0", {37, 4, 1}, {38, 0, 31}, Side::End, Part::Month, "終わりの月は1から12");
    refused("day 0", {37, 4, 0}, {38, 3, 31}, Side::Start, Part::Day, "0日がありません");
    refused("2月30日", {37, 2, 30}, {38, 1, 31}, Side::Start, Part::Day,
            "令和7年2月には30日がありません");
    refused("3月32日", {37, 4, 1}, {38, 3, 32}, Side::End, Part::Day,
            "令和8年3月には32日がありません");
    refused("7年13月40日", {37, 13, 40}, {38, 12, 31}, Side::Start, Part::Month, "1から12");
    refused("end before start", {37, 4, 1}, {36, 3, 31}, Side::End, Part::Year,
            "終わりの日（令和6年3月31日）が開始の日（令和7年4月1日）より前です");
    refused("a year of 31 years", {31, 4, 1}, {62, 3, 31}, Side::End, Part::Year,
            "12か月を超えています");
    refused("thirteen months", {37, 4, 1}, {38, 4, 30}, Side::End, Part::Year,
            "令和8年3月31日までに終わります");
    refused("令和2147483617", {std::numeric_limits<qint32>::max(), 4, 1},
            {std::numeric_limits<qint32>::max(), 4, 1}, Side::Start, Part::Year, "大きすぎます");
    refused("year 10000", {8012, 4, 1}, {8013, 3, 31}, Side::Start, Part::Year, "大きすぎます");
    refused("昭和64年1月7日", {1, 1, 7}, {1, 12, 31}, Side::Start, Part::Day,
            "平成は元年1月8日から");
    refused("before 平成", {0, 4, 1}, {1, 3, 31}, Side::Start, Part::Year, "平成元年");
}

void BusinessYearTest::oneCheckOfTheYear() {
    QFETCH(Date, start);
    QFETCH(Date, end);
    QFETCH(bool, sound);
    QFETCH(int, side);
    QFETCH(int, part);
    QFETCH(QString, problem);
    const std::optional<businessyear::YearProblem> found = businessyear::problemOf(start, end);
    QCOMPARE(!found.has_value(), sound);
    if (sound)
        return;
    QCOMPARE(int(found->side), side);
    QCOMPARE(int(found->part), part);
    QVERIFY2(found->text.contains(problem), qPrintable(found->text));
}

QTEST_GUILESS_MAIN(BusinessYearTest)
#include "businessyeartest.moc"
