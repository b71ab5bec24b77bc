#include "datafile/cp932.h"

#include <QRandomGenerator>
#include <QTest>

#ifdef Q_OS_WIN
#include <QHash>
#include <QSet>
#include <algorithm>
#include <windows.h>
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

using namespace gaikyo;

namespace {

QString codePoints(const QString& text) {
    QStringList parts;
    for (const QChar c : text)
        parts.append(QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
    return parts.join(QLatin1Char(' '));
}

QString ourBytes(const std::optional<QByteArray>& bytes) {
    return bytes ? QString::fromLatin1(bytes->toHex()) : QStringLiteral("refused");
}

// Every input of one and two bytes, and so every pair of the code page.
QList<QByteArray> shortSequences() {
    QList<QByteArray> sequences;
    for (int first = 0; first < 256; ++first) {
        sequences.append(QByteArray(1, char(first)));
        for (int second = 0; second < 256; ++second)
            sequences.append(QByteArray(1, char(first)) + char(second));
    }
    return sequences;
}

#ifdef Q_OS_WIN
// Windows' own code page 932 (MultiByteToWideChar / WideCharToMultiByte), whatever
// the system's code page is.
std::optional<QString> windowsDecode(const QByteArray& bytes) {
    wchar_t buffer[8];
    const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.constData(),
                                           int(bytes.size()), buffer, 8);
    if (length <= 0)
        return std::nullopt;
    return QString::fromWCharArray(buffer, length);
}

// Where ICU's windows-31j (and so every file the program wrote on Linux) and Windows'
// code page 932 part: IBM's order of three control codes, the bytes 0x80, 0xA0 and
// 0xFD–0xFF that ICU reads as SUB where Windows gives U+0080 and private characters, and
// ICU's one-way U+F86F (an IBM private form of №). Byte → (ours, Windows').
const QHash<uchar, QPair<char16_t, char16_t>>& readDifferently() {
    static const QHash<uchar, QPair<char16_t, char16_t>> bytes = {
        {0x1A, {0x001C, 0x001A}}, {0x1C, {0x007F, 0x001C}}, {0x7F, {0x001A, 0x007F}},
        {0x80, {0x001A, 0x0080}}, {0xA0, {0x001A, 0xF8F0}}, {0xFD, {0x001A, 0xF8F1}},
        {0xFE, {0x001A, 0xF8F2}}, {0xFF, {0x001A, 0xF8F3}},
    };
    return bytes;
}
const QSet<int>& writtenDifferently() {
    static const QSet<int> characters = {0x001A, 0x001C, 0x007F, 0x0080, 0xF86F,
                                         0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3};
    return characters;
}

std::optional<QByteArray> windowsEncode(char16_t character) {
    const wchar_t wide = wchar_t(character);
    char buffer[8];
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, buffer, 8, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    return QByteArray(buffer, length);
}
#else
// ICU's windows-31j through Qt: what the Linux build wrote before the codec's tables.
QString icuDecode(const QByteArray& bytes) {
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

std::optional<QByteArray> icuEncode(const QString& text) {
    QStringEncoder encoder("windows-31j", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}
#endif

} // namespace

class Cp932Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void codecIsAvailable() {
        // Without it no data file can be read or written: fail loudly, not silently.
        QVERIFY2(cp932::available(), "the code page 932 tables are missing");
    }

#ifndef Q_OS_WIN
    // The tables are ICU's windows-31j, byte for byte: files written on Linux before
    // the codec had tables of its own stay as they are.
    void decodesEverySequenceAsIcu() {
        QVERIFY2(QStringDecoder("windows-31j").isValid(), "Qt without ICU: nothing to compare");
        for (const QByteArray& bytes : shortSequences()) {
            const QString ours = cp932::decode(bytes);
            const QString icu = icuDecode(bytes);
            if (ours != icu)
                QFAIL(qPrintable(QStringLiteral("%1: ours %2, ICU %3")
                                     .arg(QString::fromLatin1(bytes.toHex()), codePoints(ours),
                                          codePoints(icu))));
        }
        // Longer runs, where a pair's second byte could be taken for the start of another.
        QRandomGenerator random(932);
        for (int run = 0; run < 2000; ++run) {
            QByteArray bytes(1 + random.bounded(40), Qt::Uninitialized);
            for (char& byte : bytes)
                byte = char(random.bounded(256));
            QCOMPARE(codePoints(cp932::decode(bytes)), codePoints(icuDecode(bytes)));
        }
    }

    void encodesEveryCharacterAsIcu() {
        QVERIFY2(QStringEncoder("windows-31j").isValid(), "Qt without ICU: nothing to compare");
        int encodable = 0;
        for (int code = 0; code < 0x10000; ++code) {
            const QString text{QChar(char16_t(code))};
            const std::optional<QByteArray> ours = cp932::encode(text);
            const std::optional<QByteArray> icu = icuEncode(text);
            if (ours != icu)
                QFAIL(qPrintable(QStringLiteral("U+%1: ours %2, ICU %3")
                                     .arg(code, 4, 16, QLatin1Char('0'))
                                     .arg(ourBytes(ours), ourBytes(icu))));
            encodable += ours ? 1 : 0;
        }
        QCOMPARE(encodable, 9398);
    }
#else
    // Every character that Windows' code page 932 maps both ways has the same bytes in
    // the tables, and every byte sequence it reads is read the same; the differences
    // are listed, each for a reason.
    void decodesAsWindows() {
        QStringList differences;
        for (const QByteArray& bytes : shortSequences()) {
            if (std::any_of(bytes.begin(), bytes.end(),
                            [](char byte) { return readDifferently().contains(uchar(byte)); }))
                continue; // compared one by one below
            const std::optional<QString> windows = windowsDecode(bytes);
            if (!windows || windows->contains(QChar(0xFFFD)))
                continue; // a sequence Windows refuses: nothing written has it
            const QString ours = cp932::decode(bytes);
            if (ours != *windows)
                differences.append(QStringLiteral("%1 %2/%3")
                                       .arg(QString::fromLatin1(bytes.toHex()), codePoints(ours),
                                            codePoints(*windows)));
        }
        QCOMPARE(differences.join(QLatin1Char('\n')), QString());
        // The single bytes ICU reads its own way, and so the files written on Linux.
        for (auto it = readDifferently().cbegin(); it != readDifferently().cend(); ++it) {
            const QByteArray byte(1, char(it.key()));
            QCOMPARE(cp932::decode(byte), QString(QChar(it.value().first)));
            const QString windows = windowsDecode(byte).value_or(QString());
            QVERIFY(windows.isEmpty() || windows == QString(QChar(it.value().second)));
        }
    }

    void encodesAsWindows() {
        QStringList differences;
        for (int code = 1; code < 0x10000; ++code) {
            if (code >= 0xD800 && code < 0xE000)
                continue;
            const std::optional<QByteArray> ours = cp932::encode(QString(QChar(char16_t(code))));
            const std::optional<QByteArray> windows = windowsEncode(char16_t(code));
            if (ours != windows && !writtenDifferently().contains(code))
                differences.append(QStringLiteral("U+%1 %2/%3")
                                       .arg(code, 4, 16, QLatin1Char('0'))
                                       .arg(ourBytes(ours), ourBytes(windows)));
        }
        QCOMPARE(differences.join(QLatin1Char('\n')), QString());
    }
#endif

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
