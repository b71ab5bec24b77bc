#include "bookimporttestsupport.h"

#include "books/bookimport.h"
#include "books/columnmemory.h"
#include "statement/mainaccountsscreen.h"
#include "statement/monthlytablescreen.h"

#include <QTest>

using namespace gaikyo;

Q_DECLARE_METATYPE(gaikyo::columnchoice::Answer)

namespace {

const QString compared2026 = QStringLiteral("bookimport/compared_2026_cp932.csv");
const QString compared2027 = QStringLiteral("bookimport/compared_2027_cp932.csv");
const QString monthlyPlaces = QStringLiteral("bookimport/monthly_places_utf8.csv");

// The line kept for the trial balance of actual, forecast and plan: its balance is 実績.
const QString comparedLine = QStringLiteral("試算表,3,1,2,勘定科目,実績,見込,計画");

columnchoice::Answer balanceAt(qsizetype headingRow, int nameColumn, int balanceColumn) {
    return {true, {headingRow, nameColumn, balanceColumn, {}}};
}

// 1ヶ月目 … 12ヶ月目 in columns B … M, for a year from April.
columnchoice::Answer monthsByPlace() {
    columnchoice::Answer answer{true, {1, 0, -1, {}}};
    for (int place = 1; place <= 12; ++place)
        answer.choice.monthColumns.insert(place, (place + 2) % 12 + 1);
    return answer;
}

QString importButtonOf(const QString& screen) {
    return screen == screens::mainAccounts ? MainAccountsScreen::importButton
                                           : MonthlyTableScreen::importButton;
}

QByteArray edited(QByteArray bytes, const QString& from, const QString& to) {
    const QByteArray f = *cp932::encode(from);
    if (!bytes.contains(f))
        qFatal("no %s", qPrintable(from));
    return bytes.replace(f, *cp932::encode(to));
}

// "Text1=98,765" pairs.
void compareBoxes(const Screen& screen, const QStringList& expected) {
    for (const QString& pair : expected)
        QCOMPARE(screen.text(pair.section(u'=', 0, 0)), pair.section(u'=', 1));
}

} // namespace

// Where the reader cannot tell the columns apart, the user marks them once; the next
// file of the same layout is read the same way without a question.
class ColumnChoiceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keptForTheNextFile_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("next");
        QTest::addColumn<columnchoice::Answer>("answer");
        QTest::addColumn<qsizetype>("guessedHeading");
        QTest::addColumn<QStringList>("firstFilled");
        QTest::addColumn<QStringList>("nextFilled");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("firstAccount"); // the row below the heading
        QTest::newRow("trial balance, 実績 beside 見込 and 計画")
            << screens::mainAccounts << test::fixture(compared2026) << test::fixture(compared2027)
            << balanceAt(2, 0, 1) << qsizetype(2)
            << QStringList{"Text1=98,765", "Text21=13,234", "Text23=8,765"}
            << QStringList{"Text1=105,000", "Text21=17,345", "Text23=9,100"} << comparedLine
            << QStringLiteral("現金");
        const QByteArray places = test::fixture(monthlyPlaces);
        QTest::newRow("monthly table, months by their place in the year")
            << screens::monthlyTable << places
            << edited(places, QStringLiteral("\"8,000,000\""), QStringLiteral("\"8,500,000\""))
            << monthsByPlace() << qsizetype(1)
            << QStringList{MonthlyTableScreen::cellBox(1, 1) + QStringLiteral("=8,000"),
                           MonthlyTableScreen::cellBox(12, 1) + QStringLiteral("=9,100")}
            << QStringList{MonthlyTableScreen::cellBox(1, 1) + QStringLiteral("=8,500"),
                           MonthlyTableScreen::cellBox(12, 1) + QStringLiteral("=9,100")}
            << QStringLiteral("推移表,2,1,2=4 3=5 4=6 5=7 6=8 7=9 8=10 9=11 10=12 11=1 12=2 "
                              "13=3,科目,1ヶ月目,2ヶ月目,3ヶ月目,4ヶ月目,5ヶ月目,6ヶ月目,7ヶ月"
                              "目,8ヶ月目,9ヶ月目,10ヶ月目,11ヶ月目,12ヶ月目,合計")
            << QStringLiteral("売上高");
    }
    void keptForTheNextFile() {
        QFETCH(QString, screen);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, next);
        QFETCH(columnchoice::Answer, answer);
        QFETCH(qsizetype, guessedHeading);
        QFETCH(QStringList, firstFilled);
        QFETCH(QStringList, nextFilled);
        QFETCH(QString, kept);
        QFETCH(QString, firstAccount);
        test::ImportProgram program;
        RecordScreen& s = program.handOver(screen, 7);
        program.answers.columnAnswers = {answer};
        program.offerFile(first);
        s.click(importButtonOf(screen));
        QVERIFY(program.messages.shown().isEmpty());
        QCOMPARE(program.answers.columnRequests.size(), 1);
        const columnchoice::Request& asked = program.answers.columnRequests.first();
        QCOMPARE(asked.title, screen == screens::mainAccounts ? bookimport::trialBalanceCaption
                                                              : bookimport::monthlyTableCaption);
        QCOMPARE(asked.fileName, QStringLiteral("books.csv"));
        QCOMPARE(asked.amounts, screen == screens::mainAccounts ? columnchoice::Amounts::Balance
                                                                : columnchoice::Amounts::Months);
        QCOMPARE(asked.rows.value(guessedHeading + 1).value(0), firstAccount);
        QCOMPARE(asked.guess.headingRow, guessedHeading);
        QCOMPARE(asked.guess.nameColumn, 0);
        QCOMPARE(program.answers.confirmations.size(), 1);
        QVERIFY(program.answers.confirmations.first().notes.first().startsWith(
            QStringLiteral("選んだ列の読み方で読みました。")));
        compareBoxes(s, firstFilled);
        // Kept in code page 932 with CR LF, one line for the layout.
        const QStringList lines = test::fileLines(program.home.read(columnmemory::file()));
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.first().startsWith(u'#'));
        QCOMPARE(lines.last(), kept);

        // The next file replaces what the first one filled.
        program.answers.answer.replaceTyped = true;
        program.offerFile(next, QStringLiteral("next.csv"));
        s.click(importButtonOf(screen));
        QCOMPARE(program.answers.columnRequests.size(), 1);
        QCOMPARE(program.answers.confirmations.size(), 2);
        QVERIFY(program.answers.confirmations.last().notes.contains(
            QStringLiteral("前回選んだ列の読み方で読みました。")));
        compareBoxes(s, nextFilled);
        QCOMPARE(test::fileLines(program.home.read(columnmemory::file())), lines);
    }

    // A kept choice that no longer fits the file is asked again, with it as the guess,
    // and never read with.
    void changedLayoutIsAskedAgain_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qsizetype>("guessedHeading");
        const QByteArray compared = test::fixture(compared2026);
        QTest::newRow("a title line more")
            << test::crlfFile({QStringLiteral("印刷日 2026/05/10")}) + compared << qsizetype(3);
        QTest::newRow("the balance column holds words")
            << test::crlfFile({QStringLiteral("残高試算表"), QStringLiteral("令和8年3月期"),
                               QStringLiteral("勘定科目,実績,見込,計画"),
                               QStringLiteral("現金,あり,\"1,000\",\"1,000\""),
                               QStringLiteral("売上高,なし,\"2,000\",\"2,000\"")})
            << qsizetype(2);
    }
    void changedLayoutIsAskedAgain() {
        QFETCH(QByteArray, file);
        QFETCH(qsizetype, guessedHeading);
        test::ImportProgram program;
        const QByteArray kept = test::crlfFile({comparedLine});
        program.home.write(columnmemory::file(), kept);
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(file);
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.answers.columnRequests.size(), 1);
        QCOMPARE(program.answers.columnRequests.first().guess,
                 (columnchoice::Choice{guessedHeading, 0, 1, {}}));
        QVERIFY(program.answers.confirmations.isEmpty());
        QCOMPARE(screen.text(QStringLiteral("Text1")), QString());
        QCOMPARE(program.home.read(columnmemory::file()), kept);
    }

    // Nothing is filled or kept unless the user goes through with the import.
    void cancelImportsNothing_data() {
        QTest::addColumn<bool>("columnsChosen");
        QTest::newRow("やめる on the column choice") << false;
        QTest::newRow("やめる on the confirmation") << true;
    }
    void cancelImportsNothing() {
        QFETCH(bool, columnsChosen);
        test::ImportProgram program;
        if (columnsChosen)
            program.answers.columnAnswers = {balanceAt(2, 0, 1)};
        program.answers.answer.import = false;
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(test::fixture(compared2026));
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.answers.columnRequests.size(), 1);
        QCOMPARE(program.answers.confirmations.size(), columnsChosen ? 1 : 0);
        QVERIFY(program.messages.shown().isEmpty());
        for (int i = 1; i <= 42; ++i)
            QCOMPARE(screen.text(test::box(i)), QString());
        QVERIFY(!program.home.exists(columnmemory::file()));
    }

    // A file the reader is unsure of is asked about where it holds figures below a row
    // of words, even with headings in no language the reader knows.
    void headingsInEnglishAreAsked() {
        test::ImportProgram program;
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(QByteArray("name,amount\ncash,100\n"));
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.answers.columnRequests.size(), 1);
        QCOMPARE(program.answers.columnRequests.first().guess, (columnchoice::Choice{0, 0, 1, {}}));
        QVERIFY(program.messages.shown().isEmpty());
        QVERIFY(program.answers.confirmations.isEmpty());
    }

    // Columns that give no figure are told plainly and asked again.
    void choiceWithoutFigures() {
        test::ImportProgram program;
        const columnchoice::Answer lastRow = balanceAt(11, 0, 1);
        program.answers.columnAnswers = {lastRow};
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(test::fixture(compared2026));
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.messages.shown().size(), 1);
        QVERIFY2(program.messages.shown().first().text.contains(
                     QStringLiteral("選んだ列からは金額が一つも読み取れませんでした")),
                 qPrintable(program.messages.shown().first().text));
        QCOMPARE(program.answers.columnRequests.size(), 2);
        QCOMPARE(program.answers.columnRequests.last().guess, lastRow.choice);
        QVERIFY(program.answers.confirmations.isEmpty());
        QVERIFY(!program.home.exists(columnmemory::file()));
    }

    // A file of kept choices that cannot be read stops nothing: it is named, the user is
    // asked, and what it held is not lost.
    void unreadableMemory_data() {
        QTest::addColumn<QByteArray>("memory");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QStringList>("keptLines"); // the old lines still there after
        QTest::addColumn<QString>("notice");        // told after the import; empty: nothing
        QTest::newRow("not text") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)
                                  << QStringLiteral("%1は使いませんでした。文字コードが読み取れ"
                                                    "ません。")
                                         .arg(columnmemory::file())
                                  << QStringList{} << QStringLiteral("壊れていたファイル");
        const QStringList lines{QStringLiteral("試算表,x,1,2,勘定科目,実績"),
                                QStringLiteral("推移表,2,1,2=4 3=5,科目,4月,5月")};
        QTest::newRow("a line not understood")
            << test::crlfFile(lines)
            << QStringLiteral("%1の1行目は読めないため使いませんでした。").arg(columnmemory::file())
            << lines << QString();
    }
    void unreadableMemory() {
        QFETCH(QByteArray, memory);
        QFETCH(QString, note);
        QFETCH(QStringList, keptLines);
        QFETCH(QString, notice);
        test::ImportProgram program;
        program.home.write(columnmemory::file(), memory);
        program.answers.columnAnswers = {balanceAt(2, 0, 1)};
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(test::fixture(compared2026));
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.answers.columnRequests.size(), 1);
        QCOMPARE(program.answers.confirmations.size(), 1);
        const QStringList notes = program.answers.confirmations.first().notes;
        QVERIFY2(notes.contains(note), qPrintable(notes.join(u'\n')));
        QCOMPARE(screen.text(QStringLiteral("Text1")), QStringLiteral("98,765"));
        const QStringList lines = test::fileLines(program.home.read(columnmemory::file()));
        QCOMPARE(lines.mid(lines.size() - keptLines.size() - 1),
                 keptLines + QStringList{comparedLine});
        QCOMPARE(program.messages.shown().size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty())
            QVERIFY(program.messages.shown().first().text.contains(notice));
    }
};

QTEST_MAIN(ColumnChoiceTest)
#include "columnchoicetest.moc"
