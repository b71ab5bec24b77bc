#include "sectionstestsupport.h"

#include "statement/sectionframes.h"
#include "support/windowed.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace gaikyo;
using sectionframes::SectionFrame;

namespace {

template <class T> T* widget(ScreenWindow* window, const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no widget %s", name);
    return w;
}

void clickButton(ScreenWindow* window, const char* name) {
    QTest::mouseClick(widget<QPushButton>(window, name), Qt::LeftButton);
}

} // namespace

// The sections screen through its real widgets, found by object name.
class SectionsGuiTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each section: its button shows its frame alone; typing, "登録実行", "クリア" and
    // "ＤＡＴＡ" act on the widgets.
    void sections_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("afterSave");
        QTest::addColumn<QString>("afterData");
        QTest::newRow("1") << 21 << "Text1"
                           << "abc"
                           << "abc"
                           << "abc";
        QTest::newRow("2") << 22 << "Text58"
                           << "1234"
                           << "1234"
                           << "1,234";
        QTest::newRow("3") << 23 << "Text87"
                           << "1234"
                           << "1,234"
                           << "1,234";
        QTest::newRow("4") << 24 << "Text201"
                           << "1,500"
                           << "1500"
                           << "1500";
        QTest::newRow("5") << 25 << "Text107"
                           << "1500"
                           << "1,500"
                           << "1,500";
        QTest::newRow("6") << 26 << "Text112"
                           << "x"
                           << "x"
                           << "x";
    }
    void sections() {
        QFETCH(int, section);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, afterSave);
        QFETCH(QString, afterData);
        test::Windowed<test::SectionsProgram> program;
        program.handOver(7);
        ScreenWindow* window = program.window(screens::sections);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("４．電子計算機の利用状況"));

        const SectionFrame& frame = sectionframes::forSection(section);
        clickButton(window, frame.sectionButton);
        for (const SectionFrame& other : sectionframes::all())
            QCOMPARE(widget<QGroupBox>(window, other.frame)->isVisible(), &other == &frame);

        auto* edit = window->findChild<QLineEdit*>(box);
        QVERIFY(edit);
        QVERIFY(edit->isVisible());
        QTest::keyClicks(edit, typed);
        clickButton(window, frame.saveButton);
        QVERIFY(program.messages.shown().isEmpty());
        QVERIFY(program.home.exists(paths::sectionFile(7, section)));
        QCOMPARE(edit->text(), afterSave);

        clickButton(window, frame.clearButton);
        QCOMPARE(edit->text(), QString());
        clickButton(window, frame.dataButton);
        QCOMPARE(edit->text(), afterData);
    }

    void employeeTotal() {
        test::Windowed<test::SectionsProgram> program;
        program.handOver(7);
        ScreenWindow* window = program.window(screens::sections);
        clickButton(window, "Command3");
        QTest::keyClicks(widget<QLineEdit>(window, "Text87"), QStringLiteral("1200"));
        QTest::keyClicks(widget<QLineEdit>(window, "Text91"), QStringLiteral("abc"));
        clickButton(window, "Command24");
        QCOMPARE(widget<QLineEdit>(window, "Text90")->text(), QStringLiteral("1,200"));
        QCOMPARE(widget<QLineEdit>(window, "Text87")->text(), QStringLiteral("1,200"));
        QCOMPARE(widget<QLineEdit>(window, "Text91")->text(), QString());
    }

    // What the widgets take from the description: every box of a frame inside the frame's
    // group box where its control puts it, with its limit, alignment and input mode.
    void widgetsFollowTheDescription() {
        test::Windowed<test::SectionsProgram> program;
        program.handOver(7);
        ScreenWindow* window = program.window(screens::sections);
        Screen* form = program.app.screen(screens::sections);

        auto* line = widget<QLineEdit>(window, "Text1");
        QTest::keyClicks(line, QStringLiteral("abcdefghijkl"));
        QCOMPARE(line->text(), QStringLiteral("abcdefghi"));
        QCOMPARE(form->text(QStringLiteral("Text1")), QStringLiteral("abcdefghi"));
        QCOMPARE(widget<QLabel>(window, "Text93")->text().count(QLatin1Char('\n')), 12);
        QVERIFY(!widget<QLineEdit>(window, "Text8")->isVisible());

        for (const SectionFrame& s : sectionframes::all()) {
            auto* frame = widget<QGroupBox>(window, s.frame);
            QCOMPARE(frame->geometry(), s.frameGeometry);
            QCOMPARE(widget<QPushButton>(window, s.sectionButton)->geometry(),
                     form->control(QString::fromLatin1(s.sectionButton)).geometry);
            for (const sectionframes::FrameItem& item : s.items) {
                const Control& c = form->control(QString::fromLatin1(item.name));
                if (item.kind == sectionframes::ItemKind::Caption) {
                    QCOMPARE(widget<QLabel>(window, item.name)->alignment() &
                                 Qt::AlignHorizontal_Mask,
                             c.alignment & Qt::AlignHorizontal_Mask);
                    continue;
                }
                if (!item.isField())
                    continue;
                auto* edit = widget<QLineEdit>(window, item.name);
                QCOMPARE(edit->parentWidget(), frame);
                QCOMPARE(edit->geometry(), c.geometry);
                QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask,
                         c.alignment & Qt::AlignHorizontal_Mask);
                if (item.maxLength > 0)
                    QCOMPARE(edit->maxLength(), item.maxLength);
                QCOMPARE(edit->property("inputMode").toString() == QStringLiteral("hiragana"),
                         item.hiragana);
            }
        }
    }
};

QTEST_MAIN(SectionsGuiTest)
#include "sectionsguitest.moc"
