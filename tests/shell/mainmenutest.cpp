#include "shell/mainmenu.h"
#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "registry/companypaths.h"
#include "screen/application.h"
#include "shell/screens.h"
#include "shell/supportlinks.h"
#include "support/recordingplatform.h"
#include "support/scriptedmessages.h"
#include "support/testhome.h"

#include <QFile>
#include <QTest>

using namespace gaikyo;

namespace {

// A stand-in target that notes what the hand-over does to it, in order.
class TargetScreen : public Screen {
public:
    TargetScreen(Application& app, const QString& name, QStringList& log)
        : Screen(app, name, name, QSize(100, 100), Unit::Pixels), m_log(log) {}
    void load() override { m_log.append(QStringLiteral("load")); }
    void openOn(qint32 code) override { m_log.append(QStringLiteral("openOn(%1)").arg(code)); }

private:
    QStringList& m_log;
};

struct Program {
    test::RecordingPlatform platform;
    Application app{platform};
    QStringList log;
    Program() {
        screens::registerAll(app);
        for (const QString& name :
             {screens::sections, screens::mainAccounts, screens::businessForm,
              screens::taxAccountant, screens::monthlyTable, screens::print, screens::printers})
            app.registerScreen(
                name, [this, name](Application& a) { return new TargetScreen(a, name, log); });
        QVERIFY(menu()->startUp());
    }
    MainMenu* menu() { return app.screenAs<MainMenu>(screens::mainMenu); }
};

QByteArray master7() {
    return test::fixture(QStringLiteral("registry/master7.txt"));
}

} // namespace

class MainMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void handOver_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("log");
        const QStringList opened{"load", "openOn(12)"};
        QTest::newRow("概況書１") << QStringLiteral("Command15") << screens::sections << opened;
        QTest::newRow("概況書２") << QStringLiteral("Command19") << screens::mainAccounts << opened;
        QTest::newRow("概況書３") << QStringLiteral("Command12") << screens::businessForm << opened;
        QTest::newRow("概況書４") << QStringLiteral("Command4") << screens::taxAccountant << opened;
        QTest::newRow("概況書５") << QStringLiteral("Command5") << screens::monthlyTable << opened;
        QTest::newRow("印刷") << QStringLiteral("Command3") << screens::print << opened;
    }
    void handOver() {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QFETCH(QStringList, log);
        test::TestHome home;
        test::ScriptedMessages messages;
        Program program;
        program.menu()->setText(QStringLiteral("Text1"), QStringLiteral(" 12 "));
        program.menu()->click(button);
        QCOMPARE(program.log, log);
        QVERIFY(program.app.existing(target)->isShown());
        // The screen is kept: a second hand-over does not create it again.
        program.log.clear();
        program.menu()->click(button);
        QVERIFY(!program.log.contains(QStringLiteral("load")));
        QVERIFY(messages.shown().isEmpty());
    }

    void handOverWithoutCode_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("too large") << QStringLiteral("99999999999");
    }
    void handOverWithoutCode() {
        QFETCH(QString, code);
        test::TestHome home;
        test::ScriptedMessages messages;
        Program program;
        program.menu()->setText(QStringLiteral("Text1"), code);
        program.menu()->click(QStringLiteral("Command19"));
        QVERIFY(program.log.isEmpty());
        QVERIFY(!program.app.existing(screens::mainAccounts));
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().title, QStringLiteral("概況書２"));
    }

    void screensWithoutCode() {
        test::TestHome home;
        Program program;
        program.menu()->click(QStringLiteral("Command27"));
        QVERIFY(program.app.existing(screens::printers)->isShown());
        QCOMPARE(program.log, QStringList{"load"});
        program.menu()->click(QStringLiteral("Command22"));
        QVERIFY(program.app.existing(screens::disclaimer)->isShown());
    }

    void closeFileChannelBeeps() {
        test::TestHome home;
        Program program;
        FileChannel::instance().occupyForTest(QStringLiteral("c:\\x.txt"));
        program.menu()->click(QStringLiteral("Command10"));
        QVERIFY(!FileChannel::instance().isOpen());
        program.menu()->click(QStringLiteral("Command10"));
        QCOMPARE(program.platform.beeps, 2);
        QVERIFY(!program.app.hasEnded());
    }

    void endingTheProgram_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("終　了") << false;
        QTest::newRow("close box") << true;
    }
    void endingTheProgram() {
        QFETCH(bool, closeBox);
        test::TestHome home;
        Program program;
        program.menu()->setText(QStringLiteral("Text1"), QStringLiteral("1"));
        program.menu()->click(QStringLiteral("Command19")); // another screen is open
        FileChannel::instance().occupyForTest(QStringLiteral("c:\\x.txt"));
        if (closeBox)
            program.menu()->closeBoxPressed();
        else
            program.menu()->click(QStringLiteral("Command11"));
        QVERIFY(program.app.hasEnded());
        QCOMPARE(program.platform.beeps, 1);
        QCOMPARE(program.platform.ends, 1);
        QVERIFY(!FileChannel::instance().isOpen());
    }

    void dataButtonDoesNothing() {
        test::TestHome home;
        Program program;
        program.menu()->setText(QStringLiteral("Text1"), QStringLiteral("7"));
        program.menu()->click(QStringLiteral("Command13"));
        QVERIFY(program.log.isEmpty());
        QCOMPARE(program.platform.beeps, 0);
    }

    void supportLinks_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("address");
        QTest::newRow("forum") << QStringLiteral("Command20") << supportlinks::forum();
        QTest::newRow("mail") << QStringLiteral("Command24")
                              << QStringLiteral("mailto:") + supportlinks::mailbox();
        QTest::newRow("home page") << QStringLiteral("Command25") << supportlinks::homePage();
    }
    void supportLinks() {
        QFETCH(QString, button);
        QFETCH(QString, address);
        test::TestHome home;
        Program program;
        program.menu()->click(button);
        QCOMPARE(program.platform.opened, QStringList{address});
        QVERIFY(!program.app.hasEnded());
        QVERIFY(supportlinks::forum().endsWith(QStringLiteral("/cgi-bin/tree3/wforum.cgi?")));
    }

    void mailAddress_data() {
        QTest::addColumn<QString>("mailbox");
        QTest::addColumn<QString>("address");
        QTest::newRow("plain") << QStringLiteral("a@example.com")
                               << QStringLiteral("mailto:a@example.com");
        QTest::newRow("has mailto")
            << QStringLiteral("mailto:a@example.com") << QStringLiteral("mailto:a@example.com");
        QTest::newRow("upper case")
            << QStringLiteral("MAILTO:a@example.com") << QStringLiteral("MAILTO:a@example.com");
    }
    void mailAddress() {
        QFETCH(QString, mailbox);
        QFETCH(QString, address);
        QCOMPARE(supportlinks::mailAddress(mailbox), address);
    }

    void refillCompanyList() {
        test::TestHome home;
        Program program;
        QVERIFY(program.menu()->items(QStringLiteral("List2")).isEmpty());
        home.write(paths::masterFile(7), master7());
        program.menu()->click(QStringLiteral("Command17"));
        QCOMPARE(program.menu()->items(QStringLiteral("List2")),
                 QStringList{QStringLiteral("07 : 株式会社見本  [平成15.4.1]")});
    }

    void startUpListsBothKinds() {
        test::TestHome home;
        home.write(paths::masterFile(7), master7());
        home.write(paths::registryFile(45),
                   test::fixture(QStringLiteral("registry/registry45_19values.txt")));
        Program program;
        QCOMPARE(program.menu()->items(QStringLiteral("List2")).size(), 1);
        QCOMPARE(program.menu()->items(QStringLiteral("List1")).size(), 1);
    }

    void companyListClickCallsUp() {
        test::TestHome home;
        home.write(paths::masterFile(7), master7());
        Program program;
        program.menu()->clickItem(QStringLiteral("List2"), 0);
        MainMenu& menu = *program.menu();
        QCOMPARE(menu.text(QStringLiteral("Text1")), QStringLiteral("7"));
        QCOMPARE(menu.text(QStringLiteral("Text2")), QStringLiteral("株式会社見本"));
        QStringList dates;
        for (const char* box : {"Text13", "Text14", "Text15", "Text17", "Text18", "Text19"})
            dates.append(menu.text(QString::fromLatin1(box)));
        QCOMPARE(dates, QStringList({"15", "4", "1", "16", "3", "31"}));
        QCOMPARE(program.log, QStringList({"load", "openOn(7)"}));
    }

    void callUpWithoutFileChangesNothing() {
        test::TestHome home;
        Program program;
        program.menu()->setText(QStringLiteral("Text1"), QStringLiteral("8"));
        program.menu()->click(QStringLiteral("Command2"));
        QCOMPARE(program.menu()->text(QStringLiteral("Text2")), QStringLiteral("　"));
        QVERIFY(program.log.isEmpty());
    }

    void clearCodeKeepsDates() {
        test::TestHome home;
        home.write(paths::masterFile(7), master7());
        Program program;
        program.menu()->clickItem(QStringLiteral("List2"), 0);
        program.menu()->click(QStringLiteral("Command9"));
        QCOMPARE(program.menu()->text(QStringLiteral("Text1")), QString());
        QCOMPARE(program.menu()->text(QStringLiteral("Text2")), QString());
        QCOMPARE(program.menu()->text(QStringLiteral("Text13")), QStringLiteral("15"));
    }

    void deleteCompanyMovesItsFilesToTheTrash() {
        test::TestHome home;
        home.write(paths::masterFile(7), master7());
        home.write(paths::sectionFile(7, 21), "x");
        home.write(paths::sectionFile(7, 60), "x");
        home.write(paths::monthOrderFile(7), "x");
        home.write(paths::registryFile(7), "x");
        Program program;
        test::ScriptedMessages messages;
        messages.answerNext(MessageBox::Answer::Yes);
        program.menu()->setText(QStringLiteral("Text1"), QStringLiteral("7"));
        program.menu()->click(QStringLiteral("Command8"));
        QVERIFY(!home.exists(paths::masterFile(7)));
        QVERIFY(!home.exists(paths::sectionFile(7, 21)));
        QVERIFY(!home.exists(paths::sectionFile(7, 60)));
        QVERIFY(!home.exists(paths::monthOrderFile(7)));
        QVERIFY(home.exists(paths::registryFile(7)));
#ifndef Q_OS_WIN // Windows' Recycle Bin is no folder of the test's home
        // Restorable: the trash holds them.
        QVERIFY(QFile::exists(home.path() + QStringLiteral("/.local/share/Trash/files/7021.txt")));
        QVERIFY(QFile::exists(home.path() + QStringLiteral("/.local/share/Trash/files/月7.txt")));
#endif
        // The company leaves the list at once (others may share the folder and must not
        // pick it); the boxes keep their text.
        QCOMPARE(program.menu()->items(QStringLiteral("List2")).size(), 0);
        QCOMPARE(program.menu()->text(QStringLiteral("Text1")), QStringLiteral("7"));
    }

    void deleteWithoutCodeDoesNothing() {
        test::TestHome home;
        home.write(paths::masterFile(7), master7());
        Program program;
        program.menu()->setText(QStringLiteral("Text1"), QStringLiteral("abc"));
        program.menu()->click(QStringLiteral("Command8"));
        QVERIFY(home.exists(paths::masterFile(7)));
    }
};

QTEST_MAIN(MainMenuTest)
#include "mainmenutest.moc"
