#include "datafile/discard.h"
#include "datafile/drivec.h"
#include "gui/desktopprogram.h"
#include "gui/qtmessages.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "screen/application.h"
#include "screen/messages.h"
#include "shell/screens.h"
#include "support/samplecompany.h"
#include "support/typing.h"
#include "support/widgets.h"
#include "support/windowed.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace gaikyo;
using namespace Qt::StringLiterals;
using test::widget;

namespace {

QString picturesFolder() {
    const QString folder = QStringLiteral(GAIKYO_PICTURES_DIR);
    QDir().mkpath(folder);
    return folder;
}

// The real message boxes, each kept as a picture and answered with a button of its own
// ("はい", "OK"), in the order they come up.
class Boxes {
public:
    explicit Boxes(QStringList answers) : m_answers(std::move(answers)) {
        m_previous = messages::install([this](const MessageBox& box) {
            QTimer::singleShot(0, [this] { answer(); });
            return showQtMessageBox(box);
        });
    }
    ~Boxes() { messages::install(m_previous); }

    // The text of each box that came up.
    QStringList texts;
    QStringList pictures;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts.append(box->text());
        const QString picture = QStringLiteral("%1/%2-%3.png")
                                    .arg(picturesFolder(), QTest::currentTestFunction())
                                    .arg(texts.size());
        box->grab().save(picture);
        pictures.append(picture);
        const QString wanted = m_answers.isEmpty() ? QString() : m_answers.takeFirst();
        for (QAbstractButton* button : box->buttons())
            if (button->text().contains(wanted)) {
                button->click();
                return;
            }
        box->reject();
    }

    QStringList m_answers;
    messages::Handler m_previous;
};

// The program with its windows; its message boxes are the real ones.
struct Program : test::Windowed<> {
    Program() : Windowed({.answers = test::ScriptedMessages::Answers::PassedOn}) {}

    ScreenWindow* menuWindow() {
        app.screen(screens::mainMenu)->show();
        return windows.window(screens::mainMenu);
    }
    ScreenWindow* registrationWindow() const { return windows.window(screens::registration); }
};

void type(QWidget* window, const QString& box, const QString& text) {
    auto* edit = widget<QLineEdit>(window, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    test::typeInto(edit, text);
}

// A new company 7 on the registration screen, by the keyboard, up to its business year.
ScreenWindow* newCompany7(Program& p) {
    ScreenWindow* menu = p.menuWindow();
    type(menu, u"Text1"_s, u"7"_s);
    test::clickButton(menu, u"Command1"_s);
    ScreenWindow* form = p.registrationWindow();
    type(form, u"Text1"_s, u"7"_s);
    type(form, u"Text7"_s, u"0"_s);
    type(form, u"Text3"_s, u"株式会社見本"_s);
    return form;
}

} // namespace

class CarelessUserWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installDesktopServices(*qApp); }

    // The user's trash unusable (~/.local/share/Trash a plain file): 登録の削除をする asks,
    // naming company 7 from its own file, and after はい says which folder of the data
    // folder now holds the files. Nothing is deleted and nothing lands in the home.
    void deleteWithoutUsableTrash() {
#ifndef Q_OS_LINUX
        QSKIP("the trash made unusable here is the Linux desktop's");
#endif
        Program p;
        CompanyRecord company = test::sampleCompany(7);
        p.home.write(paths::masterFile(7), masterfile::bytes(company, nullptr));
        p.home.write(paths::sectionFile(7, 21), "\"事業\"\r\n");
        QFile plain(p.home.path() + u"/.local/share/Trash"_s);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString current = QDir::currentPath();
        QDir::setCurrent(p.home.path());

        ScreenWindow* menu = p.menuWindow();
        type(menu, u"Text1"_s, u"7"_s);
        widget<QLineEdit>(menu, u"Text2"_s)->setText(u"別の会社"_s);
        Boxes boxes({u"はい"_s, u"OK"_s});
        test::clickButton(menu, u"Command8"_s);
        QDir::setCurrent(current);

        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY2(boxes.texts.at(0).contains(u"法人コード 7「株式会社見本」の登録を削除しますか"_s),
                 qPrintable(boxes.texts.at(0)));
        const QString kept = discard::keptFolder() +
                             discard::folderName({u"7"_s, company.name, discard::today()}) + u'\\';
        QVERIFY2(boxes.texts.at(1).contains(kept), qPrintable(boxes.texts.at(1)));
        QVERIFY(!p.home.exists(paths::masterFile(7)));
        QCOMPARE(p.home.read(kept + u"7.txt"_s), masterfile::bytes(company, nullptr));
        QCOMPARE(p.home.read(kept + u"7021.txt"_s), QByteArray("\"事業\"\r\n"));
        QVERIFY(!QFileInfo::exists(p.home.path() + u"/files"_s));
    }

    // Month 13 typed on the registration screen: the save says which box and writes
    // nothing.
    void month13Refused() {
        Program p;
        ScreenWindow* form = newCompany7(p);
        type(form, u"Text13"_s, u"R7"_s);
        type(form, u"Text14"_s, u"13"_s);
        type(form, u"Text15"_s, u"1"_s);
        type(form, u"Text17"_s, u"R8"_s);
        type(form, u"Text18"_s, u"3"_s);
        type(form, u"Text19"_s, u"31"_s);
        form->grab().save(picturesFolder() + u"/month13Refused-screen.png"_s);
        Boxes boxes({u"OK"_s});
        test::clickButton(form, u"Command12"_s);
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.first().contains(u"「事業年度（自）の月」"_s),
                 qPrintable(boxes.texts.first()));
        QVERIFY(!p.home.exists(paths::masterFile(7)));
        QVERIFY(p.registrationWindow() && p.registrationWindow()->isVisible());
    }

    // The era box selected and deleted (it names 令和 again at once), then H or 平成
    // typed: it switches to 平成, and the year 30 typed next is saved as 平成30.
    void emptiedEraBoxTypedH_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("H") << u"H"_s;
        QTest::newRow("平成") << u"平成"_s;
    }
    void emptiedEraBoxTypedH() {
        QFETCH(QString, typed);
        Program p;
        ScreenWindow* form = newCompany7(p);
        auto* era = widget<QLineEdit>(form, u"Text10"_s);
        QCOMPARE(era->text(), u"自令和"_s);
        era->setFocus();
        era->selectAll();
        QTest::keyClick(era, Qt::Key_Delete);
        test::typeInto(era, typed);
        QCOMPARE(era->text(), u"自平成"_s);
        type(form, u"Text13"_s, u"30"_s);
        type(form, u"Text14"_s, u"4"_s);
        type(form, u"Text15"_s, u"1"_s);
        QCOMPARE(era->text(), u"自平成"_s);
        form->grab().save(picturesFolder() + QStringLiteral("/emptiedEraBoxTyped-%1.png")
                                                 .arg(typed == u"H"_s ? u"H"_s : u"heisei"_s));
        test::clickButton(form, u"Command3"_s); // 事業年度: 平成31年3月31日
        QCOMPARE(widget<QLineEdit>(form, u"Text16"_s)->text(), u"至平成"_s);
        QCOMPARE(widget<QLineEdit>(form, u"Text17"_s)->text(), u"31"_s);
        Boxes boxes({});
        test::clickButton(form, u"Command12"_s);
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.value(0)));
        CompanyRecord saved;
        QVERIFY(masterfile::read(7, 11, saved));
        QCOMPARE(saved.startYear, 30);
        QCOMPARE(saved.endYear, 31);
    }
};

QTEST_MAIN(CarelessUserWindowTest)
#include "carelessuserwindowtest.moc"
