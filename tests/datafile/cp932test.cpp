#include "datafile/cp932.h"

#include <QTest>

using namespace gaikyo;

class Cp932Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void codecIsAvailable() {
        // Without it no data file can be read or written: fail loudly, not silently.
        QVERIFY2(cp932::available(), "the windows-31j codec is missing: Qt must be built with ICU");
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("abc 123") << QByteArray("abc 123");
        QTest::newRow("㈱ NEC row") << QStringLiteral("㈱") << QByteArray("\x87\x8a");
        QTest::newRow("① NEC row") << QStringLiteral("①") << QByteArray("\x87\x40");
        QTest::newRow("～ wave dash of Windows") << QStringLiteral("～") << QByteArray("\x81\x60");
        QTest::newRow("髙 IBM extension") << QStringLiteral("髙") << QByteArray("\xfb\xfc");
        QTest::newRow("half-width ｡ ､") << QStringLiteral("｡､") << QByteArray("\xa1\xa4");
        QTest::newRow("half-width katakana") << QStringLiteral("ｶﾌﾞ") << QByteArray("\xb6\xcc\xde");
        QTest::newRow("ideographic space") << QStringLiteral("　") << QByteArray("\x81\x40");
        QTest::newRow("kanji") << QStringLiteral("法人") << QByteArray("\x96\x40\x90\x6c");
    }
    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(cp932::encode(text).value_or(QByteArray("<none>")), bytes);
        QCOMPARE(cp932::decode(bytes), text);
    }

    // The readers take printable ASCII as it stands, without the codec: every such byte
    // must decode to itself. (Three control characters change places in the code page.)
    void printableAsciiIsItself() {
        for (int byte = 0x20; byte < 0x7F; ++byte)
            QCOMPARE(cp932::decode(QByteArray(1, char(byte))), QString(QChar(byte)));
        QCOMPARE(cp932::decode(QByteArray("\x1a\x1c\x7f")), QStringLiteral("\u001C\u007F\u001A"));
    }

    void unencodable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bad");
        QTest::newRow("fits") << QStringLiteral("株式会社見本") << QString();
        QTest::newRow("surrogate pair") << QStringLiteral("吉𠮷田") << QStringLiteral("𠮷");
        QTest::newRow("latin accent") << QStringLiteral("café") << QStringLiteral("é");
        QTest::newRow("emoji after text") << QStringLiteral("ab😀") << QStringLiteral("😀");
    }
    void unencodable() {
        QFETCH(QString, text);
        QFETCH(QString, bad);
        QCOMPARE(cp932::firstUnencodable(text), bad);
        QCOMPARE(cp932::encode(text).has_value(), bad.isEmpty());
    }
};

QTEST_GUILESS_MAIN(Cp932Test)
#include "cp932test.moc"
