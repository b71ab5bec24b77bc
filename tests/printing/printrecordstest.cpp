#include "printing/printrecords.h"
#include "registry/companypaths.h"
#include "support/testhome.h"

#include <QTest>

using namespace gaikyo;

class PrintRecordsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The print reads the section files in the order of Form2's frames, 25 before 24,
    // then 30 to 60: the files that are not whole are told in that order.
    void filesNotWholeAreToldInReadingOrder() {
        const test::TestHome home;
        for (const int section : layouts::sectionNumbers())
            home.write(paths::sectionFile(7, section), test::crlfFile({QStringLiteral("\"一\"")}));
        PrintRecords records;
        QStringList told;
        for (const FileLoad& load : records.loadSections(7))
            told.append(load.windowsPath);
        QStringList expected;
        for (const int section : {21, 22, 23, 25, 24, 26, 30, 40, 50, 60})
            expected.append(paths::sectionFile(7, section));
        QCOMPARE(told, expected);
        // What could be read still prints.
        QCOMPARE(records.text(21, 1), QStringLiteral("一"));
    }
};

QTEST_GUILESS_MAIN(PrintRecordsTest)
#include "printrecordstest.moc"
