#include "bookimporttestsupport.h"

#include "books/columnmemory.h"
#include "gui/columnchoicedialog.h"
#include "gui/importconfirmationdialog.h"
#include "statement/mainaccountsscreen.h"
#include "statement/monthlytablescreen.h"
#include "support/typing.h"
#include "support/windowed.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace gaikyo;

namespace {

template <class T> T* widget(QWidget* parent, const QString& name) {
    T* w = parent ? parent->findChild<T*>(name) : nullptr;
    if (!w)
        qFatal("no widget %s", qPrintable(name));
    return w;
}

importconfirmation::Request sampleRequest(bool typed) {
    return {QStringLiteral("試算表から取込"),
            QStringLiteral("books.csv"),
            {{QStringLiteral("売上（収入）高"), QStringLiteral("98,765千円"),
              QStringLiteral("売上高"), typed ? QStringLiteral("5") : QString()},
             {QStringLiteral("現金預金"), QStringLiteral("14,516千円"),
              QStringLiteral("現金＋普通預金＋当座預金"), QString()}},
            {QStringLiteral("雑費　98千円")},
            {},
            {},
            {}};
}

// A monthly table whose months the reader found in columns B and C only.
columnchoice::Request monthsRequest() {
    return {QStringLiteral("推移表から取込"),
            QStringLiteral("推移表.csv"),
            columnchoice::Amounts::Months,
            {{QStringLiteral("推移表")},
             {QStringLiteral("科目"), QStringLiteral("4月"), QStringLiteral("5月"),
              QStringLiteral("第3月")},
             {QStringLiteral("売上高"), QStringLiteral("1,000"), QStringLiteral("1,100"),
              QStringLiteral("1,200")}},
            {1, 0, -1, {{1, 4}, {2, 5}}}};
}

columnchoice::Request balanceRequest() {
    return {QStringLiteral("試算表から取込"),
            QStringLiteral("試算表.csv"),
            columnchoice::Amounts::Balance,
            {{QStringLiteral("勘定科目"), QStringLiteral("実績"), QStringLiteral("計画")},
             {QStringLiteral("現金"), QStringLiteral("1,000"), QStringLiteral("100")}},
            {0, 0, 2, {}}};
}

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

Q_DECLARE_METATYPE(gaikyo::columnchoice::Request)

// The buttons and the confirmation through their real widgets.
class BookImportGuiTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Form3's button runs the import; the real dialog asks, the replace box is ticked.
    void trialBalanceThroughTheWindows() {
        test::Windowed<test::ImportProgram> program;
        importconfirmation::install(&askQtImportConfirmation);
        program.handOver(screens::mainAccounts, 7);
        ScreenWindow* window = program.window(screens::mainAccounts);
        auto* first = widget<QLineEdit>(window, QStringLiteral("Text1"));
        test::typeInto(first, QStringLiteral("5"));
        program.offerFile(test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv")));
        auto* button = widget<QPushButton>(window, MainAccountsScreen::importButton);
        QVERIFY(button->isVisible());
        QCOMPARE(button->geometry(), QRect(688, 0, 25, 119));
        bool asked = false;
        bool replaceOffered = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog =
                qobject_cast<ImportConfirmationDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            asked = true;
            auto* replace = widget<QCheckBox>(dialog, QStringLiteral("replaceTyped"));
            replaceOffered = replace->isEnabled();
            replace->click();
            QTest::mouseClick(widget<QPushButton>(dialog, QStringLiteral("importButton")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(asked);
        QVERIFY(replaceOffered);
        QCOMPARE(first->text(), QStringLiteral("98,765"));
        QCOMPARE(widget<QLineEdit>(window, QStringLiteral("Text21"))->text(),
                 QStringLiteral("14,516"));
    }

    // Exports whose headings say little, through the windows as a user imports them: every
    // figure the dialog lists names the rows it came from or how it was worked out, and the
    // boxes the books fill are the boxes filled. GAIKYO_SHOTS names a folder for a picture
    // of each dialog.
    void shapesThroughTheDialog_data() {
        QTest::addColumn<QString>("folder");
        for (const char* name : {"a_trialbalance_sgaheading",
                                 "a_trialbalance_nosubtotals",
                                 "a_trialbalance_monthlycolumns",
                                 "a_trialbalance_twoblocks",
                                 "b_trialbalance_departments",
                                 "b_trialbalance_plonly",
                                 "a_monthly_sigma",
                                 "a_monthly_transposed",
                                 "c_trialbalance_printout",
                                 "c_trialbalance_category",
                                 "d_trialbalance_noprofit",
                                 "d_trialbalance_subtotals",
                                 "d_monthly_western",
                                 "a_monthly_cumulative",
                                 "b_monthly_cumulative",
                                 "a_trialbalance_threeyears",
                                 "b_trialbalance_threeyears",
                                 "a_trialbalance_taxviews",
                                 "b_trialbalance_closingviews",
                                 "a_trialbalance_plmonthnamed",
                                 "a_trialbalance_monthnamed"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void shapesThroughTheDialog() {
        QFETCH(QString, folder);
        const QString dir = QStringLiteral("bookimport/companies/") + folder;
        const QStringList expected =
            QString::fromUtf8(test::fixture(dir + QStringLiteral("/expected.txt"))).split(u'\n');
        const auto setting = [&expected](const QString& key) {
            for (const QString& line : expected)
                if (line.startsWith(key + QLatin1Char('=')))
                    return line.section(u'=', 1);
            return QString();
        };
        int boxesInBooks = 0;
        int sumBoxes = 0; // a monthly table's 計 row: Text13, Text27 …
        for (const QString& line : expected)
            if (line.startsWith(QStringLiteral("Text"))) {
                ++boxesInBooks;
                sumBoxes += line.section(u'=', 0, 0).mid(4).toInt() % 14 == 13 ? 1 : 0;
            }
        const bool monthly = setting(QStringLiteral("screen")) == QStringLiteral("monthlyTable");
        test::Windowed<test::ImportProgram> program(setting(QStringLiteral("start")).toInt());
        if (const QString end = setting(QStringLiteral("end")); !end.isEmpty())
            program.setBusinessYear(QDate::fromString(end + QStringLiteral("-01"), Qt::ISODate));
        importconfirmation::install(&askQtImportConfirmation);
        const QString screenName = monthly ? screens::monthlyTable : screens::mainAccounts;
        program.handOver(screenName, 7);
        ScreenWindow* window = program.window(screenName);
        const QString file = setting(QStringLiteral("file"));
        program.offerFile(test::fixture(dir + QLatin1Char('/') + file), file);
        QStringList unsourced;
        int listed = -1;
        QTimer::singleShot(0, this, [&] {
            auto* dialog =
                qobject_cast<ImportConfirmationDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto* table = widget<QTableWidget>(dialog, QStringLiteral("fillTable"));
            listed = table->rowCount();
            for (int row = 0; row < table->rowCount(); ++row) {
                const QString sources = table->item(row, 2)->text();
                if (!sources.contains(QStringLiteral("行目")) &&
                    !sources.contains(QStringLiteral("列目")) &&
                    !sources.contains(QStringLiteral("計算：")))
                    unsourced.append(table->item(row, 0)->text() + QLatin1Char(' ') + sources);
            }
            if (const QByteArray shots = qgetenv("GAIKYO_SHOTS"); !shots.isEmpty())
                dialog->grab().save(QString::fromLocal8Bit(shots) + QLatin1Char('/') + folder +
                                    QStringLiteral(".png"));
            QTest::mouseClick(widget<QPushButton>(dialog, QStringLiteral("importButton")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(widget<QPushButton>(window, monthly ? MonthlyTableScreen::importButton
                                                              : MainAccountsScreen::importButton),
                          Qt::LeftButton);
        QVERIFY2(unsourced.isEmpty(), qPrintable(unsourced.join(u'\n')));
        // The monthly table's 計 row is the screen's own sum, not a line of the dialog.
        QCOMPARE(listed, monthly ? boxesInBooks - sumBoxes : boxesInBooks);
        int filled = 0;
        for (int i = 1; i <= (monthly ? 126 : 42); ++i)
            filled += widget<QLineEdit>(window, test::box(i))->text().isEmpty() ? 0 : 1;
        QCOMPARE(filled, boxesInBooks);
    }

    // Where the reader cannot tell the columns apart, the user marks them with the
    // keyboard alone: Tab to the balance list, ↓ to 見込 and ↑ back to 実績, Enter; the
    // choice is kept.
    void columnChoiceByKeyboard() {
        test::Windowed<test::ImportProgram> program;
        columnchoice::install(&askQtColumnChoice);
        program.handOver(screens::mainAccounts, 7);
        ScreenWindow* window = program.window(screens::mainAccounts);
        program.offerFile(test::fixture(QStringLiteral("bookimport/compared_2026_cp932.csv")));
        QStringList focusPath;
        QStringList headers;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<ColumnChoiceDialog*>(QApplication::activeModalWidget());
            if (!dialog || !QTest::qWaitForWindowActive(dialog))
                return;
            auto* table = widget<QTableWidget>(dialog, QStringLiteral("rowsTable"));
            const auto header = [table](int column) {
                return table->horizontalHeaderItem(column)->text();
            };
            focusPath.append(focused());
            headers.append(header(1));
            for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down}) {
                QTest::keyClick(QApplication::focusWidget(), key);
                focusPath.append(focused());
            }
            headers.append(header(2));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
            headers.append(header(1));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QTest::mouseClick(widget<QPushButton>(window, MainAccountsScreen::importButton),
                          Qt::LeftButton);
        // The reader guessed the column of the actual figures, 実績, not the plan.
        QCOMPARE(headers, (QStringList{QStringLiteral("B\n残高"), QStringLiteral("C\n残高"),
                                       QStringLiteral("B\n残高")}));
        QCOMPARE(focusPath,
                 (QStringList{QStringLiteral("headingRow"), QStringLiteral("nameColumn"),
                              QStringLiteral("balanceColumn"), QStringLiteral("balanceColumn")}));
        QCOMPARE(program.answers.confirmations.size(), 1);
        QCOMPARE(widget<QLineEdit>(window, QStringLiteral("Text1"))->text(),
                 QStringLiteral("98,765"));
        QCOMPARE(test::fileLines(program.home.read(columnmemory::file())).value(1),
                 QStringLiteral("試算表,3,1,2,勘定科目,実績,見込,計画"));
    }

    // 実績 beside 見込 and 計画: Enter on the question imports the actual figures, and
    // Enter on the confirmation fills the boxes with them.
    void actualFiguresWithEnter() {
        test::Windowed<test::ImportProgram> program;
        columnchoice::install(&askQtColumnChoice);
        importconfirmation::install(&askQtImportConfirmation);
        program.handOver(screens::mainAccounts, 7);
        ScreenWindow* window = program.window(screens::mainAccounts);
        program.offerFile(test::fixture(QStringLiteral("bookimport/compared_2026_cp932.csv")));
        QString balanceShown;
        bool confirmed = false;
        const QByteArray shots = qgetenv("GAIKYO_SHOTS");
        QObject guard; // its timers go with it
        int tries = 0;
        std::function<void()> answer;
        answer = [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<ColumnChoiceDialog*>(modal)) {
                if (!QTest::qWaitForWindowActive(dialog))
                    return;
                balanceShown =
                    widget<QComboBox>(dialog, QStringLiteral("balanceColumn"))->currentText();
                if (!shots.isEmpty())
                    dialog->grab().save(QString::fromLocal8Bit(shots) +
                                        QStringLiteral("/actual_question.png"));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QTimer::singleShot(0, &guard, answer);
            } else if (auto* confirmation = qobject_cast<ImportConfirmationDialog*>(modal)) {
                confirmed = true;
                if (!QTest::qWaitForWindowActive(confirmation))
                    return;
                if (!shots.isEmpty())
                    confirmation->grab().save(QString::fromLocal8Bit(shots) +
                                              QStringLiteral("/actual_confirmation.png"));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            } else if (++tries < 500) {
                QTimer::singleShot(10, &guard, answer);
            }
        };
        QTimer::singleShot(0, &guard, answer);
        QTest::mouseClick(widget<QPushButton>(window, MainAccountsScreen::importButton),
                          Qt::LeftButton);
        QCOMPARE(balanceShown, QStringLiteral("B列　実績"));
        QVERIFY(confirmed);
        QCOMPARE(widget<QLineEdit>(window, QStringLiteral("Text1"))->text(),
                 QStringLiteral("98,765"));
    }

    // An export of 4 MB whose one account name is 2,000,000 characters long: the
    // confirmation opens within seconds and shows the name cut, with its length.
    void hugeNameAnsweredInSeconds() {
        test::Windowed<test::ImportProgram> program;
        importconfirmation::install(&askQtImportConfirmation);
        program.handOver(screens::mainAccounts, 7);
        ScreenWindow* window = program.window(screens::mainAccounts);
        const QString name(2000000, QChar(u'謎'));
        program.offerFile(*cp932::encode(QStringLiteral("勘定科目,残高\r\n現金,\"1,000,000\"\r\n") +
                                         name + QStringLiteral(",500\r\n")));
        QElapsedTimer clock;
        qint64 opened = -1;
        QStringList unmapped;
        QTimer::singleShot(0, this, [&] {
            auto* dialog =
                qobject_cast<ImportConfirmationDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (!QTest::qWaitForWindowExposed(dialog))
                return;
            opened = clock.elapsed();
            auto* list = widget<QListWidget>(dialog, QStringLiteral("unmappedList"));
            for (int i = 0; i < list->count(); ++i)
                unmapped.append(list->item(i)->text());
            if (const QByteArray shots = qgetenv("GAIKYO_SHOTS"); !shots.isEmpty())
                dialog->grab().save(QString::fromLocal8Bit(shots) +
                                    QStringLiteral("/huge_name.png"));
            QTest::mouseClick(widget<QPushButton>(dialog, QStringLiteral("importButton")),
                              Qt::LeftButton);
        });
        clock.start();
        QTest::mouseClick(widget<QPushButton>(window, MainAccountsScreen::importButton),
                          Qt::LeftButton);
        QVERIFY(opened >= 0);
        QVERIFY2(opened < 5000, qPrintable(QStringLiteral("%1 ms").arg(opened)));
        QCOMPARE(unmapped.size(), 1);
        QCOMPARE(unmapped.first(),
                 QString(200, QChar(u'謎')) + QStringLiteral("…（全2,000,000文字）　500円"));
        QCOMPARE(widget<QLineEdit>(window, QStringLiteral("Text21"))->text(),
                 QStringLiteral("1,000"));
    }

    // A file of 100,000 columns: the question shows its first columns and says so.
    void wideFileShowsItsFirstColumns() {
        test::Windowed<test::ImportProgram> program;
        columnchoice::install(&askQtColumnChoice);
        program.handOver(screens::mainAccounts, 7);
        ScreenWindow* window = program.window(screens::mainAccounts);
        constexpr int width = 100000;
        QByteArray file("名前");
        for (int c = 1; c < width; ++c)
            file += ",x";
        file += "\r\n";
        for (const char* name : {"現金", "売掛金", "買掛金", "売上高"}) {
            file += name;
            for (int c = 1; c < width; ++c)
                file += ",1";
            file += "\r\n";
        }
        program.offerFile(file);
        QElapsedTimer clock;
        qint64 opened = -1;
        int columns = -1;
        QString explanation;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<ColumnChoiceDialog*>(QApplication::activeModalWidget());
            if (!dialog || !QTest::qWaitForWindowActive(dialog))
                return;
            opened = clock.elapsed();
            columns = widget<QTableWidget>(dialog, QStringLiteral("rowsTable"))->columnCount();
            explanation = widget<QLabel>(dialog, QStringLiteral("explanation"))->text();
            if (const QByteArray shots = qgetenv("GAIKYO_SHOTS"); !shots.isEmpty())
                dialog->grab().save(QString::fromLocal8Bit(shots) +
                                    QStringLiteral("/wide_file.png"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        clock.start();
        QTest::mouseClick(widget<QPushButton>(window, MainAccountsScreen::importButton),
                          Qt::LeftButton);
        QVERIFY(opened >= 0);
        QVERIFY2(opened < 5000, qPrintable(QStringLiteral("%1 ms").arg(opened)));
        QCOMPARE(columns, 256);
        QVERIFY2(explanation.contains(QStringLiteral("ファイルの100,000列のうち、はじめの256列")),
                 qPrintable(explanation));
        QVERIFY(program.answers.confirmations.isEmpty());
    }

    // The dialog starts from the guess: Enter takes it as it stands, Esc takes nothing.
    void columnChoiceStartsFromTheGuess_data() {
        QTest::addColumn<columnchoice::Request>("request");
        QTest::addColumn<int>("key");
        QTest::newRow("trial balance, Enter") << balanceRequest() << int(Qt::Key_Return);
        QTest::newRow("trial balance, Esc") << balanceRequest() << int(Qt::Key_Escape);
        QTest::newRow("monthly table, Enter") << monthsRequest() << int(Qt::Key_Enter);
    }
    void columnChoiceStartsFromTheGuess() {
        QFETCH(columnchoice::Request, request);
        QFETCH(int, key);
        ColumnChoiceDialog dialog(request);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), request.title);
        QCOMPARE(focused(), QStringLiteral("headingRow"));
        QCOMPARE(widget<QPushButton>(&dialog, QStringLiteral("chooseButton"))->text(),
                 QStringLiteral("この列で取り込む"));
        QCOMPARE(widget<QPushButton>(&dialog, QStringLiteral("cancelButton"))->text(),
                 QStringLiteral("やめる"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(dialog.answer().chosen, key != Qt::Key_Escape);
        if (dialog.answer().chosen)
            QCOMPARE(dialog.answer().choice, request.guess);
    }

    // Months are chosen one list each, or the months after the first chosen one take the
    // columns to its right with one press; a column taken for two months is refused.
    void columnChoiceMonths() {
        ColumnChoiceDialog dialog(monthsRequest());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* june = widget<QComboBox>(&dialog, QStringLiteral("monthColumn6"));
        auto* choose = widget<QPushButton>(&dialog, QStringLiteral("chooseButton"));
        QCOMPARE(june->currentText(), QStringLiteral("（なし）"));
        june->setFocus();
        QTest::keyClick(june, Qt::Key_Down);
        QTest::keyClick(june, Qt::Key_Down);
        QCOMPARE(june->currentText(), QStringLiteral("B列　4月"));
        QVERIFY(!choose->isEnabled());
        QCOMPARE(widget<QLabel>(&dialog, QStringLiteral("problem"))->text(),
                 QStringLiteral("同じ列を二つの月に選んでいます。"));
        // Tab past the lists of July … March to the button that fills them.
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("fillMonths"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(june->currentText(), QStringLiteral("D列　第3月"));
        QVERIFY(choose->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.answer().choice.monthColumns, (QMap<int, int>{{1, 4}, {2, 5}, {3, 6}}));
    }

    // A monthly table still being written, cut in the middle of a row: the dialog names the
    // row and the missing line end under ご注意, and offers nothing for that account.
    void cutExportThroughTheDialog() {
        test::Windowed<test::ImportProgram> program;
        importconfirmation::install(&askQtImportConfirmation);
        program.handOver(screens::monthlyTable, 7);
        ScreenWindow* window = program.window(screens::monthlyTable);
        QStringList months;
        for (int m : {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3})
            months.append(QStringLiteral("%1月").arg(m));
        const QString text = QStringLiteral("勘定科目,") + months.join(u',') +
                             QStringLiteral(",合計\r\n売上高,100000,200000,300000,400000,500000,"
                                            "600000,700000,800000,900000,1000000,1100000,1200000,"
                                            "7800000\r\n仕入高,50");
        program.offerFile(text.toUtf8());
        QStringList notes;
        QStringList fields;
        QTimer::singleShot(0, this, [&] {
            auto* dialog =
                qobject_cast<ImportConfirmationDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto* list = widget<QListWidget>(dialog, QStringLiteral("notes"));
            for (int i = 0; i < list->count(); ++i)
                notes.append(list->item(i)->text());
            auto* table = widget<QTableWidget>(dialog, QStringLiteral("fillTable"));
            for (int row = 0; row < table->rowCount(); ++row)
                fields.append(table->item(row, 0)->text());
            if (const QByteArray shots = qgetenv("GAIKYO_SHOTS"); !shots.isEmpty())
                dialog->grab().save(QString::fromLocal8Bit(shots) +
                                    QStringLiteral("/cut_monthly.png"));
            QTest::mouseClick(widget<QPushButton>(dialog, QStringLiteral("cancelButton")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(widget<QPushButton>(window, MonthlyTableScreen::importButton),
                          Qt::LeftButton);
        QVERIFY2(notes.contains(QStringLiteral("3行目「仕入高」は、見出しの14列のうち2列しかない"
                                               "途中で切れた行のため、その金額は取り込みません。")),
                 qPrintable(notes.join(u'\n')));
        QVERIFY(
            notes.contains(QStringLiteral("最後の行（3行目）が改行で終わっていません。ファイルの"
                                          "書き出しが途中で止まったおそれがあります。")));
        QCOMPARE(fields.size(), 12); // 売上 for each month; nothing for 仕入
        for (const QString& field : fields)
            QVERIFY2(!field.startsWith(QStringLiteral("仕入")), qPrintable(field));
    }

    // Form6's button sits on the bottom row beside the screen's own buttons.
    void monthlyButton() {
        test::Windowed<test::ImportProgram> program;
        program.handOver(screens::monthlyTable, 7);
        ScreenWindow* window = program.window(screens::monthlyTable);
        auto* button = widget<QPushButton>(window, MonthlyTableScreen::importButton);
        QVERIFY(button->isVisible());
        QCOMPARE(button->text(), QStringLiteral("推移表から取込"));
        program.offerFile(test::fixture(QStringLiteral("bookimport/monthly_april_cp932.csv")));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(widget<QLineEdit>(window, MonthlyTableScreen::cellBox(1, 1))->text(),
                 QStringLiteral("1,000"));
    }

    // However long the lists, the dialog stays on the screen with 取り込む and やめる in
    // view; the lists scroll, the disagreements come first.
    void longListsFitTheScreen() {
        importconfirmation::Request request = sampleRequest(false);
        for (int i = 0; i < 40; ++i)
            request.lines.append({QStringLiteral("欄%1").arg(i), QStringLiteral("1,000千円"),
                                  QStringLiteral("科目%1").arg(i), QString()});
        for (int i = 0; i < 60; ++i)
            request.unmapped.append(QStringLiteral("科目%1　%2千円").arg(i).arg(i * 10));
        for (int i = 0; i < 15; ++i)
            request.disagreements.append(
                QStringLiteral("%1行目「流動資産合計」 41,598,961円が、その上の科目を足した "
                               "38,598,961円と合いません。")
                    .arg(i + 10));
        for (int i = 0; i < 20; ++i)
            request.notes.append(QStringLiteral("%1行目「売掛金」の期末残高「1e9」は金額として読め"
                                                "ないため、取り込みに使いません。")
                                     .arg(i + 3));
        request.excluded = {QStringLiteral("法定福利費　3,380千円")};
        ImportConfirmationDialog dialog(request);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY2(screen.contains(dialog.frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                .arg(dialog.frameGeometry().width())
                                .arg(dialog.frameGeometry().height())
                                .arg(screen.width())
                                .arg(screen.height())));
        for (const char* name : {"importButton", "cancelButton"}) {
            auto* button = widget<QPushButton>(&dialog, QString::fromLatin1(name));
            QVERIFY(button->isVisible());
            const QRect inDialog(button->mapTo(&dialog, QPoint(0, 0)), button->size());
            QVERIFY(dialog.rect().contains(inDialog));
        }
        QCOMPARE(widget<QListWidget>(&dialog, QStringLiteral("disagreementList"))->count(), 15);
        QCOMPARE(widget<QListWidget>(&dialog, QStringLiteral("unmappedList"))->count(), 61);
        QCOMPARE(widget<QListWidget>(&dialog, QStringLiteral("excludedList"))->count(), 1);
        QCOMPARE(widget<QListWidget>(&dialog, QStringLiteral("notes"))->count(), 20);
        // The fill table shows part of its 42 rows and scrolls for the rest.
        auto* table = widget<QTableWidget>(&dialog, QStringLiteral("fillTable"));
        QVERIFY(table->height() < table->rowHeight(0) * 42);
    }

    // The dialog: the replace box only where typed boxes would change; "やめる".
    void dialog_data() {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("imported");
        QTest::newRow("nothing typed, 取り込む") << false << "importButton" << true;
        QTest::newRow("typed, やめる") << true << "cancelButton" << false;
    }
    void dialog() {
        QFETCH(bool, typed);
        QFETCH(QString, press);
        QFETCH(bool, imported);
        ImportConfirmationDialog dialog(sampleRequest(typed));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("試算表から取込"));
        auto* table = widget<QTableWidget>(&dialog, QStringLiteral("fillTable"));
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("現金＋普通預金＋当座預金"));
        QCOMPARE(widget<QListWidget>(&dialog, QStringLiteral("unmappedList"))->item(0)->text(),
                 QStringLiteral("雑費　98千円"));
        auto* replace = widget<QCheckBox>(&dialog, QStringLiteral("replaceTyped"));
        QCOMPARE(replace->text(), QStringLiteral("入力済みの欄も置き換える"));
        QCOMPARE(replace->isEnabled(), typed);
        QCOMPARE(widget<QPushButton>(&dialog, QStringLiteral("importButton"))->text(),
                 QStringLiteral("取り込む"));
        QCOMPARE(widget<QPushButton>(&dialog, QStringLiteral("cancelButton"))->text(),
                 QStringLiteral("やめる"));
        QTest::mouseClick(widget<QPushButton>(&dialog, press), Qt::LeftButton);
        QCOMPARE(dialog.answer().import, imported);
        QVERIFY(!dialog.answer().replaceTyped);
    }
};

QTEST_MAIN(BookImportGuiTest)
#include "bookimportguitest.moc"
