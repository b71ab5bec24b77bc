// One client's year end through the real windows, as a user does it: 印   刷, 次年度繰越,
// 翌期更新, both questions answered in the real message boxes, the kept PDF, then the
// new year's first figure on 概況書２. Every question, window and the kept PDF's pages
// are kept as pictures in <build>/pictures/yearend for review.
#include "datafile/drivec.h"
#include "gui/desktopprogram.h"
#include "registry/masterfile.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "support/pdftools.h"
#include "support/typing.h"
#include "support/windowed.h"
#include "support/yearendcompany.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace gaikyo;
using namespace Qt::StringLiterals;

namespace {

QString picturesFolder() {
    const QString folder = QStringLiteral(GAIKYO_PICTURES_DIR);
    QDir().mkpath(folder);
    return folder;
}

// Answers the message boxes as they come up, one answer each, keeping each box's picture
// and text.
class Answers : public QObject {
public:
    Answers(const QString& picture, QList<QMessageBox::StandardButton> answers)
        : m_picture(picture), m_answers(std::move(answers)) {
        m_timer.setInterval(50);
        m_timer.callOnTimeout(this, [this] { answer(); });
        m_timer.start();
    }

    QStringList texts;
    QStringList defaults;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || m_answers.isEmpty())
            return;
        const int n = int(texts.size()) + 1;
        box->grab().save(picturesFolder() + u"/%1-%2.png"_s.arg(m_picture).arg(n));
        texts.append(box->text());
        defaults.append(box->defaultButton() ? box->defaultButton()->text() : QString());
        box->button(m_answers.takeFirst())->click();
    }

    QString m_picture;
    QList<QMessageBox::StandardButton> m_answers;
    QTimer m_timer;
};

template <class Widget> Widget* child(ScreenWindow* window, const QString& name) {
    auto* widget = window->findChild<Widget*>(name);
    if (!widget)
        qWarning("no %s", qUtf8Printable(name));
    return widget;
}

} // namespace

class YearEndWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installDesktopServices(*qApp); }

    void oneClientsYearEnd() {
        test::TestHome home;
        const QMap<QString, QByteArray> before = test::yearend::companyFiles();
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            home.write(it.key(), it.value());
        // The real message boxes, answered below.
        test::Windowed<> program(
            {.home = &home, .answers = test::ScriptedMessages::Answers::PassedOn});
        QVERIFY(program.startUp());
        const WindowManager& windows = program.windows;
        ScreenWindow* menu = windows.window(screens::mainMenu);

        // 印   刷 for company 7, then 次年度繰越.
        QLineEdit* code = child<QLineEdit>(menu, u"Text1"_s);
        code->clear();
        QTest::keyClicks(code, u"7"_s);
        QTest::mouseClick(child<QPushButton>(menu, u"Command3"_s), Qt::LeftButton);
        ScreenWindow* print = windows.window(screens::print);
        QVERIFY(print && print->isVisible());
        print->grab().save(picturesFolder() + u"/print-before.png"_s);
        QTest::mouseClick(child<QPushButton>(print, u"Command18"_s), Qt::LeftButton);
        ScreenWindow* registration = windows.window(screens::registration);
        QVERIFY(registration && registration->isVisible());
        registration->grab().save(picturesFolder() + u"/registration.png"_s);

        // 翌期更新: はい to the roll, はい to the new year's figures.
        {
            Answers answers(u"roll-question"_s, {QMessageBox::Yes, QMessageBox::Yes});
            QTest::mouseClick(child<QPushButton>(registration, u"Command13"_s), Qt::LeftButton);
            QTRY_COMPARE(answers.texts.size(), 2);
            QVERIFY(answers.texts.at(0).startsWith(
                u"令和7年4月1日～令和8年3月31日 を\n令和8年4月1日～令和9年3月31日 に更新します。よろしいですか？"_s));
            QVERIFY(answers.texts.at(1).contains(u"新しい年度の数字の入力を始めますか？"_s));
            // Neither the roll nor emptying the year's figures is the default.
            for (const QString& defaultButton : answers.defaults)
                QVERIFY(defaultButton.contains(u"いいえ"_s) || defaultButton.contains(u"No"_s));
        }
        CompanyRecord company;
        QVERIFY(masterfile::read(7, 11, company));
        QCOMPARE(company.startYear, 38);

        // The print screen, still open, lists the year kept.
        auto* kept = child<QListWidget>(print, u"List1"_s);
        QCOMPARE(kept->count(), 1);
        QCOMPARE(kept->item(0)->text(), u"令和7年4月1日～令和8年3月31日"_s);
        print->grab().save(picturesFolder() + u"/print-after.png"_s);

        // The kept PDF's two pages as pictures.
        const QString pdf =
            drivec::hostPath(paths::keptYearsFolder(7) +
                             u"令和7年4月1日～令和8年3月31日\\7_株式会社見本_FB1005.pdf"_s);
        QVERIFY(QFile::exists(pdf));
        const test::PdfToolRun render =
            test::runPdfTool(u"pdftoppm"_s,
                             {u"-r"_s, u"80"_s, u"-png"_s, test::pdfToolPath(pdf),
                              test::pdfToolPath(picturesFolder() + u"/kept-pdf"_s)},
                             60000);
        QVERIFY(render.succeeded);

        // The new year's first figure: 売上（収入）高 on 概況書２, ○ still in 8 and 9.
        QTest::mouseClick(child<QPushButton>(menu, u"Command19"_s), Qt::LeftButton);
        ScreenWindow* accounts = windows.window(screens::mainAccounts);
        QVERIFY(accounts && accounts->isVisible());
        QLineEdit* sales = child<QLineEdit>(accounts, u"Text1"_s);
        QCOMPARE(sales->text(), QString());
        QCOMPARE(child<QLineEdit>(accounts, u"Text44"_s)->text(), u"○"_s);
        sales->setFocus();
        QTest::keyClicks(sales, u"12345"_s);
        QTest::mouseClick(child<QPushButton>(accounts, u"Command9"_s), Qt::LeftButton);
        QCOMPARE(sales->text(), u"12,345"_s);
        accounts->grab().save(picturesFolder() + u"/main-accounts-new-year.png"_s);
        SectionRecord saved = SectionRecord::emptyFor(layouts::section(30));
        QVERIFY(sectionfile::load(7, layouts::section(30), saved).loaded());
        QCOMPARE(saved.integers.at(0), 12345);

        // A mark the box does not take is refused by name, and nothing is saved.
        {
            Answers answers(u"mark-refused"_s, {QMessageBox::Ok});
            QLineEdit* bankingNo = child<QLineEdit>(accounts, u"Text45"_s);
            test::typeInto(bankingNo, u"×"_s);
            QTest::mouseClick(child<QPushButton>(accounts, u"Command9"_s), Qt::LeftButton);
            QTRY_COMPARE(answers.texts.size(), 1);
            QVERIFY(answers.texts.first().contains(
                u"「インターネットバンキング 無」の「×」は印として使えません"_s));
            QCOMPARE(bankingNo->text(), u"×"_s);
            bankingNo->clear();
        }
        QVERIFY(sectionfile::load(7, layouts::section(30), saved).loaded());
        QCOMPARE(saved.integers.at(43), 0);

        // 概況書５: last year's 計 in 前期の実績.
        QTest::mouseClick(child<QPushButton>(menu, u"Command5"_s), Qt::LeftButton);
        ScreenWindow* table = windows.window(screens::monthlyTable);
        QVERIFY(table && table->isVisible());
        QCOMPARE(child<QLineEdit>(table, u"Text14"_s)->text(), u"1,278"_s);
        QCOMPARE(child<QLineEdit>(table, u"Text13"_s)->text(), QString());
        table->grab().save(picturesFolder() + u"/monthly-table-new-year.png"_s);
    }
};

QTEST_MAIN(YearEndWindowTest)
#include "yearendwindowtest.moc"
