#include "entryscreenstestsupport.h"

#include "datafile/filechannel.h"
#include "statement/monthlytablescreen.h"

#include <QFile>
#include <QTest>

using namespace gaikyo;

namespace {

using Cells = QMap<QPair<int, int>, QString>; // (row, column) → text

QString cell(int row, int column) {
    return MonthlyTableScreen::cellBox(row, column);
}

QStringList labels(const Screen& form) {
    QStringList shown;
    for (int r = 1; r <= 12; ++r)
        shown.append(form.text(MonthlyTableScreen::monthLabel(r)));
    return shown;
}

QStringList numbers(std::initializer_list<int> values) {
    QStringList list;
    for (const int v : values)
        list.append(QString::number(v));
    return list;
}

QStringList fillers() {
    QStringList list;
    for (int i = 1; i <= 12; ++i)
        list.append(QStringLiteral("\"予備%1\"").arg(i));
    return list;
}

const QString monthFile = paths::monthOrderFile(7);

// The golden table: the first column's months hold 100 … 1200, the others column ×
// 1000 + row, with a few boxes typed in other ways; 計 is typed wrong or not at all.
QString typedCell(int r, int c) {
    static const Cells special{
        {{1, 2}, "1,500"}, {{2, 3}, "abc"}, {{3, 4}, "-20"},  {{4, 5}, "2.5"}, {{5, 6}, "3.5"},
        {{13, 1}, "5"},    {{13, 2}, ""},   {{13, 3}, "abc"}, {{13, 4}, "1"},  {{13, 5}, ""},
        {{13, 6}, ""},     {{13, 7}, "77"}, {{13, 8}, ""},    {{13, 9}, "25"}, {{14, 1}, "10,000"}};
    if (special.contains({r, c}))
        return special.value({r, c});
    if (r == 14)
        return QString::number(c * 10000);
    return QString::number(c == 1 ? r * 100 : c * 1000 + r);
}

} // namespace

class MonthlyTableTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The hidden parts: the code box, Text134 and "月表示"; the month labels take no
    // typing; the window's font.
    void hiddenAndReadOnly() {
        test::EntryProgram program;
        Screen* form = program.app.screen(screens::monthlyTable);
        QCOMPARE(form->defaultFont().points, 12.0);
        const Control& month = form->control(QStringLiteral("Command3"));
        QCOMPARE(month.kind, ControlKind::Button);
        QCOMPARE(month.text, QStringLiteral("月表示"));
        QCOMPARE(month.geometry, QRect(240, 472, 65, 25));
        QVERIFY(!month.visible);
        QVERIFY(!form->control(QStringLiteral("Text134")).visible);
        QCOMPARE(form->control(QStringLiteral("Command9")).font.points, 11.25);
        for (int r = 1; r <= 12; ++r) {
            const Control& label = form->control(MonthlyTableScreen::monthLabel(r));
            QVERIFY(label.readOnly);
            QCOMPARE(label.geometry, QRect(24, 48 + 24 * (r - 1), 17, 24));
        }

        program.registerCompany(7, 4);
        program.handOver(screens::monthlyTable, 7);
        form->typeText(MonthlyTableScreen::monthLabel(1), QStringLiteral("9"));
        QCOMPARE(form->text(MonthlyTableScreen::monthLabel(1)), QStringLiteral("4"));
        // The headings' limit.
        form->typeText(QStringLiteral("Text135"), QStringLiteral("運賃収入額"));
        QCOMPARE(form->text(QStringLiteral("Text135")), QStringLiteral("運賃収入"));
    }

    // The rows follow the business year; the month order file says the same.
    void monthOrder_data() {
        QTest::addColumn<int>("startMonth");
        QTest::addColumn<QStringList>("months");
        QTest::newRow("4月") << 4 << numbers({4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3});
        QTest::newRow("10月") << 10 << numbers({10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        QTest::newRow("12月") << 12 << numbers({12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
        QTest::newRow("1月") << 1 << numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        QTest::newRow("11月") << 11 << numbers({11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        QTest::newRow("0, no month") << 0 << numbers({12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
        QTest::newRow("13, no month") << 13 << numbers({12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    }
    void monthOrder() {
        QFETCH(int, startMonth);
        QFETCH(QStringList, months);
        test::EntryProgram program;
        program.registerCompany(7, startMonth);
        RecordScreen& form = program.handOver(screens::monthlyTable, 7);
        QCOMPARE(labels(form), months);
        QCOMPARE(test::fileLines(program.home.read(monthFile)), months + fillers());
        // A new company: everything else is empty.
        for (const QString& b : {QStringLiteral("Text130"), QStringLiteral("Text135"),
                                 QStringLiteral("Text127"), cell(1, 1), cell(13, 9)})
            QCOMPARE(form.text(b), QString());
    }

    void monthOrderGolden() {
        test::EntryProgram program;
        program.registerCompany(7, 4);
        program.handOver(screens::monthlyTable, 7);
        QCOMPARE(program.home.read(monthFile),
                 test::fixture(QStringLiteral("statement/goldenmonth4.txt")));
    }

    // File 60 byte for byte: the 計 of the six money columns and of 源泉徴収税額 is the
    // sum of the months, whatever was typed; the other columns keep the 計 typed; 前期の
    // 実績 is as typed.
    void golden() {
        test::EntryProgram program;
        program.registerCompany(7, 4);
        RecordScreen& form = program.handOver(screens::monthlyTable, 7);
        const QMap<QString, QString> texts{{"Text130", "卸売"},
                                           {"Text131", "小売"},
                                           {"Text132", "国内"},
                                           {"Text133", "輸入"},
                                           {"Text135", "運賃"},
                                           {"Text127", "当期は増収増益"},
                                           {"Text128", "  前期比 10%増 "},
                                           {"Text129", "特記事項なし"}};
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            form.typeText(it.key(), it.value());
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 14; ++r)
                form.typeText(cell(r, c), typedCell(r, c));
        form.click(QStringLiteral("Command9"));
        QVERIFY(program.messages.shown().isEmpty());
        const QByteArray saved = program.home.read(paths::sectionFile(7, 60));
        QCOMPARE(saved, test::fixture(QStringLiteral("statement/golden60.txt")));

        // 売上 with 計 typed as 5: the file holds 7800, the box shows 7,800.
        QCOMPARE(test::fileLines(saved).at(9 + 12), QStringLiteral("7800"));
        QCOMPARE(form.text(cell(13, 1)), QStringLiteral("7,800"));
        QCOMPARE(form.text(cell(13, 9)), QStringLiteral("25"));
        QCOMPARE(form.text(cell(13, 7)), QStringLiteral("84,078"));
        QCOMPARE(form.text(cell(13, 8)), QString());
        QCOMPARE(form.text(cell(14, 1)), QStringLiteral("10,000"));
        QCOMPARE(form.text(cell(1, 2)), QStringLiteral("1,500"));
        QCOMPARE(form.text(cell(2, 3)), QString());
        QCOMPARE(form.text(cell(3, 4)), QStringLiteral("-20"));
        QCOMPARE(form.text(cell(4, 5)), QStringLiteral("2"));
        QCOMPARE(form.text(cell(5, 6)), QStringLiteral("4"));
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            QCOMPARE(form.text(it.key()), it.value());
        QCOMPARE(labels(form).first(), QStringLiteral("4"));

        // The file from elsewhere shows the same in a new window.
        form.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        program.registerCompany(9, 10);
        program.home.write(paths::sectionFile(9, 60), saved);
        RecordScreen& other = program.handOver(screens::monthlyTable, 9);
        QCOMPARE(other.text(cell(13, 1)), QStringLiteral("7,800"));
        QCOMPARE(other.text(QStringLiteral("Text128")), QStringLiteral("  前期比 10%増 "));
        QCOMPARE(labels(other).first(), QStringLiteral("10"));
    }

    // "クリア" empties the texts, the cells and the labels; "ＤＡＴＡ" brings them back.
    void clearAndData() {
        test::EntryProgram program;
        program.registerCompany(7, 4);
        program.home.write(paths::sectionFile(7, 60),
                           test::fixture(QStringLiteral("statement/golden60.txt")));
        RecordScreen& form = program.handOver(screens::monthlyTable, 7);
        QCOMPARE(form.text(cell(13, 1)), QStringLiteral("7,800"));
        form.click(QStringLiteral("Command1"));
        for (const QString& b :
             {QStringLiteral("Text130"), QStringLiteral("Text129"), cell(1, 1), cell(14, 9),
              MonthlyTableScreen::monthLabel(1), MonthlyTableScreen::monthLabel(12)})
            QCOMPARE(form.text(b), QString());
        form.click(QStringLiteral("Command2"));
        QCOMPARE(form.text(cell(13, 1)), QStringLiteral("7,800"));
        QCOMPARE(labels(form).last(), QStringLiteral("3"));
    }

    // The hidden Text134 carries its value from the file through a save.
    void carriedValue() {
        test::EntryProgram program;
        QStringList lines{"\"\"", "\"\"", "\"\"", "\"\"", "\"控え, 1\"",
                          "\"\"", "\"\"", "\"\"", "\"\""};
        for (int i = 0; i < 126; ++i)
            lines.append(QStringLiteral("0"));
        program.home.write(paths::sectionFile(7, 60), test::crlfFile(lines));
        RecordScreen& form = program.handOver(screens::monthlyTable, 7);
        QCOMPARE(form.text(QStringLiteral("Text134")), QStringLiteral("控え, 1"));
        form.typeText(cell(1, 1), QStringLiteral("100"));
        form.click(QStringLiteral("Command9"));
        const QStringList saved = test::fileLines(program.home.read(paths::sectionFile(7, 60)));
        QCOMPARE(saved.at(4), QStringLiteral("\"控え, 1\""));
        QCOMPARE(saved.at(9), QStringLiteral("100"));
        QCOMPARE(saved.at(9 + 12), QStringLiteral("100"));
    }

    // A 計 beyond the 32-bit range is refused with a message naming the column; nothing
    // is written and the boxes keep what was typed.
    void totalOutOfRange_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("named");
        QTest::newRow("売上, too large") << 1 << "2147483647"
                                         << "1"
                                         << "売上（収入）金額の1列目";
        QTest::newRow("仕入, too large") << 3 << "2,000,000,000"
                                         << "2,000,000,000"
                                         << "仕入金額の1列目";
        QTest::newRow("人件費, too small") << 6 << "-2147483648"
                                           << "-100,000"
                                           << "人件費";
        QTest::newRow("源泉徴収税額, too large") << 7 << "2147483647"
                                                 << "1"
                                                 << "源泉徴収税額";
    }
    void totalOutOfRange() {
        QFETCH(int, column);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, named);
        test::EntryProgram program;
        const QByteArray old = test::fixture(QStringLiteral("statement/golden60.txt"));
        program.home.write(paths::sectionFile(7, 60), old);
        RecordScreen& form = program.handOver(screens::monthlyTable, 7);
        const SectionRecord loaded = form.record();
        form.typeText(cell(1, column), first);
        form.typeText(cell(12, column), second);
        form.click(QStringLiteral("Command9"));
        QCOMPARE(program.messages.shown().size(), 1);
        const MessageBox& message = program.messages.shown().at(0);
        QCOMPARE(message.title, QStringLiteral("登録実行"));
        QVERIFY2(message.text.contains(named), qPrintable(message.text));
        QVERIFY(message.text.contains(QStringLiteral("計")));
        QCOMPARE(program.home.read(paths::sectionFile(7, 60)), old);
        QCOMPARE(form.text(cell(1, column)), first);
        QCOMPARE(form.text(cell(12, column)), second);
        QCOMPARE(form.record(), loaded);
    }

    // Large months whose sum still fits are summed, and a column beyond 7 is never.
    void totalAtTheLimit() {
        test::EntryProgram program;
        RecordScreen& form = program.handOver(screens::monthlyTable, 7);
        form.typeText(cell(1, 2), QStringLiteral("2147483000"));
        form.typeText(cell(2, 2), QStringLiteral("647"));
        form.typeText(cell(1, 8), QStringLiteral("2147483647"));
        form.typeText(cell(2, 8), QStringLiteral("1"));
        form.click(QStringLiteral("Command9"));
        QVERIFY(program.messages.shown().isEmpty());
        QCOMPARE(form.text(cell(13, 2)), QStringLiteral("2,147,483,647"));
        QCOMPARE(form.text(cell(13, 8)), QString());
    }

    // A summed column whose months are all empty keeps the 計 typed: the year's total may
    // be all the user has, and an empty sum never replaces it. One month typed sums.
    void totalWithoutMonths_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("total");
        QTest::newRow("源泉徴収税額, only 計") << 7 << ""
                                               << "1,234,567";
        QTest::newRow("売上, only 計") << 1 << ""
                                       << "9,000";
        QTest::newRow("源泉徴収税額, one month") << 7 << "300"
                                                 << "300";
    }
    void totalWithoutMonths() {
        QFETCH(int, column);
        QFETCH(QString, month);
        QFETCH(QString, total);
        test::EntryProgram program;
        program.registerCompany(7, 4);
        RecordScreen& form = program.handOver(screens::monthlyTable, 7);
        form.typeText(cell(13, column), QStringLiteral("1234567"));
        if (column == 1)
            form.typeText(cell(13, column), QStringLiteral("9000"));
        form.typeText(cell(5, column), month);
        form.click(QStringLiteral("Command9"));
        QVERIFY(program.messages.shown().isEmpty());
        QCOMPARE(form.text(cell(13, column)), total);
    }

    // "月表示" without a readable master file leaves the labels and the month order
    // file as they were, and touches nothing else, silently.
    void monthDisplayFailures_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("no master file") << "missing";
        QTest::newRow("short master file") << "short";
        QTest::newRow("channel occupied") << "occupied";
    }
    void monthDisplayFailures() {
        QFETCH(QString, how);
        test::EntryProgram program;
        program.registerCompany(7, 4);
        RecordScreen& form = program.handOver(screens::monthlyTable, 7);
        const QStringList before = labels(form);
        const QByteArray monthBytes = program.home.read(monthFile);
        form.typeText(cell(1, 1), QStringLiteral("123"));
        form.typeText(QStringLiteral("Text127"), QStringLiteral("概要"));

        program.registerCompany(7, 10);
        if (how == QStringLiteral("missing"))
            QVERIFY(QFile::remove(drivec::hostPath(paths::masterFile(7))));
        else if (how == QStringLiteral("short"))
            program.home.write(paths::masterFile(7),
                               test::crlfFile({"7", "\"カナ\"", "\"名\"", "\"地\"", "\"電話\"",
                                               "20", "10", "1", "21", "9", "30", "\"\""}));
        else
            FileChannel::instance().occupyForTest(QStringLiteral("c:\\other.txt"));
        form.click(QStringLiteral("Command3"));
        FileChannel::instance().close();

        QCOMPARE(labels(form), before);
        QCOMPARE(program.home.read(monthFile), monthBytes);
        QCOMPARE(form.text(cell(1, 1)), QStringLiteral("123"));
        QCOMPARE(form.text(QStringLiteral("Text127")), QStringLiteral("概要"));
        QVERIFY(program.messages.shown().isEmpty());
    }

    // Every load rewrites the month order file from the master file of the moment.
    void monthOrderFollowsTheMasterFile() {
        test::EntryProgram program;
        program.registerCompany(7, 4);
        RecordScreen& form = program.handOver(screens::monthlyTable, 7);
        program.registerCompany(7, 7);
        form.click(QStringLiteral("Command9"));
        QCOMPARE(labels(form).first(), QStringLiteral("7"));
        QCOMPARE(test::fileLines(program.home.read(monthFile)).first(), QStringLiteral("7"));
    }
};

QTEST_MAIN(MonthlyTableTest)
#include "monthlytabletest.moc"
