#include "registry/masterfile.h"
#include "datafile/cp932.h"
#include "registry/companypaths.h"
#include "registry/registryfile.h"
#include "support/samplecompany.h"
#include "support/testhome.h"

#include <QTest>

using namespace gaikyo;

namespace {

CompanyRecord sampleRecord() {
    return test::sampleCompany(7);
}

} // namespace

class MasterFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheTwentySixLines() {
        test::TestHome home;
        home.write(paths::masterFolder() + QStringLiteral("keep"), {});
        QVERIFY(masterfile::write(sampleRecord()).ok());
        QCOMPARE(home.read(paths::masterFile(7)),
                 test::fixture(QStringLiteral("registry/master7.txt")));
    }

    void readsBackEveryLine() {
        test::TestHome home;
        home.write(paths::masterFile(7), test::fixture(QStringLiteral("registry/master7.txt")));
        CompanyRecord r;
        QVERIFY(masterfile::read(7, 15, r));
        const CompanyRecord e = sampleRecord();
        QCOMPARE(r.code, e.code);
        QCOMPARE(r.furigana, e.furigana);
        QCOMPARE(r.name, e.name);
        QCOMPARE(r.address, e.address);
        QCOMPARE(r.telephone, e.telephone);
        QCOMPARE(
            QList<qint32>({r.startYear, r.startMonth, r.startDay, r.endYear, r.endMonth, r.endDay}),
            QList<qint32>({15, 4, 1, 16, 3, 31}));
        QCOMPARE(r.homePage, e.homePage);
        QCOMPARE(r.respondent, e.respondent);
        QCOMPARE(r.referenceNumber, e.referenceNumber);
        QCOMPARE(r.representative, e.representative);
    }

    // A reader that stops early needs only the lines it reads; a shorter file fails but
    // keeps what it read.
    void readersStopEarly_data() {
        QTest::addColumn<int>("linesInFile");
        QTest::addColumn<int>("linesRead");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::newRow("list reader on a whole file") << 26 << 8 << true << QStringLiteral("見本");
        QTest::newRow("list reader, file of 8 lines") << 8 << 8 << true << QStringLiteral("見本");
        QTest::newRow("call-up reader, file of 8 lines")
            << 8 << 11 << false << QStringLiteral("見本");
        QTest::newRow("file of 2 lines") << 2 << 8 << false << QStringLiteral("old");
        QTest::newRow("empty file") << 0 << 1 << false << QStringLiteral("old");
    }
    void readersStopEarly() {
        QFETCH(int, linesInFile);
        QFETCH(int, linesRead);
        QFETCH(bool, ok);
        QFETCH(QString, name);
        test::TestHome home;
        const QStringList lines = {"9", "\"ミ\"", "\"見本\"", "\"\"", "\"\"", "1",
                                   "2", "3",      "4",        "5",    "6"};
        home.write(paths::masterFile(9), test::crlfFile(lines.mid(0, linesInFile)));
        CompanyRecord r;
        r.name = QStringLiteral("old");
        QCOMPARE(masterfile::read(9, linesRead, r), ok);
        QCOMPARE(r.name, name);
    }

    void refusesWhatTheFileCannotHold() {
        test::TestHome home;
        home.write(paths::masterFile(7), "old");
        CompanyRecord r = sampleRecord();
        r.address = QStringLiteral("東京都\"港区\"");
        const Status status = masterfile::write(r);
        QVERIFY(!status.ok());
        QVERIFY(status.message().contains(QStringLiteral("納税地")));
        QCOMPARE(home.read(paths::masterFile(7)), QByteArray("old"));
    }

    void registryFile_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("valuesRead");
        QTest::addColumn<bool>("ok");
        QTest::newRow("19 values, all read")
            << QStringLiteral("registry45_19values.txt") << 19 << true;
        QTest::newRow("18 values, all wanted")
            << QStringLiteral("registry46_18values.txt") << 19 << false;
        QTest::newRow("18 values, 16 wanted")
            << QStringLiteral("registry46_18values.txt") << 16 << true;
    }
    void registryFile() {
        QFETCH(QString, fixture);
        QFETCH(int, valuesRead);
        QFETCH(bool, ok);
        test::TestHome home;
        home.write(paths::registryFile(45), test::fixture(QStringLiteral("registry/") + fixture));
        RegistryRecord r;
        QCOMPARE(registryfile::read(45, valuesRead, r), ok);
        QCOMPARE(r.startYear, 14);
        QCOMPARE(r.endDay, 30);
        QCOMPARE(r.furigana, QStringLiteral("カブシキガイシャテスト"));
        QCOMPARE(r.address, QStringLiteral("大阪府大阪市"));
        QCOMPARE(r.telephone, QStringLiteral("06-0000-0000"));
    }
};

QTEST_GUILESS_MAIN(MasterFileTest)
#include "masterfiletest.moc"
