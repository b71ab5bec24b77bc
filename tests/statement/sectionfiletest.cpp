#include "statement/sectionfile.h"
#include "datafile/cp932.h"
#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "registry/companypaths.h"
#include "support/testhome.h"

#include <QSet>
#include <QTest>

using namespace gaikyo;

namespace {

// A record in which every field holds something of its own: texts with spaces, a
// comma and characters of code page 932 only, integers of both signs and the limits.
SectionRecord filledRecord(const RecordLayout& layout) {
    SectionRecord r = SectionRecord::emptyFor(layout);
    for (qsizetype i = 0; i < r.texts.size(); ++i)
        r.texts[i] = QStringLiteral(" ㈱欄%1, ｱ ").arg(i + 1);
    const qint32 samples[] = {1, -7, 0, 2147483647, -2147483647 - 1, 1234};
    for (qsizetype i = 0; i < r.integers.size(); ++i)
        r.integers[i] = samples[i % 6] + (samples[i % 6] == 0 ? qint32(i) : 0);
    return r;
}

void makeStatementFolder() {
    QVERIFY(drivec::createFolder(paths::statementFolder()));
}

} // namespace

class SectionFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The size of every record file: data fields, then twelve fillers.
    void layouts_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("texts");
        QTest::addColumn<int>("integers");
        QTest::addColumn<int>("lines");
        const int table[][4] = {{21, 5, 0, 17},  {22, 20, 7, 39},  {23, 9, 8, 29},  {24, 28, 2, 42},
                                {25, 24, 1, 37}, {26, 2, 0, 14},   {30, 0, 48, 60}, {40, 27, 0, 39},
                                {50, 43, 0, 55}, {60, 9, 126, 147}};
        for (const auto& row : table)
            QTest::addRow("%d", row[0]) << row[0] << row[1] << row[2] << row[3];
        QTest::newRow("month order") << 0 << 0 << 12 << 24;
    }
    void layouts() {
        QFETCH(int, section);
        QFETCH(int, texts);
        QFETCH(int, integers);
        QFETCH(int, lines);
        const RecordLayout& layout =
            section == 0 ? layouts::monthOrder() : layouts::section(section);
        QCOMPARE(layout.section, section);
        QCOMPARE(layout.texts.size(), texts);
        QCOMPARE(layout.integers.size(), integers);
        QCOMPARE(layout.lineCount(), lines);

        // Every field has a name for messages, and no box feeds two fields.
        QSet<QString> boxes;
        for (const QList<RecordField>* list : {&layout.texts, &layout.integers}) {
            for (const RecordField& field : *list) {
                QVERIFY(!field.caption.isEmpty());
                if (section == 0)
                    continue;
                QVERIFY2(!boxes.contains(field.box), qPrintable(field.box));
                boxes.insert(field.box);
            }
        }

        // What the writer makes has exactly that many lines.
        QByteArray bytes;
        QVERIFY(sectionfile::encode(layout, filledRecord(layout), bytes).ok());
        QCOMPARE(bytes.count("\r\n"), lines);
        QVERIFY(!bytes.contains("\r\n\r\n"));
    }

    // The boxes of the screens that hold no field per field number: the code boxes are
    // left out, and the monthly table runs column by column.
    void boxesOfNumberedScreens() {
        const RecordLayout& accounts = layouts::section(30);
        QCOMPARE(accounts.integers.at(41).box, QStringLiteral("Text42"));
        QCOMPARE(accounts.integers.at(42).box, QStringLiteral("Text44"));
        QCOMPARE(accounts.integers.at(47).box, QStringLiteral("Text49"));
        QCOMPARE(layouts::section(40).texts.last().box, QStringLiteral("Text27"));
        QCOMPARE(layouts::section(50).texts.last().box, QStringLiteral("Text43"));
        const RecordLayout& monthly = layouts::section(60);
        QCOMPARE(monthly.texts.first().box, QStringLiteral("Text130"));
        for (qsizetype i = 0; i < monthly.integers.size(); ++i)
            QCOMPARE(monthly.integers.at(i).box, QStringLiteral("Text%1").arg(i + 1));
        QCOMPARE(monthly.integers.at(12).caption, QStringLiteral("売上金額 1 計"));
    }

    void paths_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("file"); // empty: the code has no files
        const QString folder = QStringLiteral("c:\\法人税事業概況書\\概況書\\");
        QTest::newRow("5 / 21") << 5 << 21 << folder + QStringLiteral("5021.txt");
        QTest::newRow("123 / 60") << 123 << 60 << folder + QStringLiteral("123060.txt");
        QTest::newRow("0 / 21") << 0 << 21 << folder + QStringLiteral("21.txt");
        QTest::newRow("0 / 60") << 0 << 60 << folder + QStringLiteral("60.txt");
        QTest::newRow("-5 / 21") << -5 << 21 << folder + QStringLiteral("-4979.txt");
        QTest::newRow("largest") << 2147483 << 60 << folder + QStringLiteral("2147483060.txt");
        QTest::newRow("smallest") << -2147483 << 21 << folder + QStringLiteral("-2147482979.txt");
        QTest::newRow("too large") << 2147484 << 21 << QString();
        QTest::newRow("too small") << -2147484 << 21 << QString();
        QTest::newRow("month order 5") << 5 << 0 << folder + QStringLiteral("月5.txt");
        QTest::newRow("month order 0") << 0 << 0 << folder + QStringLiteral("月0.txt");
        QTest::newRow("month order of a large code")
            << 9999999 << 0 << folder + QStringLiteral("月9999999.txt");
    }
    void paths() {
        QFETCH(int, code);
        QFETCH(int, section);
        QFETCH(QString, file);
        const RecordLayout& layout =
            section == 0 ? layouts::monthOrder() : layouts::section(section);
        const std::optional<QString> path = sectionfile::path(code, layout);
        QCOMPARE(path.value_or(QString()), file);
    }

    // Company 5, section 21, five empty lines: 17 lines, byte for byte.
    void emptyDescriptionFile() {
        test::TestHome home;
        makeStatementFolder();
        const RecordLayout& layout = layouts::section(21);
        QVERIFY(sectionfile::save(5, layout, SectionRecord::emptyFor(layout)).ok());
        QCOMPARE(home.read(QStringLiteral("c:\\法人税事業概況書\\概況書\\5021.txt")),
                 test::fixture(QStringLiteral("statement/5021.txt")));
    }

    // Saving then loading gives back every field exactly, in every file.
    void roundTrip_data() {
        QTest::addColumn<int>("section");
        for (const int section : layouts::sectionNumbers())
            QTest::addRow("%d", section) << section;
        QTest::newRow("month order") << 0;
    }
    void roundTrip() {
        QFETCH(int, section);
        test::TestHome home;
        makeStatementFolder();
        const RecordLayout& layout =
            section == 0 ? layouts::monthOrder() : layouts::section(section);
        const SectionRecord saved = filledRecord(layout);
        QVERIFY(sectionfile::save(-12, layout, saved).ok());
        SectionRecord loaded = SectionRecord::emptyFor(layout);
        QVERIFY(sectionfile::load(-12, layout, loaded).loaded());
        QCOMPARE(loaded, saved);
        QVERIFY(!FileChannel::instance().isOpen());
    }

    // What loading makes of files written by hand or by older saves.
    void load_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<qint32>>("integers");
        // Section 23: nine texts, eight integers. The record holds "前" and 9 beforehand.
        const QStringList texts{"a", "b", "c", "d", "e", "f", "g", "h", "i"};
        const QStringList quoted{"\"a\"", "\"b\"", "\"c\"", "\"d\"", "\"e\"",
                                 "\"f\"", "\"g\"", "\"h\"", "\"i\""};
        const QStringList numbers{"1", "2", "3", "4", "5", "15", "7", "8"};
        const QList<qint32> values{1, 2, 3, 4, 5, 15, 7, 8};
        QStringList fillers;
        for (int i = 1; i <= 12; ++i)
            fillers.append(QStringLiteral("\"予備%1\"").arg(i));
        const int loaded = int(FileLoad::Outcome::Loaded);
        const int shortFile = int(FileLoad::Outcome::Short);

        QTest::newRow("as saved") << quoted + numbers + fillers << loaded << texts << values;
        QTest::newRow("fillers missing") << quoted + numbers << loaded << texts << values;
        QTest::newRow("extra lines after the fillers")
            << quoted + numbers + fillers + QStringList{"x", "\"y\""} << loaded << texts << values;
        QStringList abc = numbers;
        abc[2] = QStringLiteral("abc");
        QList<qint32> abcValues = values;
        abcValues[2] = 0;
        QTest::newRow("integer line abc reads 0")
            << quoted + abc + fillers << loaded << texts << abcValues;
        QStringList unquoted = quoted;
        unquoted[0] = QStringLiteral("  plain  ");
        QStringList unquotedTexts = texts;
        unquotedTexts[0] = QStringLiteral("plain");
        QTest::newRow("unquoted text line")
            << unquoted + numbers + fillers << loaded << unquotedTexts << values;

        // A short file takes what it holds; the rest keeps what the record had.
        QStringList before(9, QStringLiteral("前"));
        QTest::newRow("ends after three texts")
            << quoted.mid(0, 3) << shortFile << QStringList{"a", "b", "c"} + before.mid(3)
            << QList<qint32>(8, 9);
        QTest::newRow("ends inside the integers") << quoted + numbers.mid(0, 5) << shortFile
                                                  << texts << QList<qint32>{1, 2, 3, 4, 5, 9, 9, 9};
        QTest::newRow("empty file") << QStringList() << shortFile << before << QList<qint32>(8, 9);
    }
    void load() {
        QFETCH(QStringList, lines);
        QFETCH(int, result);
        QFETCH(QStringList, texts);
        QFETCH(QList<qint32>, integers);
        test::TestHome home;
        const QString file = QStringLiteral("c:\\法人税事業概況書\\概況書\\7023.txt");
        home.write(file, test::crlfFile(lines));
        const RecordLayout& layout = layouts::section(23);
        SectionRecord record;
        record.texts = QStringList(9, QStringLiteral("前"));
        record.integers = QList<qint32>(8, 9);
        QCOMPARE(int(sectionfile::load(7, layout, record).outcome), result);
        QCOMPARE(record.texts, texts);
        QCOMPARE(record.integers, integers);
        // A short file blocks nothing: the channel is free and the next load works.
        QVERIFY(!FileChannel::instance().isOpen());
        home.write(file, test::crlfFile(QStringList(29, QStringLiteral("\"\""))));
        QVERIFY(sectionfile::load(7, layout, record).loaded());
    }

    void loadWithoutFile() {
        test::TestHome home;
        const RecordLayout& layout = layouts::section(30);
        SectionRecord record = SectionRecord::emptyFor(layout);
        record.integers[0] = 5;
        QCOMPARE(sectionfile::load(3, layout, record).outcome, FileLoad::Outcome::Missing);
        QCOMPARE(record.integers[0], 5);
    }

    // A code whose file number leaves the 32-bit range neither saves nor loads, even
    // where a file of the wrapped-around number exists.
    void codeOutOfRange() {
        test::TestHome home;
        makeStatementFolder();
        const RecordLayout& layout = layouts::section(21);
        const Status status = sectionfile::save(2147484, layout, filledRecord(layout));
        QVERIFY(!status.ok());
        QVERIFY(status.message().contains(QStringLiteral("2147484")));
        QVERIFY(QDir(drivec::hostPath(paths::statementFolder())).isEmpty());

        home.write(paths::sectionFile(-2147483, 21), test::crlfFile(QStringList(17, "\"x\"")));
        SectionRecord record = SectionRecord::emptyFor(layout);
        QCOMPARE(sectionfile::load(2147484, layout, record).outcome, FileLoad::Outcome::Missing);
        QCOMPARE(record, SectionRecord::emptyFor(layout));
    }

    // A save that cannot be done says why and leaves the old file as it was.
    void saveFailures_data() {
        QTest::addColumn<bool>("makeFolder");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("no folder")
            << false << QStringLiteral("a") << QStringLiteral("c:\\法人税事業概況書\\概況書\\");
        QTest::newRow("outside code page 932")
            << true << QStringLiteral("a😀b") << QStringLiteral("事業内容 2行目");
        QTest::newRow("double quote")
            << true << QStringLiteral("a\"b") << QStringLiteral("事業内容 2行目");
        QTest::newRow("line break")
            << true << QStringLiteral("a\r\nb") << QStringLiteral("事業内容 2行目");
    }
    void saveFailures() {
        QFETCH(bool, makeFolder);
        QFETCH(QString, text);
        QFETCH(QString, messagePart);
        test::TestHome home;
        const QString file = paths::sectionFile(8, 21);
        if (makeFolder)
            home.write(file, "old\r\n");
        const RecordLayout& layout = layouts::section(21);
        SectionRecord record = SectionRecord::emptyFor(layout);
        record.texts[1] = text;
        const Status status = sectionfile::save(8, layout, record);
        QVERIFY(!status.ok());
        QVERIFY2(status.message().contains(messagePart), qPrintable(status.message()));
        QCOMPARE(home.read(file), makeFolder ? QByteArray("old\r\n") : QByteArray());
    }
};

QTEST_GUILESS_MAIN(SectionFileTest)
#include "sectionfiletest.moc"
