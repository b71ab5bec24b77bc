#include "datafile/drivec.h"
#include "gui/desktopprogram.h"
#include "gui/qtmessages.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "screen/application.h"
#include "screen/fieldmerge.h"
#include "screen/messages.h"
#include "shell/screens.h"
#include "statement/sectionfile.h"
#include "support/recordingplatform.h"
#include "support/samplecompany.h"
#include "support/testhome.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace gaikyo;
using namespace Qt::StringLiterals;

namespace {

// Where the pictures of the questions go, for review.
QString picturesFolder() {
    const QString folder = QStringLiteral(GAIKYO_PICTURES_DIR);
    QDir().mkpath(folder);
    return folder;
}

// While the question is up: its picture is kept, its buttons noted, and a key pressed.
struct Answering {
    QString picture;
    int key;
    QStringList buttons;
    QString defaultButton;

    void arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            box->grab().save(picturesFolder() + u'/' + picture);
            for (QAbstractButton* b : box->buttons())
                buttons.append(b->text());
            if (box->defaultButton())
                defaultButton = box->defaultButton()->text();
            QTest::keyClick(box, Qt::Key(key));
        });
    }
};

const QList<fieldmerge::Field> conflicting{
    {u"売上（収入）高"_s, u""_s, u""_s, u"2,000"_s, u"1,000"_s},
    {u"現金預金"_s, u""_s, u""_s, u"300"_s, u"500"_s},
    {u"受取手形"_s, u""_s, u""_s, u""_s, u""_s},
};

} // namespace

class MergeQuestionWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installDesktopServices(*qApp); }

    // The real question: both values of each field, はい and いいえ in Japanese, and
    // Enter or Escape keep the values already saved.
    void conflictQuestion_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void conflictQuestion() {
        QFETCH(int, key);
        Answering answering{u"conflict-question.png"_s, key, {}, {}};
        answering.arm();
        const QList<fieldmerge::Take> takes = fieldmerge::resolve(
            conflicting, u"登録実行"_s, u"c:\\法人税事業概況書\\概況書\\7030.txt"_s);
        QCOMPARE(takes, (QList<fieldmerge::Take>{fieldmerge::Take::Stored, fieldmerge::Take::Stored,
                                                 fieldmerge::Take::Typed}));
        QCOMPARE(answering.buttons.size(), 2);
        QVERIFY2(answering.buttons.contains(u"はい(&Y)"_s) || answering.buttons.contains(u"はい"_s),
                 qPrintable(answering.buttons.join(u',')));
        QVERIFY(answering.defaultButton.startsWith(u"いいえ"_s));
    }

    void recreateQuestion() {
        Answering answering{u"recreate-question.png"_s, Qt::Key_Return, {}, {}};
        answering.arm();
        QVERIFY(
            !fieldmerge::askRecreate(u"登録実行"_s, 6, u"c:\\法人税事業概況書\\法人名\\6.txt"_s));
        QVERIFY(answering.defaultButton.startsWith(u"いいえ"_s));
    }

    // The monthly table refusing rows typed under months that have moved: the real
    // message box, from the screen itself.
    void monthWarning() {
        test::TestHome home;
        home.write(paths::masterFile(7), masterfile::bytes(test::sampleCompany(7), nullptr));
        drivec::createFolder(paths::statementFolder());
        test::RecordingPlatform platform;
        Application app(platform);
        screens::registerAll(app);
        app.open(screens::monthlyTable, 7);
        Screen* table = app.existing(screens::monthlyTable);
        CompanyRecord october = test::sampleCompany(7);
        october.startMonth = 10;
        october.endMonth = 9;
        october.endDay = 30;
        home.write(paths::masterFile(7), masterfile::bytes(october, nullptr));
        table->typeText(u"Text1"_s, u"100"_s);

        Answering answering{u"month-warning.png"_s, Qt::Key_Return, {}, {}};
        answering.arm();
        table->click(u"Command9"_s);
        QCOMPARE(answering.buttons.size(), 1);
        QVERIFY(!home.exists(paths::sectionFile(7, 60)));
        QCOMPARE(table->text(u"Text136"_s), u"10"_s);
    }

    // A question without a safe answer of its own keeps Qt's default (はい).
    void otherQuestionsUnchanged() {
        Answering answering{u"plain-question.png"_s, Qt::Key_Return, {}, {}};
        answering.arm();
        const MessageBox question{u"題"_s, u"よろしいですか？"_s, MessageBox::Icon::None,
                                  MessageBox::Buttons::YesNo};
        QCOMPARE(showQtMessageBox(question), MessageBox::Answer::Yes);
    }
};

QTEST_MAIN(MergeQuestionWindowTest)
#include "mergequestionwindowtest.moc"
