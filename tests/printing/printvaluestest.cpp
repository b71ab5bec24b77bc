#include "printing/printvalues.h"
#include "printing/recordingsurface.h"

#include <QTest>

using namespace gaikyo;

class PrintValuesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void number_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << " 0";
        QTest::newRow("positive") << 7 << " 7";
        QTest::newRow("negative") << -12 << "-12";
    }
    void number() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(printvalues::number(value), text);
    }

    // Box 1 is the rightmost box.
    void digitBoxes_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QStringList>("perBox");
        QTest::newRow("zero") << 0 << 4 << QStringList{"0", "", "", ""};
        QTest::newRow("1234 in 9")
            << 1234 << 9 << QStringList{"4", "3", "2", "1", "", "", "", "", ""};
        QTest::newRow("-56") << -56 << 4 << QStringList{"6", "5", "-", ""};
        QTest::newRow("-7 in 4") << -7 << 4 << QStringList{"7", "-", "", ""};
        QTest::newRow("-3500 in 9")
            << -3500 << 9 << QStringList{"0", "0", "5", "3", "-", "", "", "", ""};
        QTest::newRow("ten digits in 9 lose the first")
            << 1234567890 << 9 << QStringList{"0", "9", "8", "7", "6", "5", "4", "3", "2"};
        QTest::newRow("平成15 in 2") << 15 << 2 << QStringList{"5", "1"};
        QTest::newRow("month 4 in 2") << 4 << 2 << QStringList{"4", ""};
    }
    void digitBoxes() {
        QFETCH(int, value);
        QFETCH(int, boxes);
        QFETCH(QStringList, perBox);
        QCOMPARE(printvalues::digitBoxes(value, boxes), perBox);
    }

    // Listed from the left; every box prints a number with its sign place.
    void digitSplit_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QStringList>("fromLeft");
        QTest::newRow("12 in 3") << 12 << 3 << QStringList{" 0", " 1", " 2"};
        QTest::newRow("0 in 3") << 0 << 3 << QStringList{" 0", " 0", " 0"};
        QTest::newRow("5 in 5") << 5 << 5 << QStringList{" 0", " 0", " 0", " 0", " 5"};
        QTest::newRow("12345 in 3") << 12345 << 3 << QStringList{" 3", " 4", " 5"};
        QTest::newRow("-105 in 3") << -105 << 3 << QStringList{"-1", " 0", "-5"};
        QTest::newRow("largest in 5")
            << 2147483647 << 5 << QStringList{" 8", " 3", " 6", " 4", " 7"};
    }
    void digitSplit() {
        QFETCH(int, value);
        QFETCH(int, boxes);
        QFETCH(QStringList, fromLeft);
        QCOMPARE(printvalues::digitSplit(value, boxes), fromLeft);
    }

    void recording() {
        RecordingSurface surface;
        QVERIFY(surface.setUnitMillimetres());
        QVERIFY(surface.setFont(QStringLiteral("MS 明朝"), 11));
        surface.setX(24);
        surface.setY(62.5f);
        QVERIFY(surface.printText(QStringLiteral("見本")));
        QVERIFY(surface.endDocument());
        QCOMPARE(surface.operations(),
                 QStringList({"unit mm", "font MS 明朝 11", "text 24 62.5 \"見本\"", "end"}));
        // Mincho digits are half an em wide: 11 pt is 1.94 mm a digit.
        QVERIFY(qAbs(surface.textWidth(QStringLiteral("1234")) - 4 * 11 * 25.4 / 72 / 2) < 0.05);
    }
};

QTEST_MAIN(PrintValuesTest)
#include "printvaluestest.moc"
