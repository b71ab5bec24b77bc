// The year's end from the print screen's "次年度繰越" through "翌期更新": the question
// naming both years, the year kept byte for byte with its PDF, the new year's figures
// begun only when the user says so, and what the print screen does with the kept years.
#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "printing/keptyears.h"
#include "printprogram.h"
#include "registry/masterfile.h"
#include "screen/filechooser.h"
#include "statement/newyearfigures.h"
#include "statement/recordscreen.h"
#include "statement/sectionfile.h"
#include "support/pdfwords.h"
#include "support/yearendcompany.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace gaikyo;
using Answer = MessageBox::Answer;

namespace {

using test::yearend::code;
using test::yearend::companyFiles;
using test::yearend::encoded;
using test::yearend::master;
const QString closingYear = QStringLiteral("令和7年4月1日～令和8年3月31日");

SectionRecord load(int section) {
    SectionRecord r = SectionRecord::emptyFor(layouts::section(section));
    sectionfile::load(code, layouts::section(section), r);
    return r;
}

QString fileName(const QString& windowsPath) {
    return windowsPath.mid(windowsPath.lastIndexOf(QLatin1Char('\\')) + 1);
}

QByteArray readHost(const QString& hostPath) {
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The company's files written, its print screen open.
struct YearEndProgram : test::PrintProgram {
    QMap<QString, QByteArray> before = companyFiles();

    YearEndProgram() {
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            home.write(it.key(), it.value());
    }

    // "次年度繰越", then "翌期更新" with the answers given.
    void roll(const QList<Answer>& answers) {
        PrintScreen& print = open();
        print.click(QStringLiteral("Command18"));
        Screen* registration = app.existing(screens::registration);
        QVERIFY(registration && registration->isShown());
        QCOMPARE(registration->text(QStringLiteral("Text3")), QStringLiteral("株式会社見本"));
        for (Answer answer : answers)
            messages.answerNext(answer);
        registration->click(QStringLiteral("Command13"));
    }

    QString keptFolder(const QString& name = closingYear) const {
        return paths::keptYearsFolder(code) + name + QLatin1Char('\\');
    }
};

} // namespace

class YearEndTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roll_data() {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("rolled");
        QTest::addColumn<bool>("begun");
        QTest::newRow("いいえ to the roll") << QList<Answer>{Answer::No} << false << false;
        QTest::newRow("はい, いいえ to the new figures")
            << QList<Answer>{Answer::Yes, Answer::No} << true << false;
        QTest::newRow("はい, はい to the new figures")
            << QList<Answer>{Answer::Yes, Answer::Yes} << true << true;
    }
    void roll() {
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, rolled);
        QFETCH(bool, begun);
        YearEndProgram p;
        // What 「PDFに保存」 makes of the year before the roll, to hold the kept PDF to.
        const QString savedPdf = p.home.path() + QStringLiteral("/saved.pdf");
        const filechooser::Handler previous = filechooser::install(
            [&savedPdf](const filechooser::SaveRequest&) { return std::optional(savedPdf); });
        p.open().click(QStringLiteral("Command21"));
        filechooser::install(previous);
        p.messages.clear();

        p.roll(answers);

        // The question names both years in their era, old before new.
        const QList<MessageBox>& shown = p.messages.shown();
        QCOMPARE(shown.size(), answers.size());
        QCOMPARE(shown.first().title, QStringLiteral("翌期更新"));
        QCOMPARE(shown.first().buttons, MessageBox::Buttons::YesNo);
        QVERIFY(shown.first().noByDefault);
        QVERIFY2(shown.first().text.startsWith(
                     closingYear +
                     QStringLiteral(
                         " を\n令和8年4月1日～令和9年3月31日 に更新します。よろしいですか？")),
                 qPrintable(shown.first().text));

        if (!rolled) {
            for (auto it = p.before.cbegin(); it != p.before.cend(); ++it)
                QCOMPARE(p.home.read(it.key()), it.value());
            QVERIFY(!QFileInfo::exists(drivec::hostPath(paths::keptYearsFolder(code))));
            QVERIFY(p.app.existing(screens::registration)->isShown());
            return;
        }

        // The new year in the master file, the rest of it as it was.
        CompanyRecord company;
        QVERIFY(masterfile::read(code, 15, company));
        QCOMPARE((QList<qint32>{company.startYear, company.startMonth, company.startDay,
                                company.endYear, company.endMonth, company.endDay}),
                 (QList<qint32>{38, 4, 1, 39, 3, 31}));
        QCOMPARE(company.name, QStringLiteral("株式会社見本"));
        // The print screen the roll started from shows the new year.
        Screen* print = p.app.existing(screens::print);
        QCOMPARE(print->text(QStringLiteral("Text13")), QStringLiteral("8"));
        QCOMPARE(print->text(QStringLiteral("Text17")), QStringLiteral("9"));

        // The year kept: every file byte for byte as before the roll, and its PDF.
        const QString kept = p.keptFolder();
        QDir keptDir(drivec::hostPath(kept));
        QVERIFY(keptDir.exists());
        for (auto it = p.before.cbegin(); it != p.before.cend(); ++it)
            QCOMPARE(readHost(keptDir.filePath(fileName(it.key()))), it.value());
        const QStringList pdfs = keptDir.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QCOMPARE(pdfs, QStringList{QStringLiteral("7_株式会社見本_FB1005.pdf")});
        QCOMPARE(keptDir.entryList(QDir::Files).size(), p.before.size() + 1);
        const QByteArray pdf = readHost(keptDir.filePath(pdfs.first()));
        QCOMPARE(test::pdfPageCount(pdf), 2);
        const QList<test::PdfWord> keptWords = test::pdfWords(pdf);
        QVERIFY(test::hasWordAt(keptWords, 1, QStringLiteral("株式会社見本"), 26, 34, 1));
        // Word for word where 「PDFに保存」 put them before the roll.
        const QList<test::PdfWord> savedWords = test::pdfWords(readHost(savedPdf));
        QCOMPARE(keptWords.size(), savedWords.size());
        for (qsizetype i = 0; i < keptWords.size(); ++i) {
            QCOMPARE(keptWords.at(i).page, savedWords.at(i).page);
            QCOMPARE(keptWords.at(i).text, savedWords.at(i).text);
            QVERIFY(qAbs(keptWords.at(i).x - savedWords.at(i).x) < 0.01);
            QVERIFY(qAbs(keptWords.at(i).y - savedWords.at(i).y) < 0.01);
        }

        // Where it went, then the question about the new year's figures.
        const MessageBox& figures = shown.last();
        QCOMPARE(figures.title, QStringLiteral("翌期更新"));
        QVERIFY(figures.noByDefault);
        QVERIFY2(figures.text.contains(QDir::toNativeSeparators(drivec::hostPath(kept))),
                 qPrintable(figures.text));
        QVERIFY(figures.text.contains(QStringLiteral("新しい年度の数字の入力を始めますか？")));

        // The standing facts and the month order stay whatever the answer.
        for (int section : {21, 22, 23, 24, 25, 26, 40, 50})
            QCOMPARE(p.home.exists(paths::sectionFile(code, section)),
                     p.before.contains(paths::sectionFile(code, section)));
        for (const QString& file : {paths::sectionFile(code, 21), paths::sectionFile(code, 26),
                                    paths::sectionFile(code, 40), paths::sectionFile(code, 50),
                                    paths::monthOrderFile(code)})
            QCOMPARE(p.home.read(file), p.before.value(file));

        const SectionRecord accounts = load(30), table = load(60);
        if (!begun) {
            QCOMPARE(p.home.read(paths::sectionFile(code, 30)),
                     p.before.value(paths::sectionFile(code, 30)));
            QCOMPARE(p.home.read(paths::sectionFile(code, 60)),
                     p.before.value(paths::sectionFile(code, 60)));
            return;
        }
        // Items 7 and 10 empty, 8 and 9 as ticked.
        for (int field = 1; field <= 42; ++field)
            QCOMPARE(accounts.integers.at(field - 1), 0);
        QCOMPARE(accounts.integers.mid(42), (QList<qint32>{1, 0, 0, 0, 0, 1}));
        // 前期の実績 is last year's 計; the months and 計 are empty; headings and item 18
        // stay.
        SectionRecord last = SectionRecord::emptyFor(layouts::section(60));
        QVERIFY(sectionfile::decode(p.before.value(paths::sectionFile(code, 60)),
                                    layouts::section(60), last) > 0);
        for (int column = 1; column <= 9; ++column) {
            QCOMPARE(table.integers.at(monthlytable::cell(14, column) - 1),
                     last.integers.at(monthlytable::cell(13, column) - 1));
            for (int row = 1; row <= 13; ++row)
                QCOMPARE(table.integers.at(monthlytable::cell(row, column) - 1), 0);
        }
        QCOMPARE(table.texts, last.texts);
    }

    // A kept year is never written over: the same year kept again with other files keeps
    // both; with the same files it is the one already kept.
    void keptYearsAreNeverOverwritten() {
        YearEndProgram p;
        p.roll({Answer::Yes, Answer::No});
        const QString first = drivec::hostPath(p.keptFolder());
        QVERIFY(QDir(first).exists());
        QCOMPARE(QDir(first).entryList(QDir::Files).size(), p.before.size() + 1);

        // The year put back by hand and rolled again, its files as they were: nothing new.
        p.home.write(paths::masterFile(code), master());
        p.roll({Answer::Yes, Answer::No});
        QCOMPARE(QDir(drivec::hostPath(paths::keptYearsFolder(code)))
                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{closingYear});
        QVERIFY2(p.messages.shown().last().text.contains(QDir::toNativeSeparators(first)),
                 qPrintable(p.messages.shown().last().text));

        // Once more with another figure: a second folder, the first untouched.
        p.home.write(paths::masterFile(code), master());
        SectionRecord accounts = load(30);
        accounts.integers[0] = 1;
        p.home.write(paths::sectionFile(code, 30), encoded(30, accounts));
        p.roll({Answer::Yes, Answer::No});
        const QString second = drivec::hostPath(p.keptFolder(closingYear + QStringLiteral(" (2)")));
        QCOMPARE(readHost(second + QStringLiteral("/7030.txt")), encoded(30, accounts));
        for (auto it = p.before.cbegin(); it != p.before.cend(); ++it)
            QCOMPARE(readHost(first + u'/' + fileName(it.key())), it.value());
    }

    // A year whose files cannot all be read is not kept, and not rolled.
    void unreadableFileStopsTheRoll_data() {
        QTest::addColumn<bool>("occupied");
        QTest::newRow("a folder in a file's place") << false;
        QTest::newRow("the file channel occupied") << true;
    }
    void unreadableFileStopsTheRoll() {
        QFETCH(bool, occupied);
        YearEndProgram p;
        QVERIFY(QFile::remove(drivec::hostPath(paths::sectionFile(code, 40))));
        QVERIFY(QDir().mkdir(drivec::hostPath(paths::sectionFile(code, 40))));
        if (occupied) {
            QVERIFY(QDir().rmdir(drivec::hostPath(paths::sectionFile(code, 40))));
            p.home.write(paths::sectionFile(code, 40),
                         p.before.value(paths::sectionFile(code, 40)));
            p.open().click(QStringLiteral("Command18"));
            // A file left open reads every other file as missing: nothing would be kept.
            FileChannel::instance().occupyForTest(paths::sectionFile(code, 21));
            p.messages.answerNext(Answer::Yes);
            p.app.existing(screens::registration)->click(QStringLiteral("Command13"));
            FileChannel::instance().close();
        } else {
            p.roll({Answer::Yes});
        }
        QCOMPARE(p.messages.shown().size(), 2);
        QVERIFY(p.messages.shown().last().text.contains(QStringLiteral("翌期更新はしていません")));
        QCOMPARE(p.home.read(paths::masterFile(code)), master());
        QVERIFY(QDir(drivec::hostPath(paths::keptYearsFolder(code)))
                    .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                    .isEmpty());
    }

    // The print screen lists the kept years, opens a kept PDF with the desktop's viewer
    // and prints a kept year again from its own files.
    void printScreenKeptYears() {
        YearEndProgram p;
        p.roll({Answer::Yes, Answer::Yes});
        auto& print = *qobject_cast<PrintScreen*>(p.app.existing(screens::print));
        QCOMPARE(print.items(QStringLiteral("List1")), QStringList{closingYear});
        QCOMPARE(print.selectedRow(QStringLiteral("List1")), 0);

        print.click(QStringLiteral("Command23"));
        QCOMPARE(p.platform.opened.size(), 1);
        const QUrl opened(p.platform.opened.first());
        QVERIFY(opened.isLocalFile());
        QCOMPARE(QFileInfo(opened.toLocalFile()).canonicalFilePath(),
                 QFileInfo(drivec::hostPath(p.keptFolder()) + u'/' +
                           QStringLiteral("7_株式会社見本_FB1005.pdf"))
                     .canonicalFilePath());

        // The new year's files hold no figures; the kept year prints last year's.
        p.printers.jobs.clear();
        print.click(QStringLiteral("Command24"));
        QCOMPARE(p.printers.jobs.size(), 2);
        QVERIFY(!p.printers.jobs.at(0).filter(QStringLiteral("\"建設業（土木工事）\"")).isEmpty());
        QVERIFY(!p.printers.jobs.at(1).filter(QStringLiteral("公共工事が増えた")).isEmpty());
        // Printing a kept year asks nothing and says nothing.
        QCOMPARE(p.messages.shown().size(), 2);

        // Another company has no kept years; both buttons say so.
        p.home.write(paths::masterFile(8), test::companyMaster());
        PrintScreen& other = p.open(QStringLiteral("8"));
        QVERIFY(other.items(QStringLiteral("List1")).isEmpty());
        other.click(QStringLiteral("Command23"));
        other.click(QStringLiteral("Command24"));
        QCOMPARE(p.messages.shown().size(), 4);
        QVERIFY(p.messages.shown().last().text.contains(QStringLiteral("年度の控えがありません")));
        QCOMPARE(p.platform.opened.size(), 1);
        QCOMPARE(p.printers.jobs.size(), 2);
    }

    // 印刷前の確認 names the items whose figures are last year's, cell for cell.
    void sameAsLastYear_data() {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("typed"); // a first figure of the new year, in 売上
        QTest::addColumn<QStringList>("named");
        const QStringList both{QStringLiteral("【7 主要科目】前年と同じ数字です。"),
                               QStringLiteral("【17 月別の売上高等の状況】前年と同じ数字です。")};
        QTest::newRow("figures left as they were")
            << QList<Answer>{Answer::Yes, Answer::No} << QString() << both;
        QTest::newRow("one figure of item 7 changed")
            << QList<Answer>{Answer::Yes, Answer::No} << QStringLiteral("2,000") << both.mid(1);
        QTest::newRow("new figures begun")
            << QList<Answer>{Answer::Yes, Answer::Yes} << QString() << QStringList{};
        QTest::newRow("new figures begun, the first typed")
            << QList<Answer>{Answer::Yes, Answer::Yes} << QStringLiteral("2,000") << QStringList{};
    }
    void sameAsLastYear() {
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, typed);
        QFETCH(QStringList, named);
        YearEndProgram p;
        p.roll(answers);
        if (!typed.isEmpty()) {
            p.app.open(screens::mainAccounts, code);
            auto* accounts = qobject_cast<RecordScreen*>(p.app.existing(screens::mainAccounts));
            accounts->typeText(QStringLiteral("Text1"), typed);
            accounts->click(RecordScreen::saveButton);
        }
        PrintScreen& print = p.open();
        p.checks.answerNext(false);
        print.click(QStringLiteral("Command22")); // 印刷プレビュー: both pages
        QStringList found;
        for (const checklist::Request& request : p.checks.shown())
            for (const QString& line : request.lines)
                for (const QString& item :
                     {QStringLiteral("【7 主要科目】前年と同じ数字です。"),
                      QStringLiteral("【17 月別の売上高等の状況】前年と同じ数字です。")})
                    if (line.startsWith(item)) {
                        found.append(item);
                        QVERIFY(line.contains(closingYear));
                    }
        QCOMPARE(found, named);
    }

#ifdef Q_OS_UNIX
    // The new year's figures change both files or neither: when file 60 cannot be written
    // (here a disk that takes no file as long as it), file 30 is put back as it was.
    void newFiguresBothOrNeither() {
        YearEndProgram p;
        // Item 18 written out at length makes file 60 the longest by far.
        SectionRecord table = load(60);
        for (int line = 6; line <= 8; ++line)
            table.texts[line] = QString(45, QChar(0x3042));
        const QByteArray table60 = encoded(60, table);
        p.home.write(paths::sectionFile(code, 60), table60);
        const QByteArray accounts30 = p.before.value(paths::sectionFile(code, 30));
        const qsizetype newTable = encoded(60, newyearfigures::monthlyTable(table)).size();
        const qsizetype limit =
            qMax(accounts30.size(), encoded(30, newyearfigures::mainAccounts(load(30))).size()) + 1;
        QVERIFY(limit < newTable);

        Status started;
        {
            rlimit old{};
            getrlimit(RLIMIT_FSIZE, &old);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit limited = old;
            limited.rlim_cur = rlim_t(limit);
            setrlimit(RLIMIT_FSIZE, &limited);
            started = newyearfigures::start(code);
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
        }
        QVERIFY(!started.ok());
        // File 30 was written, file 60 was not, and file 30 went back.
        QVERIFY2(started.message().contains(QStringLiteral("7060.txt")) &&
                     started.message().contains(QStringLiteral("新しい年度の数字は始めていません")),
                 qPrintable(started.message()));
        QCOMPARE(p.home.read(paths::sectionFile(code, 30)), accounts30);
        QCOMPARE(p.home.read(paths::sectionFile(code, 60)), table60);
    }
#endif

    // Screens open on the company's old figures show the new year's once begun.
    void openScreensFollow() {
        YearEndProgram p;
        p.app.open(screens::mainAccounts, code);
        Screen* accounts = p.app.existing(screens::mainAccounts);
        QCOMPARE(accounts->text(QStringLiteral("Text1")), QStringLiteral("1,007"));
        p.roll({Answer::Yes, Answer::Yes});
        QCOMPARE(accounts->text(QStringLiteral("Text1")), QString());
        QCOMPARE(accounts->text(QStringLiteral("Text44")), QStringLiteral("○"));
    }
};

QTEST_MAIN(YearEndTest)
#include "yearendtest.moc"
