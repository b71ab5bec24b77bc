// Prints through the system's real spooler: the printer screen makes the test queue the
// default printer, the print screen's buttons are clicked in real windows, and the page
// that comes out of the queue is read back word by word with pdftotext. On Windows the
// queue is reached through Windows' own printer list and printer driver.
#include "datafile/drivec.h"
#include "gui/screenwindow.h"
#include "gui/systemprinters.h"
#include "gui/windowmanager.h"
#include "registry/companypaths.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "support/pdftools.h"
#include "support/pdfwords.h"
#include "support/typing.h"
#include "support/windowed.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <climits>
#include <optional>

using namespace gaikyo;
using namespace Qt::StringLiterals;

namespace {

// The one job that reaches the "network printer" of the test queue.
class PrinterPort : public QObject {
public:
    explicit PrinterPort(quint16 port) { m_server.listen(QHostAddress::LocalHost, port); }
    bool listening() const { return m_server.isListening(); }

    QByteArray nextJob() {
        if (!m_server.waitForNewConnection(60000))
            return {};
        QTcpSocket* socket = m_server.nextPendingConnection();
        QByteArray job;
        while (socket->state() == QAbstractSocket::ConnectedState || socket->bytesAvailable()) {
            if (!socket->waitForReadyRead(10000) &&
                socket->state() != QAbstractSocket::ConnectedState) {
                job += socket->readAll();
                break;
            }
            job += socket->readAll();
        }
        delete socket;
        return job;
    }

private:
    QTcpServer m_server;
};

#ifdef Q_OS_WIN
constexpr int inkDpi = 300;

bool dark(const QImage& page, int x, int y) {
    return page.rect().contains(x, y) && qGray(page.pixel(x, y)) < 128;
}

// A dark pixel of a rule of the A4 picture: part of an unbroken line longer than any
// character.
bool onRule(const QImage& page, int x, int y, int longest) {
    auto run = [&](int dx, int dy) {
        int length = 1;
        for (int step = 1; length <= longest && dark(page, x + dx * step, y + dy * step); ++step)
            ++length;
        for (int step = 1; length <= longest && dark(page, x - dx * step, y - dy * step); ++step)
            ++length;
        return length;
    };
    return run(1, 0) > longest || run(0, 1) > longest;
}

// Where the ink of a word printed at `at` (mm on the page) begins: its leftmost and its
// topmost dark pixel within a character's reach of that place, rules left out.
std::optional<QPointF> firstInk(const QImage& page, QPointF at) {
    const double perMm = inkDpi / 25.4;
    const QRect reach(QPoint(int((at.x() - 1.5) * perMm), int((at.y() - 1.5) * perMm)),
                      QPoint(int((at.x() + 3.0) * perMm), int((at.y() + 4.0) * perMm)));
    const int longest = int(6 * perMm);
    int left = INT_MAX, top = INT_MAX;
    for (int py = reach.top(); py <= reach.bottom(); ++py)
        for (int px = reach.left(); px <= reach.right(); ++px)
            if (dark(page, px, py) && !onRule(page, px, py, longest)) {
                left = std::min(left, px);
                top = std::min(top, py);
            }
    if (left == INT_MAX)
        return std::nullopt;
    return QPointF(left / perMm, top / perMm);
}
#endif

// A company of 令和7年4月1日 to 令和8年3月31日, which the files count as 37 and 38.
QByteArray master() {
    return test::crlfFile({"7",          "\"ミホン\"", "\"株式会社見本\"",
                           "\"東京都\"", "\"03-1\"",   "37",
                           "4",          "1",          "38",
                           "3",          "31",         "\"\"",
                           "\"山田\"",   "12345",      "\"山田一郎\"",
                           "\"予備2\"",  "\"予備3\"",  "\"予備4\"",
                           "\"予備5\"",  "\"予備6\"",  "\"予備7\"",
                           "\"予備8\"",  "\"予備9\"",  "\"予備10\"",
                           "\"予備11\"", "\"予備12\""});
}

} // namespace

class RealPrintTest : public QObject {
    Q_OBJECT
private:
    QString m_printer = qEnvironmentVariable("GAIKYO_TEST_PRINTER");
    quint16 m_port = quint16(qEnvironmentVariableIntValue("GAIKYO_TEST_PRINTER_PORT"));
    // One home for the whole run: the print system keeps the user's settings folder
    // from its first use.
    std::unique_ptr<test::TestHome> m_home;

    // The printer screen makes the test queue the default printer.
    void chooseTestPrinter(WindowManager& windows, ScreenWindow* menu) {
        QTest::mouseClick(menu->findChild<QPushButton*>(QStringLiteral("Command27")),
                          Qt::LeftButton);
        ScreenWindow* printerWindow = windows.window(screens::printers);
        auto* list = printerWindow->findChild<QListWidget*>(QStringLiteral("List1"));
        const QList<QListWidgetItem*> found = list->findItems(m_printer, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        // Chosen with the keyboard, as a user does; the queue may be anywhere in the list.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int step = 0; step < list->count() && list->currentItem() != found.first(); ++step)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentItem(), found.first());
        QTest::mouseClick(printerWindow->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCOMPARE(QPrinterInfo::defaultPrinterName(), m_printer);
    }

private Q_SLOTS:
    void initTestCase() {
        if (m_printer.isEmpty() || m_port == 0)
            QSKIP("no test printer queue: run the tests through tools/test");
        m_home = std::make_unique<test::TestHome>();
    }

    void printsThroughTheSpooler_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("word");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // The layout's X and Y plus the offsets 3 right and 2 up.
        QTest::newRow("front, 法人名") << "Command11"
                                       << "株式会社見本" << 27.0 << 28.0;
        QTest::newRow("front, 整理番号 box 1") << "Command11"
                                               << "5" << 193.0 << 17.0;
        // The year boxes of 事業年度 hold 令和7 and 令和8, as the sheet's era reads.
        QTest::newRow("front, 事業年度 自 令和7") << "Command11"
                                                  << "7" << 129.0 << 24.0;
        QTest::newRow("front, 事業年度 至 令和8") << "Command11"
                                                  << "8" << 129.0 << 30.0;
        QTest::newRow("back, 決済日 of 売上") << "Command12"
                                              << "末日" << 90.0 << 84.0;
        // On A4 copy paper the offsets play no part.
        QTest::newRow("A4 front, 法人名") << "Command13"
                                          << "株式会社見本" << 26.0 << 34.0;
        QTest::newRow("A4 front, 事業年度 至 令和8") << "Command13"
                                                     << "8" << 130.0 << 34.0;
        QTest::newRow("A4 back, 決済日 of 売上") << "Command14"
                                                 << "末日" << 94.0 << 89.0;
    }
    void printsThroughTheSpooler() {
        QFETCH(QString, button);
        QFETCH(QString, word);
        QFETCH(double, x);
        QFETCH(double, y);

        test::TestHome& home = *m_home;
        home.write(paths::masterFile(7), master());
        QStringList settlement(43, QStringLiteral("\"\""));
        settlement[4] = QStringLiteral("\"末日\"");
        home.write(paths::sectionFile(7, 50), test::crlfFile(settlement));

        SystemPrinters printers;
        test::Windowed<> program({.home = &home, .printers = &printers});
        QVERIFY(program.startUp());
        const test::ScriptedMessages& messages = program.messages;
        WindowManager& windows = program.windows;
        ScreenWindow* menu = windows.window(screens::mainMenu);

        chooseTestPrinter(windows, menu);
        if (QTest::currentTestFailed())
            return;

        // The print screen for company 7, offsets 3 right and 2 up.
        menu->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QString());
        QTest::keyClicks(menu->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("7"));
        QTest::mouseClick(menu->findChild<QPushButton*>(QStringLiteral("Command3")),
                          Qt::LeftButton);
        ScreenWindow* print = windows.window(screens::print);
        QVERIFY(print && print->isVisible());
        QTest::keyClicks(print->findChild<QLineEdit*>(QStringLiteral("Text7")),
                         QStringLiteral("3"));
        QTest::keyClicks(print->findChild<QLineEdit*>(QStringLiteral("Text8")),
                         QStringLiteral("-2"));

        PrinterPort port(m_port);
        QVERIFY(port.listening());
        QTest::mouseClick(print->findChild<QPushButton*>(button), Qt::LeftButton);
        QVERIFY2(
            messages.shown().isEmpty(),
            qPrintable(messages.shown().isEmpty() ? QString() : messages.shown().first().text));
        const QByteArray job = port.nextJob();

        // Positions are measured from the printable area's corner.
        QPrinter printer(QPrinterInfo::printerInfo(m_printer), QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter);
#ifdef Q_OS_WIN
        // Windows' printer driver sends PostScript, whose Japanese text cannot be read
        // back: the page is rendered, and the ink of the word's first character must
        // start where the word is printed.
        QVERIFY2(job.startsWith("%!PS"), job.left(40).constData());
        const QImage page = test::renderPdfPage(test::postScriptToPdf(job), 1, inkDpi);
        QVERIFY(!page.isNull());
        const QPointF at(printable.left() + x, printable.top() + y);
        const std::optional<QPointF> ink = firstInk(page, at);
        QVERIFY2(ink, qPrintable(word + QStringLiteral(": no ink")));
        const QPointF off = *ink - at;
        const QString where =
            QStringLiteral("%1: ink starts %2 mm right and %3 mm down of its place")
                .arg(word)
                .arg(off.x(), 0, 'f', 2)
                .arg(off.y(), 0, 'f', 2);
        qInfo("%s", qUtf8Printable(where));
        QVERIFY2(off.x() >= -0.1 && off.x() <= 0.8 && off.y() >= -0.1 && off.y() <= 1.5,
                 qPrintable(where));
#else
        QVERIFY2(job.startsWith("%PDF"), job.left(40).constData());

        const QList<test::PdfWord> words = test::pdfWords(job);
        QVERIFY(!words.isEmpty());
        bool matched = false;
        QString seen;
        for (const test::PdfWord& w : words) {
            if (w.text != word)
                continue;
            const double dx = w.x - printable.left() - x;
            const double dy = w.y - printable.top() - y;
            seen +=
                QStringLiteral(" (%1, %2)").arg(w.x - printable.left()).arg(w.y - printable.top());
            matched = matched || (qAbs(dx) <= 0.3 && qAbs(dy) <= 0.3);
        }
        QVERIFY2(matched, qPrintable(word + QStringLiteral(" found at") + seen));
        // The files' count of the years (37, 38) never reaches the paper: the tens box
        // beside a year of 令和7 or 8 stays blank.
        if (QString::fromUtf8(QTest::currentDataTag()).contains(QStringLiteral("事業年度")))
            for (const test::PdfWord& w : words)
                QVERIFY2(qAbs(w.x - printable.left() - (x - 5)) > 0.3 ||
                             qAbs(w.y - printable.top() - y) > 0.3,
                         qPrintable(w.text + QStringLiteral(" in the tens box")));
#endif
    }

    // The 有/無 boxes of items 8 and 9 typed with marks in the real window of 概況書２:
    // each mark is saved as 1, shows ○, and the page from the spooler has ○ in its box.
    // A text that is no mark is refused by name, and nothing is saved.
    void marksThroughTheSpooler_data() {
        QTest::addColumn<QStringList>("typed"); // into Text44 … Text49
        QTest::addColumn<QString>("refused");   // the box named, empty when all are marks
        QTest::newRow("○ 〇 レ ✓ 1 １")
            << QStringList{u"○"_s, u"〇"_s, u"レ"_s, u"✓"_s, u"1"_s, u"１"_s} << QString();
        QTest::newRow("￮ ◯ ﾚ ✔, two left empty")
            << QStringList{u"￮"_s, QString(), u"◯"_s, u"ﾚ"_s, QString(), u"✔"_s} << QString();
        QTest::newRow("× refused")
            << QStringList{u"○"_s, u"×"_s, QString(), QString(), QString(), QString()}
            << u"インターネットバンキング 無"_s;
    }
    void marksThroughTheSpooler() {
        QFETCH(QStringList, typed);
        QFETCH(QString, refused);
        test::TestHome& home = *m_home;
        home.write(paths::masterFile(7), master());
        home.write(paths::statementFolder() + QStringLiteral("keep"), {});
        QFile::remove(drivec::hostPath(paths::sectionFile(7, 30)));

        SystemPrinters printers;
        test::Windowed<> program({.home = &home, .printers = &printers});
        QVERIFY(program.startUp());
        const test::ScriptedMessages& messages = program.messages;
        WindowManager& windows = program.windows;
        ScreenWindow* menu = windows.window(screens::mainMenu);
        chooseTestPrinter(windows, menu);
        if (QTest::currentTestFailed())
            return;
        menu->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QString());
        QTest::keyClicks(menu->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("7"));

        // 概況書２: the marks typed, then 登録実行.
        QTest::mouseClick(menu->findChild<QPushButton*>(QStringLiteral("Command19")),
                          Qt::LeftButton);
        ScreenWindow* accounts = windows.window(screens::mainAccounts);
        QVERIFY(accounts && accounts->isVisible());
        for (int i = 0; i < 6; ++i)
            test::typeInto(accounts->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(44 + i)),
                           typed.at(i));
        QTest::mouseClick(accounts->findChild<QPushButton*>(QStringLiteral("Command9")),
                          Qt::LeftButton);
        if (!refused.isEmpty()) {
            QCOMPARE(messages.shown().size(), 1);
            QVERIFY2(messages.shown().first().text.contains(
                         u"「%1」の「×」は印として使えません"_s.arg(refused)),
                     qPrintable(messages.shown().first().text));
            QVERIFY(!home.exists(paths::sectionFile(7, 30)));
            QCOMPARE(accounts->findChild<QLineEdit*>(QStringLiteral("Text45"))->text(), u"×"_s);
            return;
        }
        QVERIFY2(messages.shown().isEmpty(), qPrintable(messages.shown().value(0).text));
        const QList<QByteArray> lines = home.read(paths::sectionFile(7, 30)).split('\n');
        for (int i = 0; i < 6; ++i) {
            const bool ticked = !typed.at(i).isEmpty();
            QCOMPARE(lines.at(42 + i), QByteArray(ticked ? "1\r" : "0\r"));
            QCOMPARE(accounts->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(44 + i))->text(),
                     ticked ? u"○"_s : QString());
        }

        // The front page on A4 copy paper, through the spooler.
        QTest::mouseClick(menu->findChild<QPushButton*>(QStringLiteral("Command3")),
                          Qt::LeftButton);
        ScreenWindow* print = windows.window(screens::print);
        QVERIFY(print && print->isVisible());
        PrinterPort port(m_port);
        QVERIFY(port.listening());
        QTest::mouseClick(print->findChild<QPushButton*>(QStringLiteral("Command13")),
                          Qt::LeftButton);
        QVERIFY2(messages.shown().isEmpty(), qPrintable(messages.shown().value(0).text));
        const QByteArray job = port.nextJob();
#ifndef Q_OS_WIN
        QVERIFY2(job.startsWith("%PDF"), job.left(40).constData());
        QPrinter printer(QPrinterInfo::printerInfo(m_printer), QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        const QList<test::PdfWord> words = test::pdfWords(job);
        // 有 and 無 of 8 (1), 8 (2) and 9, where the A4 page prints them.
        const QPointF places[] = {{135, 258}, {145, 258}, {178, 258},
                                  {188, 258}, {178, 264}, { 188, 264 }};
        int circles = 0;
        for (const test::PdfWord& w : words) {
            if (w.text == u"1"_s || w.text == u"１"_s)
                QVERIFY2(qAbs(w.y - printable.top() - 258) > 1 &&
                             qAbs(w.y - printable.top() - 264) > 1,
                         "a tick printed as a number");
            if (w.text == u"○"_s)
                ++circles;
        }
        for (int i = 0; i < 6; ++i) {
            const QPointF at = places[i] + printable.topLeft();
            QCOMPARE(test::hasWordAt(words, 1, u"○"_s, at.x(), at.y(), 0.5),
                     !typed.at(i).isEmpty());
        }
        QCOMPARE(circles, int(typed.size() - typed.count(QString())));
#else
        QVERIFY2(job.startsWith("%!PS"), job.left(40).constData());
#endif
    }
};

QTEST_MAIN(RealPrintTest)
#include "realprinttest.moc"
