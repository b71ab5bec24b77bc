#include "sectionstestsupport.h"

#include "datafile/filechannel.h"
#include "shell/mainmenu.h"
#include "statement/recordlayouts.h"
#include "statement/sectionframes.h"

#include <QMap>
#include <QSet>
#include <QTest>
#include <algorithm>

using namespace gaikyo;
using sectionframes::SectionFrame;

using Boxes = QMap<QString, QString>;

namespace {

QString name(const char* latin) {
    return QString::fromLatin1(latin);
}

QString fileOf(qint32 code, int section) {
    return paths::sectionFile(code, section);
}

// The value a golden test types into a text box: "欄" and the box's number.
QString typedText(const QString& box) {
    return QStringLiteral("欄") + box.mid(4);
}

QStringList fileLines(const QByteArray& bytes) {
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace

class SectionsScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The window and the parts every section shares.
    void window() {
        test::SectionsProgram program;
        Screen* form = program.app.screen(screens::sections);
        QCOMPARE(form->caption(), QStringLiteral("４．電子計算機の利用状況"));
        QCOMPARE(form->clientSize(), QSize(675, 474));
        QCOMPARE(form->unit(), Screen::Unit::Pixels);

        const Control& code = form->control(QStringLiteral("Text8"));
        QVERIFY(!code.visible);
        QCOMPARE(code.background, QColor(255, 0, 255));
        QCOMPARE(code.geometry, QRect(536, 264, 49, 25));

        QSet<QString> names;
        for (const Control& c : form->controls()) {
            QVERIFY2(!names.contains(c.name), qPrintable(c.name));
            names.insert(c.name);
        }

        QRect previousButton;
        for (const SectionFrame& s : sectionframes::all()) {
            const Control& button = form->control(name(s.sectionButton));
            QCOMPARE(button.kind, ControlKind::Button);
            // The section buttons stand in one column, in the statement's order, right of
            // every frame.
            QVERIFY(button.geometry.top() > previousButton.bottom());
            QCOMPARE(button.geometry.left(),
                     previousButton.isNull() ? button.geometry.left() : previousButton.left());
            QVERIFY(button.geometry.left() > form->control(name(s.frame)).geometry.right());
            previousButton = button.geometry;
            QCOMPARE(button.text, form->text(name(s.frame)));
            // Only section 1 shows in a new window, and nothing is loaded.
            QCOMPARE(form->isVisible(name(s.frame)), s.section == 21);

            // The frame holds exactly the boxes of its file, cyan, empty.
            const RecordLayout& layout = layouts::section(s.section);
            QSet<QString> fieldBoxes;
            for (const QList<RecordField>* list : {&layout.texts, &layout.integers})
                for (const RecordField& f : *list)
                    fieldBoxes.insert(f.box);
            QSet<QString> frameBoxes;
            for (const Control& c : form->controls())
                if (c.frame == name(s.frame) && c.kind == ControlKind::TextBox) {
                    frameBoxes.insert(c.name);
                    QCOMPARE(c.background, QColor(192, 255, 255));
                    QVERIFY(c.text.isEmpty());
                }
            QCOMPARE(frameBoxes, fieldBoxes);

            // "クリア", "ＤＡＴＡ" and "登録実行" side by side along the frame's foot.
            const struct {
                const char* name;
                QString caption;
            } row[] = {{s.clearButton, QStringLiteral("クリア")},
                       {s.dataButton, QStringLiteral("ＤＡＴＡ")},
                       {s.saveButton, QStringLiteral("登録実行")}};
            QRect previous;
            for (const auto& b : row) {
                const Control& c = form->control(name(b.name));
                QCOMPARE(c.text, b.caption);
                QCOMPARE(c.frame, name(s.frame));
                if (!previous.isNull()) {
                    QCOMPARE(c.geometry.top(), previous.top());
                    QVERIFY(c.geometry.left() >= previous.right()); // neighbours may share a border
                }
                QVERIFY(c.geometry.right() < s.frameGeometry.width());
                previous = c.geometry;
            }
        }
    }

    // Every control of a frame as its entry describes it: a box without a size takes the
    // frame's mark size; without a told alignment integers stand right, marks and
    // buttons centred, the rest left.
    void controlsFollowTheDescription() {
        using sectionframes::ItemAlign;
        using sectionframes::ItemKind;
        test::SectionsProgram program;
        Screen* form = program.app.screen(screens::sections);
        for (const SectionFrame& s : sectionframes::all()) {
            const Control& frame = form->control(name(s.frame));
            QCOMPARE(frame.kind, ControlKind::Frame);
            QCOMPARE(frame.geometry, s.frameGeometry);
            QCOMPARE(frame.text, QString::fromUtf8(s.sectionCaption));
            QCOMPARE(form->control(name(s.sectionButton)).font.points, s.sectionButtonPoints);
            for (const sectionframes::FrameItem& item : s.items) {
                const Control& c = form->control(name(item.name));
                QCOMPARE(c.frame, name(s.frame));
                const bool markSized = item.geometry.size() == QSize(0, 0);
                QCOMPARE(c.geometry,
                         markSized ? QRect(item.geometry.topLeft(), s.markSize) : item.geometry);
                QCOMPARE(c.kind, item.isField()                   ? ControlKind::TextBox
                                 : item.kind == ItemKind::Caption ? ControlKind::Label
                                 : item.kind == ItemKind::Button  ? ControlKind::Button
                                                                  : ControlKind::Line);
                QCOMPARE(c.text, item.isField() ? QString() : QString::fromUtf8(item.caption));
                if (item.isField())
                    QCOMPARE(c.background, QColor(192, 255, 255));
                QCOMPARE(c.font.points, item.points);
                QCOMPARE(c.maxLength, item.maxLength);
                QCOMPARE(c.inputMode == InputMode::Hiragana, item.hiragana);
                const Qt::Alignment told[] = {Qt::Alignment(), Qt::AlignLeft, Qt::AlignHCenter,
                                              Qt::AlignRight};
                const Qt::Alignment byKind =
                    item.kind == ItemKind::Integer ? Qt::AlignRight
                    : item.kind == ItemKind::Mark || item.kind == ItemKind::Button
                        ? Qt::AlignHCenter
                        : Qt::AlignLeft;
                QCOMPARE(c.alignment & Qt::AlignHorizontal_Mask,
                         item.align == ItemAlign::Auto ? byKind : told[int(item.align)]);
            }
        }
    }

    // Each section's fields: their places in the file run 1, 2 … among the texts and among
    // the integers; every field has a name for messages; only integers group digits or
    // count toward 計, and section 3 alone has a 計, with its button.
    void description() {
        using sectionframes::ItemKind;
        using sectionframes::Tally;
        for (const SectionFrame& s : sectionframes::all()) {
            QList<int> textPlaces, integerPlaces;
            QMap<Tally, int> tallies;
            for (const sectionframes::FrameItem& item : s.items) {
                ++tallies[item.tally];
                if (!item.isField()) {
                    QVERIFY(item.tally == Tally::None || item.kind == ItemKind::Button);
                    continue;
                }
                QVERIFY2(*item.message, item.name);
                const bool integer = item.kind == ItemKind::Integer;
                (integer ? integerPlaces : textPlaces).append(item.place);
                QVERIFY2(integer || (!item.groupsDigits && item.tally == Tally::None), item.name);
            }
            for (QList<int>* places : {&textPlaces, &integerPlaces}) {
                std::sort(places->begin(), places->end());
                for (qsizetype i = 0; i < places->size(); ++i)
                    QCOMPARE(places->at(i), int(i) + 1);
            }
            const RecordLayout& layout = layouts::section(s.section);
            QCOMPARE(layout.texts.size(), textPlaces.size());
            QCOMPARE(layout.integers.size(), integerPlaces.size());
            const bool employees = s.section == 23;
            QCOMPARE(tallies.value(Tally::Sum), employees ? 1 : 0);
            QCOMPARE(tallies.value(Tally::Button), employees ? 1 : 0);
            QCOMPARE(tallies.value(Tally::Counted), employees ? 5 : 0);
        }
    }

    // What the user can type into a box.
    void limits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("hiragana");
        for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5"})
            QTest::newRow(box) << box << 9 << true;
        QTest::newRow("Text200") << "Text200" << 2 << false;
        QTest::newRow("Text7") << "Text7" << 3 << false;
        QTest::newRow("Text140") << "Text140" << 6 << true;
        QTest::newRow("Text138") << "Text138" << 6 << true;
        QTest::newRow("Text53") << "Text53" << 6 << false;
        QTest::newRow("Text69") << "Text69" << 4 << false;
        QTest::newRow("Text77") << "Text77" << 4 << true;
        QTest::newRow("Text199") << "Text199" << 0 << true;
        QTest::newRow("Text19") << "Text19" << 0 << false;
        QTest::newRow("Text58") << "Text58" << 0 << false;
    }
    void limits() {
        QFETCH(QString, box);
        QFETCH(int, limit);
        QFETCH(bool, hiragana);
        test::SectionsProgram program;
        Screen* form = program.app.screen(screens::sections);
        QCOMPARE(form->control(box).maxLength, limit);
        QCOMPARE(form->control(box).inputMode == InputMode::Hiragana, hiragana);
        const QString longText = QStringLiteral("一二三四五六七八九十一二三");
        form->typeText(box, longText);
        QCOMPARE(form->text(box), limit == 0 ? longText : longText.left(limit));
    }

    // Every section: boxes → saved file, byte for byte → boxes again. The text boxes get
    // "欄" and their number (cut to their limit); the integer boxes the given texts.
    void golden_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<Boxes>("typed");
        QTest::addColumn<Boxes>("shown"); // integer boxes after loading the saved file
        QTest::addColumn<bool>("keepsTyped");
        QTest::newRow("1 事業内容") << 21 << Boxes{} << Boxes{} << false;
        QTest::newRow("2 支店・海外取引状況")
            << 22
            << Boxes{{"Text18", "12"},  {"Text20", "3"}, {"Text24", "1,000"}, {"Text58", "1234"},
                     {"Text28", "2.5"}, {"Text22", ""},  {"Text38", "abc"}}
            << Boxes{{"Text18", "12"}, {"Text20", "3"}, {"Text24", "1000"}, {"Text58", "1,234"},
                     {"Text28", "2"},  {"Text22", "0"}, {"Text38", ""}}
            << true;
        QTest::newRow("3 期末従業員等の状況")
            << 23
            << Boxes{{"Text87", "3"},     {"Text86", "2"},   {"Text89", ""},  {"Text88", "abc"},
                     {"Text91", "1,000"}, {"Text90", "999"}, {"Text92", "1"}, {"Text94", "-2"}}
            << Boxes{{"Text87", "3"},     {"Text86", "2"},     {"Text89", ""},  {"Text88", ""},
                     {"Text91", "1,000"}, {"Text90", "1,005"}, {"Text92", "1"}, {"Text94", "-2"}}
            << false;
        QTest::newRow("4 電子計算機の利用状況")
            << 24 << Boxes{{"Text201", "1,500"}, {"Text230", ""}}
            << Boxes{{"Text201", "1500"}, {"Text230", "0"}} << false;
        QTest::newRow("5 経理の状況")
            << 25 << Boxes{{"Text107", "1500"}} << Boxes{{"Text107", "1,500"}} << false;
        QTest::newRow("6 株主又は株式所有異動の有無") << 26 << Boxes{} << Boxes{} << true;
    }
    void golden() {
        QFETCH(int, section);
        QFETCH(Boxes, typed);
        QFETCH(Boxes, shown);
        QFETCH(bool, keepsTyped);
        const QByteArray golden =
            test::fixture(QStringLiteral("statement/golden%1.txt").arg(section));
        const RecordLayout& layout = layouts::section(section);
        const SectionFrame& frame = sectionframes::forSection(section);

        test::SectionsProgram program;
        SectionsScreen& form = program.handOver(7);
        form.click(name(frame.sectionButton));
        QVERIFY(form.isVisible(name(frame.frame)));
        Boxes texts;
        for (const RecordField& f : layout.texts) {
            form.typeText(f.box, typedText(f.box));
            texts.insert(f.box, form.text(f.box));
        }
        for (const RecordField& f : layout.integers)
            form.typeText(f.box, typed.value(f.box));
        form.click(name(frame.saveButton));
        QVERIFY(program.messages.shown().isEmpty());
        QCOMPARE(program.home.read(fileOf(7, section)), golden);

        // What the boxes show right after the save.
        for (const RecordField& f : layout.integers)
            QCOMPARE(form.text(f.box), keepsTyped ? typed.value(f.box) : shown.value(f.box));

        // "クリア" empties the section's boxes; "ＤＡＴＡ" brings the file back.
        form.click(name(frame.clearButton));
        for (const QList<RecordField>* list : {&layout.texts, &layout.integers})
            for (const RecordField& f : *list)
                QCOMPARE(form.text(f.box), QString());
        form.click(name(frame.dataButton));
        for (const RecordField& f : layout.texts)
            QCOMPARE(form.text(f.box), texts.value(f.box));
        for (const RecordField& f : layout.integers)
            QCOMPARE(form.text(f.box), shown.value(f.box));

        // The same file, brought from elsewhere, shows the same in a new window.
        form.close();
        program.home.write(fileOf(9, section), golden);
        SectionsScreen& other = program.handOver(9);
        other.click(name(frame.sectionButton));
        for (const RecordField& f : layout.texts)
            QCOMPARE(other.text(f.box), texts.value(f.box));
        for (const RecordField& f : layout.integers)
            QCOMPARE(other.text(f.box), shown.value(f.box));
    }

    // 計 sums the five rows; what cannot be read counts as 0 and shows as nothing.
    void employeeTotal() {
        test::SectionsProgram program;
        SectionsScreen& form = program.handOver(7);
        form.click(QStringLiteral("Command3"));
        const QStringList rows{"Text87", "Text86", "Text89", "Text88", "Text91"};
        const QStringList typed{"3", "2", "", "abc", "1,000"};
        for (int i = 0; i < 5; ++i)
            form.typeText(rows.at(i), typed.at(i));
        form.typeText(QStringLiteral("Text90"), QStringLiteral("7"));
        form.click(QStringLiteral("Command24"));
        QCOMPARE(form.text(QStringLiteral("Text90")), QStringLiteral("1,005"));
        QStringList shown;
        for (const QString& row : rows)
            shown.append(form.text(row));
        QCOMPARE(shown, (QStringList{"3", "2", "", "", "1,000"}));

        // The saved 計 is the sum of the saved rows, even over a typed one.
        form.typeText(QStringLiteral("Text90"), QStringLiteral("999"));
        form.click(QStringLiteral("Command7"));
        const QStringList lines = fileLines(program.home.read(fileOf(7, 23)));
        QCOMPARE(lines.mid(9, 6), (QStringList{"3", "2", "0", "0", "1000", "1005"}));
        QCOMPARE(form.text(QStringLiteral("Text90")), QStringLiteral("1,005"));
        QCOMPARE(form.record(23).integers.mid(0, 6), (QList<qint32>{3, 2, 0, 0, 1000, 1005}));
    }

    // A 計 beyond the 32-bit range is refused with a message naming it.
    void employeeTotalTooLarge() {
        test::SectionsProgram program;
        SectionsScreen& form = program.handOver(7);
        form.click(QStringLiteral("Command3"));
        form.typeText(QStringLiteral("Text87"), QStringLiteral("2147483647"));
        form.typeText(QStringLiteral("Text86"), QStringLiteral("1"));
        form.typeText(QStringLiteral("Text90"), QStringLiteral("5"));

        form.click(QStringLiteral("Command24"));
        QCOMPARE(program.messages.shown().size(), 1);
        QVERIFY(program.messages.shown().at(0).text.contains(QStringLiteral("「計」")));
        QCOMPARE(form.text(QStringLiteral("Text90")), QStringLiteral("5"));

        program.messages.clear();
        form.click(QStringLiteral("Command7"));
        QCOMPARE(program.messages.shown().size(), 1);
        QCOMPARE(program.messages.shown().at(0).title, QStringLiteral("登録実行"));
        QVERIFY(program.messages.shown().at(0).text.contains(QStringLiteral("「計」")));
        QVERIFY(!program.home.exists(fileOf(7, 23)));
        QCOMPARE(form.text(QStringLiteral("Text87")), QStringLiteral("2147483647"));
        QCOMPARE(form.text(QStringLiteral("Text90")), QStringLiteral("5"));
    }

    // Section 2 keeps the typed text after saving; "ＤＡＴＡ" shows the grouped amount.
    void branchesKeepWhatWasTyped() {
        test::SectionsProgram program;
        SectionsScreen& form = program.handOver(7);
        form.click(QStringLiteral("Command2"));
        form.typeText(QStringLiteral("Text58"), QStringLiteral("1234"));
        form.click(QStringLiteral("Command6"));
        QCOMPARE(form.text(QStringLiteral("Text58")), QStringLiteral("1234"));
        QCOMPARE(form.text(QStringLiteral("Text18")), QString());
        form.click(QStringLiteral("Command17"));
        QCOMPARE(form.text(QStringLiteral("Text58")), QStringLiteral("1,234"));
        QCOMPARE(form.text(QStringLiteral("Text18")), QStringLiteral("0"));
    }

    // Each section button shows its frame alone. Switching saves nothing: coming back
    // reloads the section's file.
    void switchingSections() {
        test::SectionsProgram program;
        SectionsScreen& form = program.handOver(7);
        const QStringList frames{"Frame1", "Frame2", "Frame3", "Frame5", "Frame4", "Frame6"};
        const QStringList buttons{"Command1", "Command2",  "Command3",
                                  "Command4", "Command11", "Command12"};
        for (int i = 0; i < 6; ++i) {
            form.click(buttons.at(i));
            for (int j = 0; j < 6; ++j)
                QCOMPARE(form.isVisible(frames.at(j)), i == j);
        }

        form.click(QStringLiteral("Command2"));
        form.typeText(QStringLiteral("Text19"), QStringLiteral("大阪"));
        form.click(QStringLiteral("Command6"));
        form.typeText(QStringLiteral("Text19"), QStringLiteral("名古屋"));
        form.typeText(QStringLiteral("Text21"), QStringLiteral("米国"));
        form.click(QStringLiteral("Command3"));
        // Hidden, the boxes keep what was typed until their section is shown again.
        QCOMPARE(form.text(QStringLiteral("Text19")), QStringLiteral("名古屋"));
        form.click(QStringLiteral("Command2"));
        QCOMPARE(form.text(QStringLiteral("Text19")), QStringLiteral("大阪"));
        QCOMPARE(form.text(QStringLiteral("Text21")), QString());
    }

    // Section 1 shows its record when the file cannot be read; the other sections stay
    // empty. Every hand-over starts from empty records, even for the same company.
    void descriptionAfterFailedLoad() {
        test::SectionsProgram program;
        program.home.write(fileOf(7, 21), test::crlfFile({"\"一\"", "\"二\""}));
        SectionsScreen& form = program.handOver(7);
        QCOMPARE(form.text(QStringLiteral("Text1")), QStringLiteral("一"));
        QCOMPARE(form.text(QStringLiteral("Text2")), QStringLiteral("二"));
        QCOMPARE(form.text(QStringLiteral("Text3")), QString());
        QVERIFY(!FileChannel::instance().isOpen());

        // Saved, then the file goes: "ＤＡＴＡ" shows what the record holds.
        form.typeText(QStringLiteral("Text5"), QStringLiteral("五"));
        form.click(QStringLiteral("Command5"));
        QVERIFY(QFile::remove(drivec::hostPath(fileOf(7, 21))));
        form.click(QStringLiteral("Command15"));
        QCOMPARE(form.text(QStringLiteral("Text1")), QStringLiteral("一"));
        QCOMPARE(form.text(QStringLiteral("Text5")), QStringLiteral("五"));

        // Handed over again, the same company without a file shows nothing.
        program.handOver(7);
        for (const char* box : {"Text1", "Text2", "Text5"})
            QCOMPARE(form.text(name(box)), QString());
        QCOMPARE(form.record(21), SectionRecord::emptyFor(layouts::section(21)));
    }

    // A short file of another section shows what it holds, names the file and the
    // first missing line, and blocks nothing.
    void shortFileBlocksNothing() {
        test::SectionsProgram program;
        program.home.write(fileOf(7, 22), test::crlfFile({"\"○\"", "\"米国\"", "\"車\""}));
        SectionsScreen& form = program.handOver(7);
        form.click(QStringLiteral("Command2"));
        QCOMPARE(form.text(QStringLiteral("Text42")), QStringLiteral("○"));
        QCOMPARE(form.text(QStringLiteral("Text53")), QStringLiteral("米国"));
        QCOMPARE(form.text(QStringLiteral("Text40")), QString());
        QCOMPARE(form.record(22).texts.mid(0, 4), (QStringList{"○", "米国", "車", ""}));
        QCOMPARE(program.messages.shown().size(), 1);
        QVERIFY(program.messages.shown().first().text.contains(fileOf(7, 22)));
        QVERIFY(program.messages.shown().first().text.contains(QStringLiteral("4行目")));
        program.messages.clear();
        QVERIFY(!FileChannel::instance().isOpen());

        form.click(QStringLiteral("Command12"));
        form.typeText(QStringLiteral("Text112"), QStringLiteral("○"));
        form.click(QStringLiteral("Command10"));
        QVERIFY(program.messages.shown().isEmpty());
        QVERIFY(program.home.exists(fileOf(7, 26)));
    }

    // A save that cannot write says so and leaves the boxes as typed.
    void saveFailures_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("save");
        QTest::addColumn<QString>("messagePart");
        const QString folder = QStringLiteral("c:\\法人税事業概況書\\概況書\\");
        QTest::newRow("1, no folder") << false << 7 << "Command1"
                                      << "Text1"
                                      << "製造業"
                                      << "Command5" << folder;
        QTest::newRow("3, no folder") << false << 7 << "Command3"
                                      << "Text88"
                                      << "abc"
                                      << "Command7" << folder;
        QTest::newRow("4, outside code page 932") << true << 7 << "Command4"
                                                  << "Text199"
                                                  << "PC😀"
                                                  << "Command9"
                                                  << "機種名";
        QTest::newRow("5, code out of range") << true << 2147484 << "Command11"
                                              << "Text107"
                                              << "1500"
                                              << "Command8"
                                              << "2147484";
    }
    void saveFailures() {
        QFETCH(bool, folder);
        QFETCH(int, code);
        QFETCH(QString, section);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, save);
        QFETCH(QString, messagePart);
        test::SectionsProgram program(folder);
        SectionsScreen& form = program.handOver(code);
        form.click(section);
        form.typeText(box, text);
        form.click(save);
        QCOMPARE(program.messages.shown().size(), 1);
        const MessageBox& message = program.messages.shown().at(0);
        QCOMPARE(message.title, QStringLiteral("登録実行"));
        QCOMPARE(message.icon, MessageBox::Icon::Exclamation);
        QVERIFY2(message.text.contains(messagePart), qPrintable(message.text));
        QCOMPARE(form.text(box), text);
        const QString written = drivec::hostPath(paths::statementFolder());
        QVERIFY(!QFileInfo::exists(written) || QDir(written).isEmpty());
    }

    // A code whose file numbers leave the 32-bit range reads nothing, not even the file
    // of the wrapped-around number.
    void codeOutOfRangeLoadsNothing() {
        test::SectionsProgram program;
        program.home.write(paths::sectionFile(-2147483, 21), test::crlfFile({"\"x\""}));
        SectionsScreen& form = program.handOver(2147484);
        QCOMPARE(form.text(QStringLiteral("Text8")), QStringLiteral("2147484"));
        QCOMPARE(form.text(QStringLiteral("Text1")), QString());
    }

    // "概況書１" on the main menu opens this screen for the company in Text1.
    void mainMenuHandOver() {
        test::SectionsProgram program;
        program.home.write(fileOf(12, 21),
                           test::crlfFile({"\"卸売業\"", "\"\"", "\"\"", "\"\"", "\"小売業\""}));
        Screen* menu = program.app.screen(screens::mainMenu);
        menu->setText(QStringLiteral("Text1"), QStringLiteral(" 12 "));
        menu->click(QStringLiteral("Command15"));
        auto* form = program.app.screenAs<SectionsScreen>(screens::sections);
        QVERIFY(form);
        QVERIFY(form->isShown());
        QCOMPARE(form->text(QStringLiteral("Text8")), QStringLiteral("12"));
        QVERIFY(form->isVisible(QStringLiteral("Frame1")));
        QCOMPARE(form->text(QStringLiteral("Text1")), QStringLiteral("卸売業"));
        QCOMPARE(form->text(QStringLiteral("Text5")), QStringLiteral("小売業"));

        // Closed and opened again: a new window with section 1 in front.
        form->click(QStringLiteral("Command4"));
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        menu->click(QStringLiteral("Command15"));
        form = program.app.screenAs<SectionsScreen>(screens::sections);
        QVERIFY(form->isVisible(QStringLiteral("Frame1")));
        QVERIFY(!form->isVisible(QStringLiteral("Frame5")));
    }
};

QTEST_GUILESS_MAIN(SectionsScreenTest)
#include "sectionsscreentest.moc"
