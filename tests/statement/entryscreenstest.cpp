#include "entryscreenstestsupport.h"

#include "datafile/discard.h"
#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "statement/recordlayouts.h"
#include "statement/sectionfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>

using namespace gaikyo;
using test::box;

using Boxes = QMap<QString, QString>;

namespace {

const QString form3 = screens::mainAccounts;
const QString form4 = screens::businessForm;
const QString form5 = screens::taxAccountant;
const QString form6 = screens::monthlyTable;

int sectionOf(const QString& screen) {
    return screen == form3 ? 30 : screen == form4 ? 40 : screen == form5 ? 50 : 60;
}

QStringList fieldBoxes(const RecordLayout& layout) {
    QStringList boxes;
    for (const QList<RecordField>* list : {&layout.texts, &layout.integers})
        for (const RecordField& f : *list)
            boxes.append(f.box);
    return boxes;
}

// Form3's golden figures: box k gets k × 1001 unless the table says otherwise; the
// fixture holds what integer reading makes of each.
struct Figure {
    QString typed, shown;
};
Figure mainAccountsFigure(int k) {
    static const QMap<int, Figure> special{
        {1, {"1,234,567", "1,234,567"}},
        {5, {"10.5", "10"}},
        {6, {"11.5", "12"}},
        {7, {"abc", ""}},
        {8, {"", ""}},
        {17, {"-350", "-350"}},
        {20, {" 2147483647 ", "2,147,483,647"}},
        {30, {"-1,234,567", "-1,234,567"}},
        {35, {"99999999999", ""}},
        // The 有/無 boxes: marks stored as 1 and shown as ○, an empty box or 0 as 0.
        {44, {"○", "○"}},
        {45, {"1", "○"}},
        {46, {"", ""}},
        {47, {"レ", "○"}},
        {48, {"１", "○"}},
        {49, {"0", ""}},
    };
    if (special.contains(k))
        return special.value(k);
    // Every plain figure lies between 1,001 and 42,042.
    return {
        QString::number(k * 1001),
        QStringLiteral("%1,%2").arg(k * 1001 / 1000).arg(k * 1001 % 1000, 3, 10, QLatin1Char('0'))};
}

// The texts typed for the golden files of Form4 and Form5: "欄" and the box number
// unless the table says otherwise.
QString goldenText(int section, int k) {
    static const QMap<int, QString> businessForm{{1, "製造業"},
                                                 {2, "30%"},
                                                 {4, "三十"},
                                                 {6, "120"},
                                                 {7, "㈱向け, 特注品"},
                                                 {14, "  旋盤 2台"},
                                                 {15, "トラック ３台  "},
                                                 {26, "60"},
                                                 {27, "40"}};
    static const QMap<int, QString> taxAccountant{
        {1, "末日"},       {2, "20日"},       {5, "翌月10日"},
        {6, " 翌々月末 "}, {23, "髙橋 一郎"}, {25, "03-1234-5678"},
        {30, "9"},         {31, "30"},        {32, "18"},
        {33, "00"},        {34, "日"},        {35, "15"},
        {36, "○"},         {37, ""},          {38, "x"},
        {39, "1"}};
    const QMap<int, QString>& table = section == 40 ? businessForm : taxAccountant;
    return table.value(k, QStringLiteral("欄%1").arg(k));
}

} // namespace

class EntryScreensTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each window: its caption and size, the hidden code box, the three buttons, and a
    // cyan box for every field of its file.
    void window_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("codeBox");
        QTest::addColumn<QList<QRect>>("buttons");
        QTest::addColumn<bool>("upright");
        QTest::newRow("Form3") << form3 << "資産の内容" << QSize(718, 504)
                               << QRect(688, 120, 25, 25)
                               << QList<QRect>{QRect(688, 144, 25, 105), QRect(688, 248, 25, 129),
                                               QRect(688, 384, 25, 113)}
                               << true;
        QTest::newRow("Form4") << form4 << "事業形態" << QSize(695, 370) << QRect(272, 336, 49, 25)
                               << QList<QRect>{QRect(320, 336, 89, 25), QRect(408, 336, 89, 25),
                                               QRect(512, 336, 137, 25)}
                               << false;
        QTest::newRow("Form5") << form5 << "税理士等" << QSize(703, 359) << QRect(248, 320, 49, 25)
                               << QList<QRect>{QRect(296, 320, 89, 25), QRect(384, 320, 89, 25),
                                               QRect(488, 320, 137, 25)}
                               << false;
        QTest::newRow("Form6") << form6 << "月別表" << QSize(694, 504) << QRect(304, 472, 49, 25)
                               << QList<QRect>{QRect(352, 472, 89, 25), QRect(440, 472, 89, 25),
                                               QRect(544, 472, 137, 25)}
                               << false;
    }
    void window() {
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QRect, codeBox);
        QFETCH(QList<QRect>, buttons);
        QFETCH(bool, upright);
        test::EntryProgram program;
        auto* form = program.app.screenAs<RecordScreen>(screen);
        QVERIFY(form);
        QCOMPARE(form->caption(), caption);
        QCOMPARE(form->clientSize(), size);
        QCOMPARE(form->unit(), Screen::Unit::Pixels);

        const Control& code = form->control(form->codeBox());
        QVERIFY(!code.visible);
        QCOMPARE(code.background, QColor(255, 0, 255));
        QCOMPARE(code.geometry, codeBox);

        const QStringList captions{"クリア", "ＤＡＴＡ", "登録実行"};
        const QStringList names{"Command1", "Command2", "Command9"};
        for (int i = 0; i < 3; ++i) {
            const Control& b = form->control(names.at(i));
            QCOMPARE(b.kind, ControlKind::Button);
            QVERIFY(b.visible);
            QCOMPARE(b.geometry, buttons.at(i));
            // The upright buttons stack their caption one character a line.
            QCOMPARE(QString(b.text).remove(QLatin1Char('\n')), captions.at(i));
            QCOMPARE(b.text.count(QLatin1Char('\n')), upright ? captions.at(i).size() - 1 : 0);
        }

        QSet<QString> names2;
        for (const Control& c : form->controls()) {
            QVERIFY2(!names2.contains(c.name), qPrintable(c.name));
            names2.insert(c.name);
        }
        for (const QString& name : fieldBoxes(layouts::section(sectionOf(screen)))) {
            const Control& c = form->control(name);
            QCOMPARE(c.kind, ControlKind::TextBox);
            QCOMPARE(c.background, QColor(192, 255, 255));
            QVERIFY(c.text.isEmpty());
            QCOMPARE(c.visible, name != QStringLiteral("Text134"));
            QVERIFY2(QRect(QPoint(), size).contains(c.geometry), qPrintable(name));
        }
    }

    // A sample of the boxes with their place, alignment, input mode, limit and font.
    void boxes_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("hiragana");
        QTest::addColumn<int>("limit");
        QTest::addColumn<double>("points");
        const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
        const struct {
            const QString& screen;
            const char* box;
            QRect geometry;
            int alignment;
            bool hiragana;
            int limit;
            double points;
        } rows[] = {
            {form3, "Text1", {176, 3, 177, 24}, right, false, 0, 0},
            {form3, "Text2", {176, 24, 177, 24}, right, false, 0, 0},
            {form3, "Text19", {176, 432, 177, 24}, right, false, 0, 0},
            {form3, "Text20", {504, 0, 177, 24}, right, false, 0, 0},
            {form3, "Text35", {504, 360, 177, 24}, right, false, 0, 0},
            {form3, "Text36", {192, 456, 145, 24}, right, false, 0, 0},
            {form3, "Text37", {192, 480, 145, 24}, right, false, 0, 0},
            {form3, "Text38", {24, 480, 145, 24}, right, false, 0, 0},
            {form3, "Text40", {368, 480, 145, 24}, right, false, 0, 0},
            {form3, "Text41", {544, 456, 137, 24}, right, false, 0, 0},
            {form3, "Text44", {440, 408, 41, 24}, centre, false, 0, 0},
            {form3, "Text45", {480, 408, 41, 24}, centre, false, 0, 0},
            {form3, "Text47", {640, 408, 41, 24}, centre, false, 0, 0},
            {form3, "Text48", {600, 432, 41, 24}, centre, false, 0, 0},
            {form4, "Text1", {48, 24, 177, 19}, left, true, 0, 0},
            {form4, "Text2", {240, 24, 121, 19}, right, true, 0, 0},
            {form4, "Text5", {48, 72, 177, 19}, left, true, 0, 0},
            {form4, "Text6", {240, 72, 121, 19}, right, true, 0, 0},
            {form4, "Text7", {48, 112, 313, 19}, left, true, 0, 0},
            {form4, "Text13", {48, 256, 313, 19}, left, true, 0, 0},
            {form4, "Text14", {392, 16, 289, 19}, left, true, 0, 0},
            {form4, "Text25", {392, 280, 289, 19}, left, true, 0, 0},
            {form4, "Text26", {200, 288, 41, 19}, right, false, 0, 0},
            {form4, "Text27", {312, 288, 41, 19}, right, false, 0, 0},
            {form5, "Text1", {160, 8, 81, 19}, left, true, 0, 0},
            {form5, "Text4", {160, 80, 81, 19}, left, true, 0, 0},
            {form5, "Text8", {304, 80, 73, 19}, left, true, 0, 0},
            {form5, "Text9", {32, 128, 169, 19}, left, true, 0, 0},
            {form5, "Text22", {208, 272, 169, 19}, left, true, 0, 0},
            {form5, "Text25", {464, 56, 233, 19}, left, true, 0, 0},
            {form5, "Text26", {400, 152, 297, 19}, left, true, 0, 0},
            {form5, "Text29", {464, 224, 233, 19}, left, true, 0, 0},
            {form5, "Text30", {496, 248, 25, 19}, centre, false, 0, 0},
            {form5, "Text33", {656, 248, 25, 19}, centre, false, 0, 0},
            {form5, "Text34", {544, 272, 41, 19}, centre, true, 0, 0},
            {form5, "Text35", {616, 272, 57, 19}, centre, true, 0, 0},
            {form5, "Text36", {464, 80, 25, 19}, centre, false, 0, 0},
            {form5, "Text39", {543, 104, 18, 19}, centre, false, 0, 0},
            {form5, "Text43", {584, 128, 17, 19}, centre, false, 0, 0},
            {form6, "Text1", {64, 48, 81, 24}, right, false, 0, 0},
            {form6, "Text13", {64, 336, 81, 24}, right, false, 0, 0},
            {form6, "Text28", {144, 360, 73, 24}, right, false, 0, 0},
            {form6, "Text56", {288, 360, 81, 24}, right, false, 0, 0},
            {form6, "Text71", {448, 48, 73, 24}, right, false, 0, 0},
            {form6, "Text85", {520, 48, 73, 24}, right, false, 0, 0},
            {form6, "Text112", {600, 360, 49, 24}, right, false, 0, 0},
            {form6, "Text126", {648, 360, 41, 24}, right, false, 0, 0},
            {form6, "Text130", {64, 24, 81, 24}, centre, true, 0, 0},
            {form6, "Text133", {288, 24, 81, 24}, centre, true, 0, 0},
            {form6, "Text135", {600, 16, 49, 24}, centre, true, 4, 9.75},
            {form6, "Text127", {48, 392, 633, 25}, left, false, 45, 11.25},
            {form6, "Text129", {48, 440, 633, 25}, left, false, 45, 11.25},
            {form6, "Text134", {136, 472, 49, 24}, left, false, 0, 0},
            {form6, "Text136", {24, 48, 17, 24}, centre, false, 0, 9.75},
            {form6, "Text147", {24, 312, 17, 24}, centre, false, 0, 9.75},
        };
        for (const auto& r : rows)
            QTest::addRow("%s %s", qPrintable(r.screen), r.box)
                << r.screen << r.box << r.geometry << r.alignment << r.hiragana << r.limit
                << r.points;
    }
    void boxes() {
        QFETCH(QString, screen);
        QFETCH(QString, box);
        QFETCH(QRect, geometry);
        QFETCH(int, alignment);
        QFETCH(bool, hiragana);
        QFETCH(int, limit);
        QFETCH(double, points);
        test::EntryProgram program;
        const Control& c = program.app.screen(screen)->control(box);
        QCOMPARE(c.kind, ControlKind::TextBox);
        QCOMPARE(c.geometry, geometry);
        QCOMPARE(int(c.alignment & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(c.inputMode, hiragana ? InputMode::Hiragana : InputMode::None);
        QCOMPARE(c.maxLength, limit);
        QCOMPARE(c.font.points, points);
    }

    // A new company: every box empty, even with another company's files around. A new
    // window, whose code box is still empty, reads no company's files (not those of 0).
    void newCompany_data() {
        QTest::addColumn<QString>("screen");
        for (const QString& s : {form3, form4, form5, form6})
            QTest::newRow(qPrintable(s)) << s;
    }
    void newCompany() {
        QFETCH(QString, screen);
        const int section = sectionOf(screen);
        const QByteArray golden =
            test::fixture(QStringLiteral("statement/golden%1.txt").arg(section));
        test::EntryProgram program;
        program.home.write(paths::sectionFile(0, section), golden);
        program.home.write(paths::sectionFile(7, section), golden);

        Screen* created = program.app.screen(screen);
        const QStringList boxes = fieldBoxes(layouts::section(section));
        for (const QString& b : boxes)
            QCOMPARE(created->text(b), QString());

        RecordScreen& form = program.handOver(screen, 7);
        QVERIFY(form.isShown());
        QCOMPARE(form.text(form.codeBox()), QStringLiteral("7"));
        QVERIFY(form.record() != SectionRecord::emptyFor(form.layout()));

        // Handed over for a company without a file: empty boxes, empty record.
        program.handOver(screen, 8);
        for (const QString& b : boxes)
            QCOMPARE(form.text(b), QString());
        QCOMPARE(form.record(), SectionRecord::emptyFor(form.layout()));
        QVERIFY(program.messages.shown().isEmpty());
    }

    // Form3: what integer reading makes of a typed figure, in the file and on screen.
    void mainAccountsFigures_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        QTest::newRow("amount") << "Text1"
                                << "1234567"
                                << "1234567"
                                << "1,234,567";
        QTest::newRow("grouped amount") << "Text1"
                                        << "1,234,567"
                                        << "1234567"
                                        << "1,234,567";
        QTest::newRow("loss") << "Text17"
                              << "-350"
                              << "-350"
                              << "-350";
        QTest::newRow("large loss") << "Text19"
                                    << "-5000"
                                    << "-5000"
                                    << "-5,000";
        QTest::newRow("half to even, down") << "Text3"
                                            << "10.5"
                                            << "10"
                                            << "10";
        QTest::newRow("half to even, up") << "Text3"
                                          << "11.5"
                                          << "12"
                                          << "12";
        QTest::newRow("not a number") << "Text21"
                                      << "abc"
                                      << "0"
                                      << "";
        QTest::newRow("zero amount") << "Text42"
                                     << "0"
                                     << "0"
                                     << "";
        // The 有/無 boxes take a mark, stored as the file's own 1 and shown as ○ (see
        // marks()).
        QTest::newRow("mark in 有") << "Text44"
                                    << "○"
                                    << "1"
                                    << "○";
        QTest::newRow("1 in 有") << "Text44"
                                 << "1"
                                 << "1"
                                 << "○";
        QTest::newRow("empty 無") << "Text49"
                                  << ""
                                  << "0"
                                  << "";
    }
    void mainAccountsFigures() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QFETCH(QString, shown);
        test::EntryProgram program;
        RecordScreen& form = program.handOver(form3, 7);
        form.typeText(box, typed);
        form.click(QStringLiteral("Command9"));
        QVERIFY(program.messages.shown().isEmpty());
        const QStringList lines = test::fileLines(program.home.read(paths::sectionFile(7, 30)));
        QCOMPARE(lines.size(), 60);
        const qsizetype field = fieldBoxes(form.layout()).indexOf(box);
        QCOMPARE(lines.at(field), line);
        QCOMPARE(form.text(box), shown);
        // Every other box was saved as 0 and shows as the display rule says.
        QCOMPARE(form.text(box == QStringLiteral("Text1") ? QStringLiteral("Text2")
                                                          : QStringLiteral("Text1")),
                 QString());
        QCOMPARE(form.text(box == QStringLiteral("Text45") ? QStringLiteral("Text46")
                                                           : QStringLiteral("Text45")),
                 QString());
    }

    // The 有/無 boxes of items 8 and 9: every mark people tick a box with is stored as 1,
    // the file's own number, and shows as ○; anything else is refused, naming the box,
    // and nothing is written.
    void marks_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line"); // empty: refused
        const struct {
            const char* name;
            const char* box;
            const char* typed;
            const char* line;
        } rows[] = {
            {"○", "Text44", "○", "1"},
            {"half-width ○", "Text45", "￮", "1"},
            {"〇 (kanji zero)", "Text46", "〇", "1"},
            {"◯ (large circle)", "Text47", "◯", "1"},
            {"レ", "Text48", "レ", "1"},
            {"half-width ﾚ", "Text49", "ﾚ", "1"},
            {"✓", "Text44", "✓", "1"},
            {"✔", "Text45", "✔", "1"},
            {"1", "Text46", "1", "1"},
            {"full-width １", "Text47", "１", "1"},
            {"○ between spaces", "Text48", " ○　", "1"},
            {"0 unticks", "Text49", "0", "0"},
            {"full-width ０ unticks", "Text44", "０", "0"},
            {"spaces untick", "Text45", "　 ", "0"},
            {"×", "Text46", "×", ""},
            {"2", "Text47", "2", ""},
            {"thousand", "Text47", "1000", ""},
            {"a word", "Text48", "あり", ""},
            {"two marks", "Text49", "○○", ""},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << QString::fromUtf8(row.box) << QString::fromUtf8(row.typed)
                                    << QString::fromUtf8(row.line);
    }
    void marks() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        test::EntryProgram program;
        RecordScreen& form = program.handOver(form3, 7);
        form.typeText(QStringLiteral("Text1"), QStringLiteral("500"));
        form.typeText(box, typed);
        // Typed into an empty box, a mark is a change the close of the screen asks about.
        if (line == QStringLiteral("1"))
            QVERIFY(form.changedBoxes().contains(box));
        form.click(QStringLiteral("Command9"));
        const QString file = paths::sectionFile(7, 30);
        const qsizetype field = fieldBoxes(form.layout()).indexOf(box);
        if (line.isEmpty()) {
            QCOMPARE(program.messages.shown().size(), 1);
            const MessageBox& message = program.messages.shown().first();
            QCOMPARE(message.title, QStringLiteral("登録実行"));
            const QString caption = layouts::captionOf(form.layout(), box);
            QVERIFY2(message.text.contains(
                         QStringLiteral("「%1」の「%2」は印として使えません").arg(caption, typed)),
                     qPrintable(message.text));
            QVERIFY(!program.home.exists(file));
            QCOMPARE(form.text(box), typed);
            QCOMPARE(form.text(QStringLiteral("Text1")), QStringLiteral("500"));
            return;
        }
        QVERIFY2(program.messages.shown().isEmpty(),
                 qPrintable(program.messages.shown().value(0).text));
        const QStringList lines = test::fileLines(program.home.read(file));
        QCOMPARE(lines.at(field), line);
        const QString shown = line == QStringLiteral("1") ? QStringLiteral("○") : QString();
        QCOMPARE(form.text(box), shown);
        QVERIFY(form.changedBoxes().isEmpty());

        // A file holding 1, from this program or an earlier one, shows ○ in a new window.
        form.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RecordScreen& again = program.handOver(form3, 7);
        QCOMPARE(again.text(box), shown);
    }

    // Form4 and Form5 store their texts as typed: spaces, percent signs, 末日, 翌月10日.
    void textsAsTyped_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Form4 leading spaces") << form4 << "Text14"
                                              << "   大型旋盤 3台";
        QTest::newRow("Form4 trailing spaces") << form4 << "Text25"
                                               << "倉庫 1棟   ";
        QTest::newRow("Form4 30%") << form4 << "Text2"
                                   << "30%";
        QTest::newRow("Form4 in words") << form4 << "Text26"
                                        << "三十";
        QTest::newRow("Form5 末日") << form5 << "Text1"
                                    << "末日";
        QTest::newRow("Form5 翌月10日") << form5 << "Text5"
                                        << "翌月10日";
        QTest::newRow("Form5 a digit mark") << form5 << "Text43"
                                            << "1";
        QTest::newRow("Form5 comma") << form5 << "Text24"
                                     << "東京都千代田区1-1, 2F";
    }
    void textsAsTyped() {
        QFETCH(QString, screen);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        test::EntryProgram program;
        RecordScreen& form = program.handOver(screen, 7);
        form.typeText(box, typed);
        form.click(QStringLiteral("Command9"));
        QVERIFY(program.messages.shown().isEmpty());
        QCOMPARE(form.text(box), typed);
        form.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RecordScreen& again = program.handOver(screen, 7);
        QCOMPARE(again.text(box), typed);
    }

    // Files 30, 40 and 50 byte for byte: boxes → file → boxes, and the same file brought
    // from elsewhere shows the same in a new window.
    void golden_data() {
        QTest::addColumn<QString>("screen");
        QTest::newRow("30 主要科目") << form3;
        QTest::newRow("40 事業形態") << form4;
        QTest::newRow("50 税理士等") << form5;
    }
    void golden() {
        QFETCH(QString, screen);
        const int section = sectionOf(screen);
        const QByteArray golden =
            test::fixture(QStringLiteral("statement/golden%1.txt").arg(section));
        Boxes typed;
        Boxes shown;
        for (const QString& b : fieldBoxes(layouts::section(section))) {
            const int k = b.mid(4).toInt();
            if (section == 30) {
                typed.insert(b, mainAccountsFigure(k).typed);
                shown.insert(b, mainAccountsFigure(k).shown);
            } else {
                typed.insert(b, goldenText(section, k));
                shown.insert(b, goldenText(section, k));
            }
        }

        test::EntryProgram program;
        RecordScreen& form = program.handOver(screen, 7);
        for (auto it = typed.cbegin(); it != typed.cend(); ++it)
            form.typeText(it.key(), it.value());
        form.click(QStringLiteral("Command9"));
        QVERIFY(program.messages.shown().isEmpty());
        QCOMPARE(program.home.read(paths::sectionFile(7, section)), golden);
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            QCOMPARE(form.text(it.key()), it.value());

        form.click(QStringLiteral("Command1"));
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            QCOMPARE(form.text(it.key()), QString());
        form.click(QStringLiteral("Command2"));
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            QCOMPARE(form.text(it.key()), it.value());

        form.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        program.home.write(paths::sectionFile(9, section), golden);
        RecordScreen& other = program.handOver(screen, 9);
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            QCOMPARE(other.text(it.key()), it.value());
    }

    // A file that ends early: the boxes show what was read and the rest stay empty, the
    // user is told which file from which line, and nothing stays blocked.
    void shortFile_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Form3") << form3 << QStringList{"100", "abc", "300"};
        QTest::newRow("Form4") << form4 << QStringList{"\"製造業\"", "\"30%\""};
        QTest::newRow("Form5") << form5 << QStringList{"\"末日\""};
        QTest::newRow("Form6") << form6 << QStringList{"\"卸売\"", "\"小売\""};
    }
    void shortFile() {
        QFETCH(QString, screen);
        QFETCH(QStringList, lines);
        test::EntryProgram program;
        program.home.write(paths::sectionFile(7, sectionOf(screen)), test::crlfFile(lines));
        RecordScreen& form = program.handOver(screen, 7);
        const QStringList boxes = fieldBoxes(form.layout());
        QCOMPARE(form.text(boxes.first()), QString(lines.first()).remove(QLatin1Char('"')));
        for (const QString& b : boxes.mid(lines.size()))
            QCOMPARE(form.text(b), QString());
        QCOMPARE(program.messages.shown().size(), 1);
        const QString told = program.messages.shown().first().text;
        QVERIFY2(told.contains(paths::sectionFile(7, sectionOf(screen))) &&
                     told.contains(QStringLiteral("%1行目").arg(lines.size() + 1)),
                 qPrintable(told));
        program.messages.clear();
        const SectionRecord& record = form.record();
        if (record.texts.isEmpty())
            QCOMPARE(record.integers.mid(0, 4), (QList<qint32>{100, 0, 300, 0}));
        else
            QCOMPARE(record.texts.at(0), QString(lines.at(0)).remove(QLatin1Char('"')));
        QVERIFY(!FileChannel::instance().isOpen());

        form.typeText(fieldBoxes(form.layout()).first(), QStringLiteral("1"));
        form.click(QStringLiteral("Command9"));
        // The damaged file went to the trash first, and the user heard so.
        QCOMPARE(program.messages.shown().size(), 1);
        // Wine gives programs no Recycle Bin: there the file is kept beside instead.
        const QString toldOnSave = program.messages.shown().first().text;
        QVERIFY2(toldOnSave.contains(QStringLiteral("ごみ箱")) ||
                     (QSysInfo::productType() == QStringLiteral("windows") &&
                      toldOnSave.contains(QStringLiteral("として残して"))),
                 qPrintable(toldOnSave));
        QCOMPARE(form.text(fieldBoxes(form.layout()).first()), QStringLiteral("1"));
    }

    // A text whose last byte is the first half of a double-byte character (a file cut or
    // edited badly): the load says the file is damaged and from which line, shows every
    // value, and the save puts the file in the trash before writing, and says so: the
    // byte is never changed silently.
    void cutCharacter_data() {
        QTest::addColumn<QString>("screen");
        QTest::newRow("Form4") << form4;
        QTest::newRow("Form5") << form5;
        QTest::newRow("Form6") << form6;
    }
    void cutCharacter() {
        QFETCH(QString, screen);
        test::EntryProgram program;
        const RecordLayout& layout = layouts::section(sectionOf(screen));
        QByteArray bytes = "\"\x8C\xA9\x96\x7B\x8F\xA4\x8E\x96\"\r\n"; // 見本商事
        bytes += "\"\x8C\xA9\x96\"\r\n"; // 見 and the first byte of 本
        for (qsizetype line = 3; line <= layout.fieldCount(); ++line)
            bytes += line <= layout.texts.size() ? "\"\"\r\n" : "0\r\n";
        const QString file = paths::sectionFile(7, sectionOf(screen));
        program.home.write(file, bytes);

        RecordScreen& form = program.handOver(screen, 7);
        QCOMPARE(program.messages.shown().size(), 1);
        const QString told = program.messages.shown().first().text;
        QVERIFY2(told.contains(file) && told.contains(QStringLiteral("2行目")), qPrintable(told));
        QCOMPARE(form.text(layout.texts.at(0).box), QStringLiteral("見本商事"));
        QVERIFY(form.text(layout.texts.at(1).box).startsWith(QStringLiteral("見")));
        program.messages.clear();

        form.click(QStringLiteral("Command9"));
        QCOMPARE(program.messages.shown().size(), 1);
        const QString toldOnSave = program.messages.shown().first().text;
        QString keptPath;
        // Both messages speak of the trash; only the one that kept the file names 削除済み.
        if (!toldOnSave.contains(discard::keptFolder())) {
            const QDir trash(program.home.path() + QStringLiteral("/.local/share/Trash/files"));
            const QStringList trashed = trash.entryList(QDir::Files);
            QCOMPARE(trashed.size(), 1);
            keptPath = trash.filePath(trashed.first());
        } else {
            // Wine gives programs no Recycle Bin: there the file goes into the data
            // folder's own folder 削除済み instead.
            const QString keptFolder =
                discard::keptFolder() +
                discard::folderName({QStringLiteral("壊れていたファイル"), discard::today()}) +
                QLatin1Char('\\');
            QVERIFY2(QSysInfo::productType() == QStringLiteral("windows") &&
                         toldOnSave.contains(keptFolder),
                     qPrintable(toldOnSave));
            keptPath = drivec::hostPath(keptFolder + QFileInfo(drivec::hostPath(file)).fileName());
        }
        QFile kept(keptPath);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
    }

    // A save that cannot write says why and leaves the boxes as typed; the old file,
    // if any, stays as it was.
    void saveFailures_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("occupied");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("messagePart");
        const QString folder = QStringLiteral("c:\\法人税事業概況書\\概況書\\");
        QTest::newRow("Form3, no folder") << form3 << false << 7 << false << "Text1"
                                          << "1234567" << folder;
        QTest::newRow("Form4, code out of range") << form4 << true << 2147484 << false << "Text2"
                                                  << "30%"
                                                  << "2147484";
        QTest::newRow("Form5, outside code page 932") << form5 << true << 7 << false << "Text23"
                                                      << "税理士😀"
                                                      << "氏名";
        QTest::newRow("Form5, channel occupied") << form5 << true << 7 << true << "Text1"
                                                 << "末日"
                                                 << "ファイル閉鎖";
        QTest::newRow("Form6, no folder") << form6 << false << 7 << false << "Text1"
                                          << "1,500" << folder;
    }
    void saveFailures() {
        QFETCH(QString, screen);
        QFETCH(bool, folder);
        QFETCH(int, code);
        QFETCH(bool, occupied);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, messagePart);
        test::EntryProgram program(folder);
        const bool numbered = paths::hasSectionFiles(code);
        const QByteArray old = test::crlfFile(QStringList(
            layouts::section(sectionOf(screen)).fieldCount(), QStringLiteral("\"old\"")));
        if (folder && numbered)
            program.home.write(paths::sectionFile(code, sectionOf(screen)), old);
        RecordScreen& form = program.handOver(screen, code);
        form.typeText(box, text);
        if (occupied)
            FileChannel::instance().occupyForTest(QStringLiteral("c:\\other.txt"));
        form.click(QStringLiteral("Command9"));
        FileChannel::instance().close();

        QCOMPARE(program.messages.shown().size(), 1);
        const MessageBox& message = program.messages.shown().at(0);
        QCOMPARE(message.title, QStringLiteral("登録実行"));
        QCOMPARE(message.icon, MessageBox::Icon::Exclamation);
        QVERIFY2(message.text.contains(messagePart), qPrintable(message.text));
        QCOMPARE(form.text(box), text);
        if (!numbered)
            QVERIFY(QDir(drivec::hostPath(paths::statementFolder())).isEmpty());
        else if (folder)
            QCOMPARE(program.home.read(paths::sectionFile(code, sectionOf(screen))), old);
        else
            QVERIFY(!program.home.exists(paths::sectionFile(code, sectionOf(screen))));
    }
};

QTEST_MAIN(EntryScreensTest)
#include "entryscreenstest.moc"
