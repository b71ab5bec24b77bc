#include "printing/printerservice.h"
#include "screen/application.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "support/testprogram.h"

#include <QTest>

using namespace gaikyo;

namespace {

class FakePrinters : public PrinterService {
public:
    QStringList installed;
    QString defaultPrinter;
    QStringList refused;
    QStringList installedPrinters() override { return installed; }
    Status setDefaultPrinter(const QString& name) override {
        if (refused.contains(name))
            return Status::failure(QStringLiteral("refused"));
        defaultPrinter = name;
        return {};
    }
    std::unique_ptr<PrintSurface> openDefaultPrinter() override { return nullptr; }
    void showPreview(const QString&, int, const std::function<bool(PrintSurface&)>&) override {}
};

// The program started on the test's home folder, with the printers given.
struct Program : test::TestProgram {
    FakePrinters printers;
    Program(test::TestHome& home, QStringList installed, test::ScriptedMessages* messages = nullptr)
        : TestProgram({.home = &home, .messages = messages}) {
        printers.installed = std::move(installed);
        printers.defaultPrinter = QStringLiteral("before");
        app.setPrinters(&printers);
        QVERIFY(startUp());
    }
    Screen* open() {
        app.existing(screens::mainMenu)->click(QStringLiteral("Command27"));
        return app.existing(screens::printers);
    }
};

} // namespace

class PrinterScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setMakesTheFirstPrinterTheDefault() {
        test::TestHome home;
        Program program(home, {QStringLiteral("pdf"), QStringLiteral("office")});
        Screen* screen = program.open();
        QCOMPARE(screen->caption(), QStringLiteral("プリンタの変更"));
        QCOMPARE(screen->items(QStringLiteral("List1")), QStringList({"pdf", "office"}));
        QCOMPARE(screen->selectedRow(QStringLiteral("List1")), 0);
        screen->click(QStringLiteral("Command1"));
        QCOMPARE(program.printers.defaultPrinter, QStringLiteral("pdf"));
        QVERIFY(!screen->isShown());
        QVERIFY(program.app.existing(screens::mainMenu)->isShown());
    }

    void setTheChosenPrinter() {
        test::TestHome home;
        Program program(home, {QStringLiteral("pdf"), QStringLiteral("office")});
        Screen* screen = program.open();
        screen->setSelectedRow(QStringLiteral("List1"), 1);
        screen->click(QStringLiteral("Command1"));
        QCOMPARE(program.printers.defaultPrinter, QStringLiteral("office"));
    }

    void closeLeavesTheDefault() {
        test::TestHome home;
        Program program(home, {QStringLiteral("pdf")});
        Screen* screen = program.open();
        screen->click(QStringLiteral("Command2"));
        QCOMPARE(program.printers.defaultPrinter, QStringLiteral("before"));
        QVERIFY(!screen->isShown());
    }

    // The list is made when the screen loads: hiding keeps it, closing renews it.
    void listIsBuiltOnLoadOnly() {
        test::TestHome home;
        Program program(home, {QStringLiteral("pdf")});
        Screen* screen = program.open();
        screen->click(QStringLiteral("Command2"));
        program.printers.installed.append(QStringLiteral("new"));
        QCOMPARE(program.open()->items(QStringLiteral("List1")), QStringList{"pdf"});
        screen->close();
        QCOMPARE(program.open()->items(QStringLiteral("List1")), QStringList({"pdf", "new"}));
    }

    void failuresKeepTheScreen_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("no printer") << QStringList() << QStringList();
        QTest::newRow("name refused") << QStringList{"pdf"} << QStringList{"pdf"};
    }
    void failuresKeepTheScreen() {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, refused);
        test::TestHome home;
        test::ScriptedMessages messages;
        Program program(home, installed, &messages);
        program.printers.refused = refused;
        Screen* screen = program.open();
        screen->click(QStringLiteral("Command1"));
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().title, QStringLiteral("プリンタの変更"));
        QVERIFY(screen->isShown());
        QCOMPARE(program.printers.defaultPrinter, QStringLiteral("before"));
    }
};

QTEST_MAIN(PrinterScreenTest)
#include "printerscreentest.moc"
