#include "shell/pledge.h"
#include "registry/companypaths.h"
#include "screen/application.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "shell/supportlinks.h"
#include "support/testprogram.h"

#include <QTest>

using namespace gaikyo;

namespace {

// The program on the test's home folder, not yet started.
struct Program : test::TestProgram {
    explicit Program(test::TestHome& home, test::ScriptedMessages* messages = nullptr)
        : TestProgram({.home = &home, .messages = messages}) {}
};

const QByteArray accepted() {
    return test::fixture(QStringLiteral("pledge/accepted.txt"));
}
const QByteArray refused() {
    return test::fixture(QStringLiteral("pledge/refused.txt"));
}

} // namespace

class PledgeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartAcceptsSilently() {
        test::TestHome home;
        test::ScriptedMessages messages;
        Program program(home, &messages);
        QVERIFY(program.menu().startUp());
        QVERIFY(program.menu().isShown());
        QVERIFY(messages.shown().isEmpty());
        QCOMPARE(home.read(pledge::filePath()), accepted());
        // Nothing else is created at start-up.
        QVERIFY(!home.exists(paths::dataFolder()));
        QVERIFY(program.menu().items(QStringLiteral("List1")).isEmpty());
        QVERIFY(program.menu().items(QStringLiteral("List2")).isEmpty());
        QCOMPARE(program.platform.beeps, 0);
    }

    // What the start does for each stored pledge and each answer to the question.
    void startUp_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QByteArray>("storedAfter");
        QTest::newRow("accepted") << accepted() << -1 << true << accepted();
        QTest::newRow("refused, Yes")
            << refused() << int(MessageBox::Answer::Yes) << true << accepted();
        QTest::newRow("refused, No")
            << refused() << int(MessageBox::Answer::No) << false << refused();
        const QByteArray other = test::crlfFile({QStringLiteral("\"何か別の文\"")});
        QTest::newRow("other text") << other << -1 << true << other;
        QTest::newRow("empty file") << QByteArray() << -1 << true << accepted();
    }
    void startUp() {
        QFETCH(QByteArray, stored);
        QFETCH(int, answer);
        QFETCH(bool, starts);
        QFETCH(QByteArray, storedAfter);
        test::TestHome home;
        home.write(pledge::filePath(), stored);
        test::ScriptedMessages messages;
        if (answer >= 0)
            messages.answerNext(MessageBox::Answer(answer));
        Program program(home, &messages);
        QCOMPARE(program.menu().startUp(), starts);
        QCOMPARE(program.menu().isShown(), starts);
        QCOMPARE(program.app.hasEnded(), !starts);
        QCOMPARE(program.platform.ends, starts ? 0 : 1);
        QCOMPARE(home.read(pledge::filePath()), storedAfter);
        if (answer < 0) {
            QVERIFY(messages.shown().isEmpty());
        } else {
            QCOMPARE(messages.shown().size(), 1);
            const MessageBox& box = messages.shown().first();
            QCOMPARE(box.title, QStringLiteral("誓約文が不承諾のために使用できません"));
            QCOMPARE(box.text, QStringLiteral("誓約文を承諾しますか　？"));
            QCOMPARE(box.buttons, MessageBox::Buttons::YesNo);
            QCOMPARE(box.icon, MessageBox::Icon::None);
        }
    }

    void disclaimerButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("storedAfter");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("承諾使用") << QStringLiteral("Command1") << accepted() << false
                                  << QStringList();
        QTest::newRow("不承諾") << QStringLiteral("Command2") << refused() << true << QStringList();
        QTest::newRow("END") << QStringLiteral("Command3") << accepted() << true << QStringList();
        QTest::newRow("home page link") << QStringLiteral("Label1") << accepted() << true
                                        << QStringList{supportlinks::homePage()};
    }
    void disclaimerButtons() {
        QFETCH(QString, button);
        QFETCH(QByteArray, storedAfter);
        QFETCH(bool, ends);
        QFETCH(QStringList, opened);
        test::TestHome home;
        test::ScriptedMessages messages;
        Program program(home, &messages);
        QVERIFY(program.menu().startUp());
        program.menu().hide();
        program.menu().click(QStringLiteral("Command22"));
        Screen* disclaimer = program.app.existing(screens::disclaimer);
        QVERIFY(disclaimer && disclaimer->isShown());
        disclaimer->click(button);
        QCOMPARE(home.read(pledge::filePath()), storedAfter);
        QCOMPARE(program.app.hasEnded(), ends);
        QCOMPARE(program.platform.beeps, 1);
        QCOMPARE(program.platform.opened, opened);
        // "承諾使用" brings the main menu back to the front.
        QCOMPARE(program.menu().isShown(), !ends);
    }

    // A pledge file that cannot be written (here a folder in its place) is told at the
    // start and on the disclaimer's buttons; the program goes on, or ends as asked.
    void unwritablePledgeIsTold_data() {
        QTest::addColumn<QString>("button"); // empty: the start itself
        QTest::addColumn<bool>("ends");
        QTest::newRow("first start") << QString() << false;
        QTest::newRow("承諾使用") << QStringLiteral("Command1") << false;
        QTest::newRow("不承諾") << QStringLiteral("Command2") << true;
    }
    void unwritablePledgeIsTold() {
        QFETCH(QString, button);
        QFETCH(bool, ends);
        test::TestHome home;
        home.write(pledge::filePath() + QStringLiteral("\\inside.txt"), "kept");
        test::ScriptedMessages messages;
        Program program(home, &messages);
        QVERIFY(program.menu().startUp());
        QCOMPARE(messages.shown().size(), 1);
        if (!button.isEmpty()) {
            messages.clear();
            program.menu().click(QStringLiteral("Command22"));
            program.app.existing(screens::disclaimer)->click(button);
            QCOMPARE(messages.shown().size(), 1);
        }
        const MessageBox& box = messages.shown().first();
        QCOMPARE(box.title, QStringLiteral("誓約文の記録"));
        QCOMPARE(box.icon, MessageBox::Icon::Exclamation);
        QVERIFY2(box.text.contains(pledge::filePath()) &&
                     box.text.contains(QStringLiteral("同じ名前のフォルダがあります")),
                 qPrintable(box.text));
        QCOMPARE(program.app.hasEnded(), ends);
        QCOMPARE(home.read(pledge::filePath() + QStringLiteral("\\inside.txt")),
                 QByteArray("kept"));
    }

    void refusedThenNextStartAsks() {
        test::TestHome home;
        {
            test::ScriptedMessages messages;
            Program program(home, &messages);
            QVERIFY(program.menu().startUp());
            program.menu().click(QStringLiteral("Command22"));
            program.app.existing(screens::disclaimer)->click(QStringLiteral("Command2"));
            QVERIFY(program.app.hasEnded());
        }
        test::ScriptedMessages messages;
        messages.answerNext(MessageBox::Answer::Yes);
        Program program(home, &messages);
        QVERIFY(program.menu().startUp());
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(home.read(pledge::filePath()), accepted());
    }
};

QTEST_MAIN(PledgeTest)
#include "pledgetest.moc"
