#include "datafile/valuefile.h"
#include "datafile/cp932.h"

#include <QTest>

using namespace gaikyo;

class ValueFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every value the reader gives, in order, until it fails.
    void reader_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("quoted and bare lines")
            << QByteArray("\"abc\"\r\n12\r\n") << QStringList{"abc", "12"};
        QTest::newRow("empty text") << QByteArray("\"\"\r\n") << QStringList{""};
        QTest::newRow("spaces inside quotes kept")
            << QByteArray("\"  a b \"\r\n") << QStringList{"  a b "};
        QTest::newRow("comma inside quotes kept")
            << QByteArray("\"a,b\"\r\n") << QStringList{"a,b"};
        QTest::newRow("several values on a line")
            << QByteArray("1,2, 3 ,\"x\"\r\n") << QStringList{"1", "2", "3", "x"};
        QTest::newRow("spaces around bare value") << QByteArray("  42  \r\n") << QStringList{"42"};
        QTest::newRow("bare text ends at comma")
            << QByteArray("ab,cd\r\n") << QStringList{"ab", "cd"};
        QTest::newRow("text after closing quote dropped")
            << QByteArray("\"ab\"cd\r\nx\r\n") << QStringList{"ab", "x"};
        QTest::newRow("LF only") << QByteArray("1\n2\n") << QStringList{"1", "2"};
        QTest::newRow("no last line end") << QByteArray("1\r\n2") << QStringList{"1", "2"};
        QTest::newRow("empty line is an empty value")
            << QByteArray("1\r\n\r\n2\r\n") << QStringList{"1", "", "2"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("unclosed quote runs to the end")
            << QByteArray("\"abc\r\n") << QStringList{"abc\r\n"};
        QTest::newRow("code page 932") << cp932::encode(QStringLiteral("\"㈱見本､｡\"\r\n")).value()
                                       << QStringList{QStringLiteral("㈱見本､｡")};
        QTest::newRow("code page 932 unquoted, ideographic spaces trimmed")
            << cp932::encode(QStringLiteral("　見本　,\"ｱ\"\r\n")).value()
            << QStringList{QStringLiteral("見本"), QStringLiteral("ｱ")};
        QTest::newRow("lone lead byte before a comma")
            << QByteArray("a\x81,b\r\n") << QStringList{QStringLiteral("a\u001A"), "b"};
        QTest::newRow("control characters through the code page")
            << QByteArray("\"a\x1a\"\r\n") << QStringList{QStringLiteral("a\u001C")};
    }
    void reader() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, values);
        ValueReader reader(file);
        QStringList read;
        while (const std::optional<QString> value = reader.text())
            read.append(*value);
        QCOMPARE(read, values);
        // Reading past the end keeps failing.
        QVERIFY(!reader.text().has_value());
        QVERIFY(!reader.integer().has_value());
    }

    // The first text value whose last byte is a lead byte of the code page without its
    // second byte: counted from 1, or 0 when there is none.
    void cutValues_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("cutValue");
        QTest::newRow("whole characters") << QByteArray("\"\x8C\xA9\x96\x7B\"\r\n") << 0;
        QTest::newRow("lead byte before the closing quote")
            << QByteArray("\"a\"\r\n\"\x8C\xA9\x96\"\r\n") << 2;
        QTest::newRow("lead byte before a comma") << QByteArray("a\x81,b\r\n") << 1;
        QTest::newRow("lead byte before the line end") << QByteArray("\"x\"\r\nb\xE0\r\n") << 2;
        // A second byte that looks like a first one is still a second byte.
        QTest::newRow("second byte in the lead range") << QByteArray("\"\x81\x81\"\r\n") << 0;
        QTest::newRow("half-width katakana") << QByteArray("\"\xB1\xB2\"\r\n") << 0;
        QTest::newRow("the first of two cut values") << QByteArray("\"\x81\"\r\n\"\x82\"\r\n") << 1;
        QTest::newRow("at the end of the file") << QByteArray("\"ab\x83") << 1;
    }
    void cutValues() {
        QFETCH(QByteArray, file);
        QFETCH(int, cutValue);
        ValueReader reader(file);
        while (reader.text()) {
        }
        QCOMPARE(reader.firstCutValue(), qsizetype(cutValue));
    }

    void integers_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << QByteArray("123\r\n") << 123;
        QTest::newRow("negative") << QByteArray("-45\r\n") << -45;
        QTest::newRow("not a number reads 0") << QByteArray("abc\r\n") << 0;
        QTest::newRow("quoted number") << QByteArray("\"12\"\r\n") << 12;
        QTest::newRow("empty line") << QByteArray("\r\n") << 0;
        QTest::newRow("too large reads 0") << QByteArray("99999999999\r\n") << 0;
        QTest::newRow("ideographic spaces around")
            << cp932::encode(QStringLiteral("　12　\r\n")).value() << 12;
        QTest::newRow("quoted, ideographic space inside")
            << cp932::encode(QStringLiteral("\"　12\"\r\n")).value() << 12;
        QTest::newRow("kanji after digits reads 0")
            << cp932::encode(QStringLiteral("12円\r\n")).value() << 0;
        QTest::newRow("fraction rounds half to even") << QByteArray("2.5\r\n") << 2;
        // The files hold ASCII digits; anything else in an integer line reads as 0.
        QTest::newRow("full-width digits read 0")
            << cp932::encode(QStringLiteral("１２\r\n")).value() << 0;
    }
    void integers() {
        QFETCH(QByteArray, line);
        QFETCH(int, value);
        ValueReader reader(line);
        QCOMPARE(reader.integer(), std::optional<qint32>(value));
    }

    void readFieldsStopsAtTheEnd() {
        qint32 a = -1, b = -1;
        QString t = QStringLiteral("old");
        ValueReader reader(QByteArray("5\r\n\"x\"\r\n"));
        const ValueReader::Field fields[] = {&a, &t, &b};
        QVERIFY(!reader.readFields(fields));
        // Fields read before the end keep their new values; the rest stay.
        QCOMPARE(a, 5);
        QCOMPARE(t, QStringLiteral("x"));
        QCOMPARE(b, -1);
    }

    void writer() {
        ValueWriter writer;
        writer.integer(7);
        writer.text(QStringLiteral("㈱見本, 支店 "), QStringLiteral("法人名"));
        writer.text(QString(), QStringLiteral("納税地"));
        writer.integer(-12);
        writer.fillers(1, 2);
        QVERIFY(writer.status().ok());
        QCOMPARE(writer.bytes(),
                 cp932::encode(
                     QStringLiteral(
                         "7\r\n\"㈱見本, 支店 \"\r\n\"\"\r\n-12\r\n\"予備1\"\r\n\"予備2\"\r\n"))
                     .value());
    }

    // What input methods type for a character of the code page is stored as the code
    // page's own character.
    void writerStoresTwins_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("wave dash") << QStringLiteral("\u301C") << QByteArray("\x81\x60");
        QTest::newRow("minus sign") << QStringLiteral("\u2212") << QByteArray("\x81\x7C");
        QTest::newRow("em dash") << QStringLiteral("\u2014") << QByteArray("\x81\x5C");
        QTest::newRow("double vertical line") << QStringLiteral("\u2016") << QByteArray("\x81\x61");
        QTest::newRow("cent") << QStringLiteral("\u00A2") << QByteArray("\x81\x91");
        QTest::newRow("pound") << QStringLiteral("\u00A3") << QByteArray("\x81\x92");
        QTest::newRow("not") << QStringLiteral("\u00AC") << QByteArray("\x81\xCA");
        QTest::newRow("code page's own tilde")
            << QStringLiteral("\uFF5E") << QByteArray("\x81\x60");
        QTest::newRow("in a sentence") << QStringLiteral("10時\u301C18時")
                                       << cp932::encode(QStringLiteral("10時～18時")).value();
    }
    void writerStoresTwins() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, bytes);
        ValueWriter writer;
        writer.text(typed, QStringLiteral("営業時間"));
        QVERIFY2(writer.status().ok(), qPrintable(writer.status().message()));
        QCOMPARE(writer.bytes(), "\"" + bytes + "\"\r\n");
        // Reading gives back what the code page holds.
        ValueReader reader(writer.bytes());
        QCOMPARE(reader.text(), std::optional<QString>(cp932::decode(bytes)));
    }

    // A text the file cannot hold is never written changed: the whole file fails.
    void writerRefuses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("double quote") << QStringLiteral("a\"b") << QStringLiteral("二重引用符");
        QTest::newRow("CR") << QStringLiteral("a\rb") << QStringLiteral("改行");
        QTest::newRow("LF") << QStringLiteral("a\nb") << QStringLiteral("改行");
        QTest::newRow("outside code page") << QStringLiteral("吉𠮷") << QStringLiteral("𠮷");
        QTest::newRow("outside code page after a twin")
            << QStringLiteral("〜𠮷") << QStringLiteral("𠮷");
    }
    void writerRefuses() {
        QFETCH(QString, text);
        QFETCH(QString, mentions);
        ValueWriter writer;
        writer.text(QStringLiteral("fine"), QStringLiteral("フリガナ"));
        writer.text(text, QStringLiteral("法人名"));
        writer.text(QStringLiteral("fine"), QStringLiteral("納税地"));
        QVERIFY(!writer.status().ok());
        QVERIFY(writer.status().message().contains(QStringLiteral("法人名")));
        QVERIFY(writer.status().message().contains(mentions));
        QVERIFY(writer.bytes().isEmpty());
    }
};

QTEST_GUILESS_MAIN(ValueFileTest)
#include "valuefiletest.moc"
