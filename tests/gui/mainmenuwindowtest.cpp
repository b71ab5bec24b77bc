#include "registry/companypaths.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "support/windowed.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace gaikyo;

namespace {

// The program with its windows, started on the test's home folder.
struct Program : test::Windowed<> {
    explicit Program(test::TestHome& home) : Windowed({.home = &home}) { QVERIFY(startUp()); }
    ScreenWindow* menuWindow() const { return windows.window(screens::mainMenu); }
    template <class W> W* widget(const QString& name) const {
        return menuWindow()->findChild<W*>(name);
    }
};

// Twips at 96 dots per inch.
QRect px(int left, int top, int width, int height) {
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
}

} // namespace

class MainMenuWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void window() {
        test::TestHome home;
        Program program(home);
        ScreenWindow* w = program.menuWindow();
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("法人税事業概況書(FB1005)"));
        QCOMPARE(w->size(), QSize(795, 575));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(192, 255, 192));
    }

    void buttons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        const QList<std::tuple<const char*, const char*, QRect>> rows = {
            {"Command9", "会社コードクリア", px(0, 360, 855, 375)},
            {"Command2", "会社呼出", px(840, 0, 1095, 375)},
            {"Command10", "ファイル閉鎖", px(5640, 0, 1335, 375)},
            {"Command17", "法人税の目次", px(0, 720, 1095, 735)},
            {"Command1", "会社登録", px(0, 1440, 1095, 375)},
            {"Command15", "概況書１", px(0, 1800, 1095, 375)},
            {"Command19", "概況書２", px(0, 2160, 1095, 375)},
            {"Command12", "概況書３", px(0, 2520, 1095, 375)},
            {"Command4", "概況書４", px(0, 2880, 1095, 375)},
            {"Command5", "概況書５", px(0, 3240, 1095, 375)},
            {"Command3", "印   刷", px(0, 3600, 1095, 375)},
            {"Command11", "終　了", px(0, 3960, 1095, 375)},
            {"Command13", "データ", px(0, 4320, 1095, 375)},
            {"Command8", "登録の削除をする", px(0, 6480, 1095, 1335)},
            {"Command22", "使用上の注意", px(8160, 1920, 2055, 495)},
            {"Command27", "プリンターの設定変更", px(9240, 8160, 2655, 375)},
            {"Command20", "サポートセンターへ接続", px(120, 360, 2772, 372)},
            {"Command24", "メールを出す", px(120, 720, 2772, 372)},
            {"Command25", "Tesmoriのホームページ", px(120, 1080, 2772, 372)},
        };
        for (const auto& [name, caption, geometry] : rows)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption)
                                << geometry;
    }
    void buttons() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        test::TestHome home;
        Program program(home);
        auto* button = program.widget<QPushButton>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), geometry);
    }

    void boxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("rightAligned");
        const QColor white = QApplication::palette().color(QPalette::Base);
        const QColor cyan(192, 255, 255);
        QTest::newRow("Text1") << "Text1" << QString() << px(0, 0, 855, 375) << white << true;
        QTest::newRow("Text2") << "Text2" << QStringLiteral("　") << px(1920, 0, 3735, 375)
                               << QColor(255, 255, 192) << false;
        QTest::newRow("Text10") << "Text10" << QStringLiteral("自令和") << px(6960, 0, 855, 375)
                                << cyan << false;
        QTest::newRow("Text13") << "Text13" << QString() << px(7800, 0, 375, 375) << cyan << true;
        QTest::newRow("Text14") << "Text14" << QString() << px(8160, 0, 375, 375) << cyan << true;
        QTest::newRow("Text15") << "Text15" << QString() << px(8520, 0, 375, 375) << cyan << true;
        QTest::newRow("Text16") << "Text16" << QStringLiteral("至令和") << px(8880, 0, 855, 375)
                                << cyan << false;
        QTest::newRow("Text17") << "Text17" << QString() << px(9720, 0, 375, 375) << cyan << true;
        QTest::newRow("Text18") << "Text18" << QString() << px(10080, 0, 375, 375) << cyan << true;
        QTest::newRow("Text19") << "Text19" << QString() << px(10440, 0, 375, 375) << cyan << true;
    }
    void boxes() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        QFETCH(QColor, background);
        QFETCH(bool, rightAligned);
        test::TestHome home;
        Program program(home);
        auto* box = program.widget<QLineEdit>(name);
        QVERIFY(box);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->geometry(), geometry);
        QCOMPARE(box->palette().color(QPalette::Base), background);
        QCOMPARE(bool(box->alignment() & Qt::AlignRight), rightAligned);
    }

    void labelsListsAndFrame() {
        test::TestHome home;
        Program program(home);
        auto* formCode = program.widget<QLabel>(QStringLiteral("Label3"));
        QCOMPARE(formCode->text(), QStringLiteral("FB1005"));
        QCOMPARE(formCode->geometry(), px(8280, 840, 2655, 735));
        QVERIFY(formCode->font().bold());
        QCOMPARE(formCode->font().pointSizeF(), 36.0);
        QCOMPARE(formCode->palette().color(QPalette::WindowText), QColor(255, 128, 0));
        for (const auto& [name, text] :
             {std::pair{"Label6", "不具合がある時は直ちに使用を中止して下さい。"},
              std::pair{"Label1", "これはフリーソフトです。"},
              std::pair{"Label2", "提出にあたっては税務署と綿密にご相談ください。"}}) {
            auto* notice = program.widget<QLabel>(QString::fromLatin1(name));
            QCOMPARE(notice->text(), QString::fromUtf8(text));
            QCOMPARE(notice->font().pointSizeF(), 13.5);
            QCOMPARE(notice->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        }
        QCOMPARE(program.widget<QListWidget>(QStringLiteral("List2"))->geometry(),
                 px(1560, 480, 6015, 5460));
        QCOMPARE(program.widget<QListWidget>(QStringLiteral("List1"))->geometry(),
                 px(1560, 6120, 6015, 2310));
        auto* frame = program.widget<QGroupBox>(QStringLiteral("Frame1"));
        QCOMPARE(frame->title(), QStringLiteral("インターネット接続"));
        QCOMPARE(frame->geometry(), px(8160, 3360, 3012, 1572));
        QCOMPARE(program.widget<QPushButton>(QStringLiteral("Command20"))->parentWidget(), frame);
        QCOMPARE(program.widget<QPushButton>(QStringLiteral("Command8"))->font().pointSizeF(),
                 14.25);
        QCOMPARE(program.menuWindow()->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    }

    // Typing goes through the screen: the box refuses what no data file can hold.
    void typingRefusesQuotes() {
        test::TestHome home;
        Program program(home);
        auto* box = program.widget<QLineEdit>(QStringLiteral("Text1"));
        QTest::keyClicks(box, QStringLiteral("1\"2"));
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(program.app.existing(screens::mainMenu)->text(QStringLiteral("Text1")),
                 QStringLiteral("12"));
    }

    void clickingTheListCallsTheCompanyUp() {
        test::TestHome home;
        home.write(paths::masterFile(7), test::fixture(QStringLiteral("registry/master7.txt")));
        Program program(home);
        auto* list = program.widget<QListWidget>(QStringLiteral("List2"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("07 : 株式会社見本  [平成15.4.1]"));
        const QRect item = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(program.widget<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("7"));
        QCOMPARE(program.widget<QLineEdit>(QStringLiteral("Text2"))->text(),
                 QStringLiteral("株式会社見本"));
    }

    void buttonsRunTheirActions() {
        test::TestHome home;
        Program program(home);
        QTest::mouseClick(program.widget<QPushButton>(QStringLiteral("Command10")), Qt::LeftButton);
        QCOMPARE(program.platform.beeps, 1);
        QTest::mouseClick(program.widget<QPushButton>(QStringLiteral("Command22")), Qt::LeftButton);
        ScreenWindow* disclaimer = program.windows.window(screens::disclaimer);
        QVERIFY(disclaimer && disclaimer->isVisible());
        QCOMPARE(disclaimer->windowTitle(), QStringLiteral("使用上の注意"));
        QCOMPARE(disclaimer->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("承諾使用"));
        // The version of project(VERSION), shown on the disclaimer screen.
        QCOMPARE(disclaimer->findChild<QLabel*>(QStringLiteral("VersionLabel"))->text(),
                 QStringLiteral("バージョン ") + QStringLiteral(GAIKYO_PROJECT_VERSION));
        QTest::mouseClick(disclaimer->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        QVERIFY(program.app.hasEnded());
        QCOMPARE(program.platform.opened.size(), 1);
    }
};

QTEST_MAIN(MainMenuWindowTest)
#include "mainmenuwindowtest.moc"
