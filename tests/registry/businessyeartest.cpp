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

QTEST_GUILESS_MAIN(BusinessYearTest)
#include "businessyeartest.moc"
