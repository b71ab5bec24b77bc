// The books of two invented companies, exported in every shape the import reads, each
// through the real import: every box of the screen against the figure the books give it
// (tests/books/makecompanies.py writes the files and those figures).
#include "bookimporttestsupport.h"

#include "statement/mainaccountsscreen.h"
#include "statement/monthlytablescreen.h"

#include <QDate>
#include <QDir>
#include <QTest>

using namespace gaikyo;

namespace {

const QString companies = QStringLiteral(GAIKYO_TEST_DATA "/bookimport/companies");

struct Case {
    QString screen;
    int start = 4;
    QString file;
    QMap<QString, QString> boxes;
    QStringList unmapped;
    QStringList notes;
    QDate end; // the last month of the business year; invalid: the test company's
    bool answerWithGuess = false; // a column question is answered with the program's guess
};

Case readCase(const QString& folder) {
    QFile file(folder + QStringLiteral("/expected.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no %s", qPrintable(file.fileName()));
    Case c;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const QString value = line.section(QLatin1Char('='), 1);
        if (key == QStringLiteral("screen"))
            c.screen = value == QStringLiteral("mainAccounts") ? screens::mainAccounts
                                                               : screens::monthlyTable;
        else if (key == QStringLiteral("start"))
            c.start = value.toInt();
        else if (key == QStringLiteral("file"))
            c.file = value;
        else if (key == QStringLiteral("unmapped"))
            c.unmapped.append(value);
        else if (key == QStringLiteral("note"))
            c.notes.append(value);
        else if (key == QStringLiteral("end"))
            c.end = QDate::fromString(value + QStringLiteral("-01"), Qt::ISODate);
        else if (key == QStringLiteral("columns"))
            c.answerWithGuess = value == QStringLiteral("guess");
        else
            c.boxes.insert(key, value);
    }
    return c;
}

} // namespace

class CompaniesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachExport_data() {
        QTest::addColumn<QString>("folder");
        const QStringList cases =
            QDir(companies).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY(cases.size() >= 12);
        for (const QString& name : cases)
            QTest::newRow(qPrintable(name)) << companies + QLatin1Char('/') + name;
    }
    // Every box right, nothing said to disagree, the accounts that go nowhere listed.
    void eachExport() {
        QFETCH(QString, folder);
        const Case c = readCase(folder);
        test::ImportProgram program(c.start);
        if (c.end.isValid())
            program.setBusinessYear(c.end);
        int questions = 0;
        columnchoice::Handler before;
        if (c.answerWithGuess)
            before = columnchoice::install([&questions](const columnchoice::Request& r) {
                ++questions;
                return columnchoice::Answer{true, r.guess};
            });
        RecordScreen& screen = program.handOver(c.screen, 7);
        QFile books(folder + QLatin1Char('/') + c.file);
        QVERIFY(books.open(QIODevice::ReadOnly));
        program.offerFile(books.readAll(), c.file);
        const bool accounts = c.screen == screens::mainAccounts;
        screen.click(accounts ? MainAccountsScreen::importButton
                              : MonthlyTableScreen::importButton);
        for (const MessageBox& box : program.messages.shown())
            qWarning("%s", qPrintable(box.text));
        if (c.answerWithGuess) {
            columnchoice::install(before);
            QCOMPARE(questions, 1);
        }
        QCOMPARE(program.messages.shown().size(), 0);
        QCOMPARE(program.answers.confirmations.size(), 1);
        const importconfirmation::Request& asked = program.answers.confirmations.first();

        int toFill = 0;
        int right = 0;
        QStringList wrong;
        for (int i = 1; i <= (accounts ? 42 : 126); ++i) {
            const QString box = test::box(i);
            const QString want = c.boxes.value(box);
            const QString got = screen.text(box);
            toFill += want.isEmpty() ? 0 : 1;
            if (got == want)
                right += want.isEmpty() ? 0 : 1;
            else
                wrong.append(QStringLiteral("%1 %2 (expected %3)").arg(box, got, want));
        }
        qInfo("%s: %d of %d boxes right", qPrintable(QDir(folder).dirName()), right, toFill);
        if (!wrong.isEmpty())
            qInfo("notes: %s", qPrintable(asked.notes.join(u'\n')));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
        QVERIFY2(asked.disagreements.isEmpty(), qPrintable(asked.disagreements.join(u'\n')));
        if (asked.unmapped != c.unmapped)
            qInfo("unmapped: %s", qPrintable(asked.unmapped.join(u'|')));
        QCOMPARE(asked.unmapped, c.unmapped);
        for (const QString& note : c.notes)
            QVERIFY2(asked.notes.join(u'\n').contains(note), qPrintable(asked.notes.join(u'\n')));
    }
};

QTEST_MAIN(CompaniesTest)
#include "companiestest.moc"
