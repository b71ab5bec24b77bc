#include "registry/companylist.h"
#include "datafile/drivec.h"
#include "registry/companypaths.h"
#include "support/testhome.h"

#include <QFile>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <QTest>

using namespace gaikyo;

namespace {

QByteArray master(int code, const QString& name, int year, int month, int day) {
    return test::crlfFile({QString::number(code), QStringLiteral("\"\""), u'"' + name + u'"',
                           QStringLiteral("\"\""), QStringLiteral("\"\""), QString::number(year),
                           QString::number(month), QString::number(day), "16", "3", "31"});
}

} // namespace

class CompanyListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // First, as the program does it: the start-up thread on a fresh start.
    void startUpListsAreTheRefillLists() {
        test::TestHome home;
        home.write(paths::masterFile(7), master(7, QStringLiteral("見本"), 15, 4, 1));
        home.write(paths::masterFile(50), test::crlfFile({"50", "\"\""}));
        home.write(paths::masterFile(999), master(999, QStringLiteral("末"), 30, 1, 1));
#ifdef Q_OS_UNIX
        // A pipe where a file should be: damaged, read by neither thread's open waiting.
        QVERIFY(::mkfifo(QFile::encodeName(drivec::hostPath(paths::masterFile(60))).constData(),
                         0600) == 0);
#else
        // No FIFOs (mkfifo) on Windows: a folder plays the damaged file.
        QVERIFY(QDir().mkpath(drivec::hostPath(paths::masterFile(60))));
#endif
        home.write(paths::registryFile(45),
                   test::fixture(QStringLiteral("registry/registry45_19values.txt")));
        home.write(paths::registryFile(46),
                   test::fixture(QStringLiteral("registry/registry46_18values.txt")));
        const QStringList companies = companylist::companyItems();
        const QStringList registry = companylist::registryItems();
        QCOMPARE(companies.size(), 2);
        QCOMPARE(registry.size(), 1);
        companylist::prepareForStartUp();
        QCOMPARE(companylist::companyItems(), companies);
        QCOMPARE(companylist::registryItems(), registry);
    }

    void itemText_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("item");
        QTest::newRow("one digit") << 7 << QStringLiteral("07 : 株式会社見本  [平成15.4.1]");
        QTest::newRow("two digits") << 45 << QStringLiteral("045 : 株式会社見本  [平成15.4.1]");
        QTest::newRow("99") << 99 << QStringLiteral("099 : 株式会社見本  [平成15.4.1]");
        QTest::newRow("three digits") << 123 << QStringLiteral("123 : 株式会社見本  [平成15.4.1]");
    }
    void itemText() {
        QFETCH(int, code);
        QFETCH(QString, item);
        QCOMPARE(companylist::itemText(code, QStringLiteral("株式会社見本"), 15, 4, 1), item);
        QCOMPARE(companylist::codeFromItem(item), std::optional<qint32>(code));
    }

    // The start date in the era it falls in; the files count on from 平成1.
    void itemTextEra_data() {
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<QString>("date");
        QTest::newRow("平成31年4月1日") << QList<int>{31, 4, 1} << QStringLiteral("[平成31.4.1]");
        QTest::newRow("令和元年5月1日") << QList<int>{31, 5, 1} << QStringLiteral("[令和元.5.1]");
        QTest::newRow("令和7年4月1日") << QList<int>{37, 4, 1} << QStringLiteral("[令和7.4.1]");
        // A start the calendar lacks is marked, never shown as a date.
        QTest::newRow("令和7年13月40日") << QList<int>{37, 13, 40} << QStringLiteral("[日付不正]");
        QTest::newRow("2月30日") << QList<int>{37, 2, 30} << QStringLiteral("[日付不正]");
        QTest::newRow("day 0") << QList<int>{37, 4, 0} << QStringLiteral("[日付不正]");
        QTest::newRow("year 0") << QList<int>{0, 4, 1} << QStringLiteral("[日付不正]");
    }
    void itemTextEra() {
        QFETCH(QList<int>, start);
        QFETCH(QString, date);
        QCOMPARE(companylist::itemText(7, QStringLiteral("見本"), start[0], start[1], start[2]),
                 QStringLiteral("07 : 見本  ") + date);
    }

    void companiesInCodeOrder() {
        test::TestHome home;
        home.write(paths::masterFile(123), master(123, QStringLiteral("三"), 15, 4, 1));
        home.write(paths::masterFile(7), master(7, QStringLiteral("見本,支店"), 15, 4, 1));
        home.write(paths::masterFile(45), master(45, QStringLiteral("四五"), 14, 10, 1));
        home.write(paths::masterFile(1000), master(1000, QStringLiteral("千"), 15, 4, 1));
        home.write(paths::masterFile(0), master(0, QStringLiteral("零"), 15, 4, 1));
        // A short file between them is left out; the list goes on after it.
        home.write(paths::masterFile(50), test::crlfFile({"50", "\"\""}));
        QCOMPARE(companylist::companyItems(),
                 QStringList({QStringLiteral("07 : 見本,支店  [平成15.4.1]"),
                              QStringLiteral("045 : 四五  [平成14.10.1]"),
                              QStringLiteral("123 : 三  [平成15.4.1]")}));
    }

    void itemShowsTheCodeOfLineOne() {
        test::TestHome home;
        home.write(paths::masterFile(8), master(12, QStringLiteral("別"), 15, 4, 1));
        QCOMPARE(companylist::companyItems(),
                 QStringList{QStringLiteral("012 : 別  [平成15.4.1]")});
    }

    void noFolderNoItems() {
        test::TestHome home;
        QVERIFY(companylist::companyItems().isEmpty());
        QVERIFY(companylist::registryItems().isEmpty());
    }

    void registryNeedsAllNineteenValues() {
        test::TestHome home;
        home.write(paths::registryFile(45),
                   test::fixture(QStringLiteral("registry/registry45_19values.txt")));
        home.write(paths::registryFile(46),
                   test::fixture(QStringLiteral("registry/registry46_18values.txt")));
        QCOMPARE(companylist::registryItems(),
                 QStringList{QStringLiteral("045 : ㈱テスト,支店  [平成14.10.1]")});
    }

    // The lists the start-up makes on its second thread are the lists a refill makes.
};

QTEST_GUILESS_MAIN(CompanyListTest)
#include "companylisttest.moc"
