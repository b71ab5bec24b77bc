#include "printprogram.h"

#include "datafile/filechannel.h"
#include "registry/masterfile.h"
#include "registry/registrationscreen.h"
#include "screen/filechooser.h"

using namespace gaikyo;

namespace {

using Program = test::PrintProgram;
using test::companyMaster;

// Section 7 of company 7 with 売上（収入）高 as given and every other amount 0.
void writeSales(Program& p, const QString& sales) {
    QStringList accounts(48, QStringLiteral("0"));
    accounts[0] = sales;
    p.home.write(paths::sectionFile(7, 30), test::crlfFile(accounts));
}

} // namespace

class PrintScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void handOverLoadsTheHeader() {
        Program p;
        PrintScreen& screen = p.open();
        QVERIFY(screen.isShown());
        QCOMPARE(screen.caption(), QStringLiteral("印刷"));
        const QStringList boxes = {"Text1",  "Text3",  "Text5",  "Text12", "Text13", "Text14",
                                   "Text15", "Text17", "Text18", "Text19", "Text4",  "Text2"};
        QStringList shown;
        for (const QString& box : boxes)
            shown.append(screen.text(box));
        QCOMPARE(shown, QStringList({"12345", "株式会社見本", "東京都", "03-1", "15", "4", "1",
                                     "16", "3", "31", "http://example.com/", "山田太郎"}));
        QCOMPARE(screen.text(QStringLiteral("Text10")), QStringLiteral("自平成"));
    }

    void fillersShowEmpty_data() {
        QTest::addColumn<QString>("homePage");
        QTest::addColumn<QString>("respondent");
        QTest::newRow("予備1 home page") << "予備1"
                                         << "山田";
        QTest::newRow("予備2 respondent") << "x"
                                          << "予備2";
        QTest::newRow("予備3 respondent") << "x"
                                          << "予備3";
    }
    void fillersShowEmpty() {
        QFETCH(QString, homePage);
        QFETCH(QString, respondent);
        Program p;
        p.home.write(paths::masterFile(7), companyMaster(homePage, respondent));
        PrintScreen& screen = p.open();
        const bool homeFiller = homePage == QStringLiteral("予備1");
        QCOMPARE(screen.text(QStringLiteral("Text4")), homeFiller ? QString() : homePage);
        QCOMPARE(screen.text(QStringLiteral("Text2")), homeFiller ? respondent : QString());
    }

    void clearButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("emptied");
        QTest::newRow("整理番号") << "Command2" << QStringList{"Text1"};
        QTest::newRow("法人名") << "Command6" << QStringList{"Text3"};
        QTest::newRow("事業年度") << "Command3" << QStringList{"Text13", "Text14", "Text15",
                                                               "Text17", "Text18", "Text19"};
        QTest::newRow("納税地") << "Command7" << QStringList{"Text5"};
        QTest::newRow("電話番号") << "Command8" << QStringList{"Text12"};
        QTest::newRow("ホームページ") << "Command5" << QStringList{"Text4"};
        QTest::newRow("応答者氏名") << "Command4" << QStringList{"Text2"};
        QTest::newRow("右へ") << "Command19" << QStringList{"Text7"};
        QTest::newRow("下へ") << "Command20" << QStringList{"Text8"};
    }
    void clearButtons() {
        QFETCH(QString, button);
        QFETCH(QStringList, emptied);
        Program p;
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text7"), QStringLiteral("3"));
        screen.setText(QStringLiteral("Text8"), QStringLiteral("4"));
        QStringList before;
        for (const Control& c : screen.controls())
            before.append(c.text);
        screen.click(button);
        for (qsizetype i = 0; i < screen.controls().size(); ++i) {
            const Control& c = screen.controls().at(i);
            if (c.name.startsWith(QStringLiteral("EraLabel")))
                continue; // they follow the year boxes
            QCOMPARE(c.text, emptied.contains(c.name) ? QString() : before.at(i));
        }
        QCOMPARE(screen.text(QStringLiteral("Text10")), QStringLiteral("自平成"));
        QCOMPARE(screen.text(QStringLiteral("Text16")), QStringLiteral("至平成"));
    }

    void representative() {
        Program p;
        PrintScreen& screen = p.open();
        screen.click(QStringLiteral("Command15"));
        QCOMPARE(screen.text(QStringLiteral("Text2")), QStringLiteral("代表取締役"));
    }

    // Saving keeps the フリガナ and the representative of the file as they were.
    void saveKeepsLinesTwoAndFifteen() {
        Program p;
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text3"), QStringLiteral("株式会社新名"));
        screen.setText(QStringLiteral("Text1"), QStringLiteral("00777"));
        screen.click(QStringLiteral("Command9"));
        QVERIFY(p.messages.shown().isEmpty());
        QByteArray expected = companyMaster();
        expected.replace(test::crlfFile({"\"株式会社見本\""}),
                         test::crlfFile({"\"株式会社新名\""}));
        expected.replace("12345\r\n", "777\r\n");
        QCOMPARE(p.home.read(paths::masterFile(7)), expected);
    }

    void saveRefusesAnEmptyNumberBox() {
        Program p;
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text15"), QString());
        screen.setText(QStringLiteral("Text3"), QStringLiteral("変更"));
        screen.click(QStringLiteral("Command9"));
        QCOMPARE(p.messages.shown().size(), 1);
        QVERIFY(p.messages.shown().first().text.contains(QStringLiteral("日")));
        QCOMPARE(p.home.read(paths::masterFile(7)), companyMaster());
        // What the user typed stays.
        QCOMPARE(screen.text(QStringLiteral("Text1")), QStringLiteral("12345"));
        QCOMPARE(screen.text(QStringLiteral("Text3")), QStringLiteral("変更"));
    }

    // A business year from 平成31年4月1日 to 令和2年3月31日: each year in its own era, on
    // the screen and in the boxes of the sheet; the file keeps 31 and 32.
    void yearsInTheEraOfTheDate() {
        Program p;
        QByteArray master = companyMaster();
        master.replace("\r\n15\r\n4\r\n1\r\n16\r\n", "\r\n31\r\n4\r\n1\r\n32\r\n");
        p.home.write(paths::masterFile(7), master);
        PrintScreen& screen = p.open();
        QStringList shown;
        for (const char* box : {"Text10", "Text13", "Text16", "Text17"})
            shown.append(screen.text(QString::fromLatin1(box)));
        QCOMPARE(shown, (QStringList{"自平成", "31", "至令和", "2"}));

        screen.click(QStringLiteral("Command11"));
        QVERIFY(p.messages.shown().isEmpty());
        QCOMPARE(p.home.read(paths::masterFile(7)), master);
        for (const char* printed : {"text 126 26 \"1\"", "text 121 26 \"3\"", "text 126 32 \"2\""})
            QVERIFY2(p.texts().contains(QString::fromUtf8(printed)), printed);
        QVERIFY(!p.texts().contains(QStringLiteral("text 121 32 \"3\"")));

        // A year its era does not have is refused, naming both readings.
        screen.typeText(QStringLiteral("Text13"), QStringLiteral("32"));
        screen.click(QStringLiteral("Command9"));
        QCOMPARE(p.messages.shown().size(), 1);
        const QString refused = p.messages.shown().first().text;
        QVERIFY2(refused.contains(QStringLiteral("平成32年4月")) &&
                     refused.contains(QStringLiteral("令和2年4月")),
                 qPrintable(refused));
        QCOMPARE(p.home.read(paths::masterFile(7)), master);
        p.messages.clear();

        // Typed with its era in front, the year is taken and saved as the files count it.
        screen.typeText(QStringLiteral("Text13"), QStringLiteral("R2"));
        QCOMPARE(screen.text(QStringLiteral("Text10")), QStringLiteral("自令和"));
        QCOMPARE(screen.text(QStringLiteral("Text13")), QStringLiteral("2"));
        // The year that follows, so that the end is not before the start.
        screen.typeText(QStringLiteral("Text17"), QStringLiteral("R3"));
        screen.click(QStringLiteral("Command9"));
        QVERIFY(p.messages.shown().isEmpty());
        CompanyRecord saved;
        QVERIFY(masterfile::read(7, 11, saved));
        QCOMPARE(saved.startYear, 32);
    }

    // A company without a 整理番号 leaves the box empty or types 0: the header is saved
    // with 0, nobody is warned and the eight boxes stay blank.
    void referenceNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QString>("shownAgain");
        QTest::newRow("empty") << QString() << QByteArray("0") << QStringList{} << QString();
        QTest::newRow("spaces") << QStringLiteral("  ") << QByteArray("0") << QStringList{}
                                << QString();
        QTest::newRow("0") << QStringLiteral("0") << QByteArray("0") << QStringList{} << QString();
        QTest::newRow("12345") << QStringLiteral("12345") << QByteArray("12345")
                               << QStringList{"text 190 19 \"5\"", "text 185 19 \"4\"",
                                              "text 179 19 \"3\"", "text 174 19 \"2\"",
                                              "text 169 19 \"1\""}
                               << QStringLiteral("12345");
    }
    void referenceNumber() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, saved);
        QFETCH(QStringList, printed);
        QFETCH(QString, shownAgain);
        Program p;
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text1"), typed);
        screen.click(QStringLiteral("Command11"));
        QVERIFY(p.messages.shown().isEmpty());
        QVERIFY(p.checks.shown().isEmpty());
        QByteArray expected = companyMaster();
        expected.replace("12345\r\n", saved + "\r\n");
        QCOMPARE(p.home.read(paths::masterFile(7)), expected);
        QCOMPARE(p.texts().filter(QRegularExpression(QStringLiteral("^text [\\d.]+ 19 "))),
                 printed);
        screen.click(QStringLiteral("data"));
        QCOMPARE(screen.text(QStringLiteral("Text1")), shownAgain);
    }

    void referenceNumberThatIsNoNumberIsRefused() {
        Program p;
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text1"), QStringLiteral("12a"));
        screen.click(QStringLiteral("Command9"));
        QCOMPARE(p.messages.shown().size(), 1);
        QVERIFY(p.messages.shown().first().text.contains(QStringLiteral("整理番号")));
        QCOMPARE(p.home.read(paths::masterFile(7)), companyMaster());
    }

    // Every print, the PDF and the preview show "印刷前の確認" first when something would
    // print wrongly; going back prints nothing at all.
    void checkBeforePrinting_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("lines");
        QTest::newRow("印刷（表）") << "Command11" << 2;
        QTest::newRow("A4コピー用紙へ印刷（表）") << "Command13" << 2;
        QTest::newRow("印刷（裏）") << "Command12" << 1;
        QTest::newRow("A4コピー用紙へ印刷（裏）") << "Command14" << 1;
        QTest::newRow("PDFに保存") << "Command21" << 2;
        QTest::newRow("印刷プレビュー") << "Command22" << 2;
    }
    void checkBeforePrinting() {
        QFETCH(QString, button);
        QFETCH(int, lines);
        Program p;
        // 売上（収入）高 100 without a cost, a gross profit or a monthly table.
        writeSales(p, QStringLiteral("100"));
        int chooserAsked = 0;
        const filechooser::Handler previous =
            filechooser::install([&chooserAsked](const filechooser::SaveRequest&) {
                ++chooserAsked;
                return std::optional<QString>();
            });
        PrintScreen& screen = p.open();

        p.checks.answerNext(false); // 戻る
        screen.click(button);
        QCOMPARE(p.checks.shown().size(), 1);
        const checklist::Request& shown = p.checks.shown().first();
        QCOMPARE(shown.title, QStringLiteral("印刷前の確認"));
        QCOMPARE(shown.proceedCaption, QStringLiteral("このまま印刷"));
        QCOMPARE(shown.backCaption, QStringLiteral("戻る"));
        QCOMPARE(shown.lines.size(), lines);
        QVERIFY(shown.lines.first().contains(QStringLiteral("売上（収入）高 100 千円")));
        QVERIFY(p.printers.operations.isEmpty());
        QVERIFY(p.printers.previewPages.isEmpty());
        QCOMPARE(chooserAsked, 0);
        QVERIFY(p.messages.shown().isEmpty());

        p.checks.answerNext(true); // このまま印刷
        screen.click(button);
        QCOMPARE(p.checks.shown().size(), 2);
        if (button == QStringLiteral("Command21"))
            QCOMPARE(chooserAsked, 1);
        else if (button == QStringLiteral("Command22"))
            QCOMPARE(p.printers.previewPages.size(), 4);
        else
            QCOMPARE(p.printers.operations.last(), QStringLiteral("end"));
        filechooser::install(previous);
    }

    // このまま印刷 prints exactly the page the layout gives, nothing added or left out.
    void printingAnywayPrintsThePageUnchanged() {
        Program p;
        writeSales(p, QStringLiteral("1234567890")); // ten digits in nine boxes
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text7"), QStringLiteral("2"));
        screen.click(QStringLiteral("Command11"));
        QCOMPARE(p.checks.shown().size(), 1);
        QVERIFY(p.checks.shown().first().lines.first().contains(QStringLiteral("1234567890")));

        RecordingSurface direct;
        PagePrinter printer(direct, screen.printData(), PagePrinter::Sheet::Official, {2, 0});
        printer.setReferenceNumber(12345);
        QVERIFY(printer.printFront(QImage()));
        QCOMPARE(p.printers.operations, direct.operations());
    }

    // A company that was deleted leaves no month order behind: a new company under its
    // code prints its own business year's months on the back page.
    void newCompanyUnderADeletedCode() {
        Program p;
        p.home.write(paths::masterFile(5), companyMaster());
        p.home.write(paths::monthOrderFile(5), test::crlfFile({"4", "5", "6", "7", "8", "9", "10",
                                                               "11", "12", "1", "2", "3"}));
        MainMenu& menu = *p.app.screenAs<MainMenu>(screens::mainMenu);
        menu.setText(QStringLiteral("Text1"), QStringLiteral("5"));
        p.messages.answerNext(MessageBox::Answer::Yes); // the question before deleting
        menu.click(QStringLiteral("Command8"));         // 登録の削除をする
        QVERIFY(!p.home.exists(paths::monthOrderFile(5)));

        menu.click(QStringLiteral("Command1")); // 会社登録
        Screen& registration = *p.app.existing(screens::registration);
        const QList<std::pair<const char*, const char*>> typed = {
            {"Text1", "5"},   {"Text3", "新会社"}, {"Text13", "20"},
            {"Text14", "1"},  {"Text15", "1"},     {"Text17", "20"},
            {"Text18", "12"}, {"Text19", "31"},    {"Text7", "0"}};
        for (const auto& [box, text] : typed)
            registration.setText(QString::fromLatin1(box), QString::fromUtf8(text));
        registration.click(QStringLiteral("Command12")); // 法人税の事業概況書に登録する
        QVERIFY(p.home.exists(paths::masterFile(5)));

        p.open(QStringLiteral("5")).click(QStringLiteral("Command12"));
        QStringList months;
        for (const QString& op :
             p.texts().filter(QRegularExpression(QStringLiteral("^text 14 [\\d.]+ "))))
            months.append(op.section(u'"', 1, 1).trimmed());
        QCOMPARE(months,
                 QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    }

    // The offsets move the official sheet's items; unreadable ones are 0.
    void offsets_data() {
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("down");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3 and -2") << "3"
                                  << "-2"
                                  << "Command11"
                                  << "text 27 28 \"株式会社見本\"";
        QTest::newRow("letters and empty") << "abc"
                                           << ""
                                           << "Command11"
                                           << "text 24 30 \"株式会社見本\"";
        QTest::newRow("2.5 rounds to even") << "2.5"
                                            << " 3.5 "
                                            << "Command11"
                                            << "text 26 34 \"株式会社見本\"";
        QTest::newRow("A4 ignores them") << "3"
                                         << "-2"
                                         << "Command13"
                                         << "text 26 34 \"株式会社見本\"";
    }
    void offsets() {
        QFETCH(QString, right);
        QFETCH(QString, down);
        QFETCH(QString, button);
        QFETCH(QString, expected);
        Program p;
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text7"), right);
        screen.setText(QStringLiteral("Text8"), down);
        screen.click(button);
        QVERIFY(p.texts().contains(expected));
        QCOMPARE(p.printers.operations.last(), QStringLiteral("end"));
        QVERIFY(p.messages.shown().isEmpty());
        // The offsets stay in their boxes after the print.
        QCOMPARE(screen.text(QStringLiteral("Text7")), right);
    }

    void printSavesAndReloadsFirst() {
        Program p;
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text3"), QStringLiteral("印刷前に変更"));
        p.home.write(paths::sectionFile(7, 21),
                     test::crlfFile({"\"一行目\"", "\"\"", "\"\"", "\"\"", "\"\""}));
        screen.click(QStringLiteral("Command11"));
        QVERIFY(p.texts().contains(QStringLiteral("text 24 30 \"印刷前に変更\"")));
        QVERIFY(p.texts().contains(QStringLiteral("text 23 51 \"一行目\"")));
        QVERIFY(p.home.read(paths::masterFile(7)).contains(test::crlfFile({"\"印刷前に変更\""})));
        // 整理番号 12345 in the five rightmost boxes.
        QVERIFY(p.texts().contains(QStringLiteral("text 190 19 \"5\"")));
    }

    // Another company's sections never print on this company's page.
    void sectionsOfAnotherCompanyDoNotCarryOver() {
        Program p;
        p.home.write(paths::masterFile(8), companyMaster());
        p.home.write(paths::sectionFile(7, 21),
                     test::crlfFile({"\"七\"", "\"\"", "\"\"", "\"\"", "\"\""}));
        p.open(QStringLiteral("7")).click(QStringLiteral("Command11"));
        QVERIFY(p.texts().contains(QStringLiteral("text 23 51 \"七\"")));
        p.open(QStringLiteral("8")).click(QStringLiteral("Command11"));
        QVERIFY(!p.texts().join(u'\n').contains(QStringLiteral("\"七\"")));
    }

    void backPageMonths_data() {
        QTest::addColumn<QByteArray>("monthFile");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("month order file")
            << test::crlfFile({"10", "11", "12", "1", "2", "3", "4", "5", "6", "7", "8", "9"})
            << "text 14 175 \" 10\"";
        QTest::newRow("no file: the business year's first month")
            << QByteArray() << "text 14 175 \" 4\"";
        QTest::newRow("short file") << test::crlfFile({"10", "11"}) << "text 14 175 \" 4\"";
    }
    void backPageMonths() {
        QFETCH(QByteArray, monthFile);
        QFETCH(QString, firstRow);
        Program p;
        if (!monthFile.isEmpty())
            p.home.write(paths::monthOrderFile(7), monthFile);
        p.open().click(QStringLiteral("Command12"));
        QCOMPARE(p.texts().filter(QRegularExpression(QStringLiteral("^text 14 175 "))),
                 QStringList{firstRow});
    }

    void failuresAreTold_data() {
        QTest::addColumn<bool>("available");
        QTest::addColumn<int>("failAfter");
        QTest::newRow("no printer") << false << -1;
        QTest::newRow("page fails part-way") << true << 20;
    }
    void failuresAreTold() {
        QFETCH(bool, available);
        QFETCH(int, failAfter);
        Program p;
        p.printers.available = available;
        p.printers.failAfter = failAfter;
        p.open().click(QStringLiteral("Command11"));
        QCOMPARE(p.messages.shown().size(), 1);
        QVERIFY(!p.printers.operations.contains(QStringLiteral("end")));
    }

    // The preview shows exactly what each print button sends to the printer, entries
    // drawn narrower included.
    void previewShowsThePrintedPages() {
        Program p;
        // A 応答者氏名 of sixteen characters wraps onto two lines in its column.
        p.home.write(paths::masterFile(7), companyMaster(QStringLiteral("http://example.com/"),
                                                         QString(16, QChar(0x6F22))));
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text7"), QStringLiteral("3"));
        screen.setText(QStringLiteral("Text8"), QStringLiteral("-2"));
        screen.click(QStringLiteral("Command22"));
        const QList<QStringList> preview = p.printers.previewPages;
        QCOMPARE(preview.size(), 4);
        const QStringList buttons = {"Command11", "Command13", "Command12", "Command14"};
        for (int page = 0; page < 4; ++page) {
            screen.click(buttons.at(page));
            QCOMPARE(preview.at(page), p.printers.operations);
            const QStringList twoLines = preview.at(page).filter(
                QRegularExpression(QStringLiteral("^text .*\"漢+\" 11pt \\S+%$")));
            QCOMPARE(twoLines.size(), page < 2 ? 2 : 0); // the front pages
        }
    }

    void reopeningClearsTheOffsets() {
        Program p;
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text7"), QStringLiteral("3"));
        p.open();
        QCOMPARE(screen.text(QStringLiteral("Text7")), QStringLiteral("3"));
        screen.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(p.open().text(QStringLiteral("Text7")), QString());
    }

    void carryOverOpensTheRegistration() {
        Program p;
        p.home.write(paths::registryFile(7),
                     test::crlfFile({"7", "0", "15", "4", "1", "16", "3", "31", "\"ミホン\"",
                                     "\"株式会社見本\"", "\"東京都\"", "\"\"", "\"\"", "\"\"",
                                     "\"\"", "\"03-1\"", "0", "0", "0"}));
        p.open().click(QStringLiteral("Command18"));
        auto* registration =
            qobject_cast<RegistrationScreen*>(p.app.existing(screens::registration));
        QVERIFY(registration && registration->isShown());
        QCOMPARE(registration->handedCode(), std::optional<qint32>(7));
        QCOMPARE(registration->text(QStringLiteral("Text1")), QStringLiteral("7"));
        QCOMPARE(registration->text(QStringLiteral("Text3")), QStringLiteral("株式会社見本"));
    }
};

QTEST_MAIN(PrintScreenTest)
#include "printscreentest.moc"
