#include "datafile/numbers.h"

#include <QTest>

using namespace gaikyo;

class NumbersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void conversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("strictOk");
        QTest::addColumn<int>("value"); // of the strict conversion where it works; else 0
        QTest::newRow("plain") << QStringLiteral("12") << true << 12;
        QTest::newRow("spaces around") << QStringLiteral(" 12 ") << true << 12;
        QTest::newRow("grouped") << QStringLiteral("1,234") << true << 1234;
        QTest::newRow("grouped million") << QStringLiteral("1,234,567") << true << 1234567;
        QTest::newRow("negative") << QStringLiteral("-7") << true << -7;
        QTest::newRow("plus") << QStringLiteral("+7") << true << 7;
        QTest::newRow("minus zero") << QStringLiteral("-0") << true << 0;
        QTest::newRow("half to even down") << QStringLiteral("2.5") << true << 2;
        QTest::newRow("half to even up") << QStringLiteral("3.5") << true << 4;
        QTest::newRow("negative half") << QStringLiteral("-2.5") << true << -2;
        QTest::newRow("more than half") << QStringLiteral("2.51") << true << 3;
        QTest::newRow("less than half") << QStringLiteral("2.49") << true << 2;
        QTest::newRow("fraction only") << QStringLiteral(".6") << true << 1;
        QTest::newRow("largest") << QStringLiteral("2147483647") << true << 2147483647;
        QTest::newRow("smallest") << QStringLiteral("-2147483648") << true << -2147483647 - 1;
        QTest::newRow("leading zeros") << QStringLiteral("000000000000012") << true << 12;
        QTest::newRow("empty") << QString() << false << 0;
        QTest::newRow("spaces only") << QStringLiteral("   ") << false << 0;
        QTest::newRow("letters") << QStringLiteral("abc") << false << 0;
        QTest::newRow("too large") << QStringLiteral("99999999999") << false << 0;
        QTest::newRow("just too large") << QStringLiteral("2147483648") << false << 0;
        QTest::newRow("rounds out of range") << QStringLiteral("2147483647.5") << false << 0;
        QTest::newRow("exponent") << QStringLiteral("1e3") << false << 0;
        // What an input method types in hiragana mode counts as its ASCII form.
        QTest::newRow("full-width digits") << QStringLiteral("１２３") << true << 123;
        QTest::newRow("full-width grouped") << QStringLiteral("５，０００") << true << 5000;
        QTest::newRow("full-width minus") << QStringLiteral("－７") << true << -7;
        QTest::newRow("full-width plus") << QStringLiteral("＋７") << true << 7;
        QTest::newRow("full-width fraction") << QStringLiteral("２．５") << true << 2;
        QTest::newRow("ideographic spaces") << QStringLiteral("　１２　") << true << 12;
        QTest::newRow("mixed widths") << QStringLiteral("1,２３4") << true << 1234;
        // Nothing else becomes a number.
        QTest::newRow("full-width letter") << QStringLiteral("１２ａ") << false << 0;
        QTest::newRow("circled digit") << QStringLiteral("①") << false << 0;
        QTest::newRow("vulgar fraction") << QStringLiteral("½") << false << 0;
        QTest::newRow("superscript") << QStringLiteral("¹") << false << 0;
        QTest::newRow("minus sign") << QStringLiteral("−5") << false << 0;
        QTest::newRow("inner ideographic space") << QStringLiteral("１　２") << false << 0;
        QTest::newRow("trailing letters") << QStringLiteral("12abc") << false << 0;
        QTest::newRow("leading comma") << QStringLiteral(",12") << false << 0;
        QTest::newRow("sign alone") << QStringLiteral("-") << false << 0;
        QTest::newRow("two points") << QStringLiteral("1.2.3") << false << 0;
        QTest::newRow("inner space") << QStringLiteral("1 2") << false << 0;
    }
    void conversion() {
        QFETCH(QString, text);
        QFETCH(bool, strictOk);
        QFETCH(int, value);
        const std::optional<qint32> strict = strictInteger(text);
        QCOMPARE(strict.has_value(), strictOk);
        if (strict)
            QCOMPARE(*strict, value);
        // Reading a data-entry box never fails: what cannot be read is 0.
        QCOMPARE(readInteger(text), value);
    }

    // A part of a date: a number as above, but a fraction is refused, not rounded.
    void wholeNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint32>>("value");
        QTest::newRow("plain") << QStringLiteral("12") << std::optional<qint32>(12);
        QTest::newRow("full width") << QStringLiteral("１２") << std::optional<qint32>(12);
        QTest::newRow("zeros after the point")
            << QStringLiteral("7.00") << std::optional<qint32>(7);
        QTest::newRow("half") << QStringLiteral("7.5") << std::optional<qint32>();
        QTest::newRow("full-width half") << QStringLiteral("７．５") << std::optional<qint32>();
        QTest::newRow("a little") << QStringLiteral("7.001") << std::optional<qint32>();
        QTest::newRow("fraction only") << QStringLiteral(".6") << std::optional<qint32>();
        QTest::newRow("letters") << QStringLiteral("abc") << std::optional<qint32>();
        QTest::newRow("negative") << QStringLiteral("－７") << std::optional<qint32>(-7);
    }
    void wholeNumbers() {
        QFETCH(QString, text);
        QFETCH(std::optional<qint32>, value);
        QCOMPARE(wholeNumber(text), value);
    }

    void grouped_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero is empty") << 0 << QString();
        QTest::newRow("small") << 7 << QStringLiteral("7");
        QTest::newRow("three digits") << 999 << QStringLiteral("999");
        QTest::newRow("four digits") << 1234 << QStringLiteral("1,234");
        QTest::newRow("million") << 1234567 << QStringLiteral("1,234,567");
        QTest::newRow("negative") << -5000 << QStringLiteral("-5,000");
        QTest::newRow("negative small") << -350 << QStringLiteral("-350");
        QTest::newRow("smallest") << (-2147483647 - 1) << QStringLiteral("-2,147,483,648");
    }
    void grouped() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(groupedDisplay(value), text);
        // What grouped display shows reads back to the same number.
        QCOMPARE(readInteger(text), value);
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "numberstest.moc"
