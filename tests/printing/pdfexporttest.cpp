#include "printprogram.h"
#include "screen/filechooser.h"
#include "support/pdfwords.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

using namespace gaikyo;

namespace {

// Company 7 with a date of 決済日 and a monthly sales figure, and the save dialog answered.
struct Program : test::PrintProgram {
    QList<filechooser::SaveRequest> asked;
    std::optional<QString> answer;
    filechooser::Handler previous;

    Program() {
        home.write(paths::masterFile(7), test::companyMaster(QString(), QStringLiteral("山田")));
        QStringList settlement(43, QStringLiteral("\"\""));
        settlement[4] = QStringLiteral("\"末日\"");
        home.write(paths::sectionFile(7, 50), test::crlfFile(settlement));
        QStringList table(135, QStringLiteral("0"));
        for (int i = 0; i < 9; ++i)
            table[i] = QStringLiteral("\"\"");
        table[9] = QStringLiteral("1234");
        home.write(paths::sectionFile(7, 60), test::crlfFile(table));
        previous = filechooser::install([this](const filechooser::SaveRequest& request) {
            asked.append(request);
            return answer;
        });
    }
    ~Program() { filechooser::install(previous); }
};

} // namespace

class PdfExportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Both pages as the A4 prints draw them: the words where the A4 layout puts them.
    void savesBothPages() {
        Program p;
        PrintScreen& screen = p.open();
        screen.setText(QStringLiteral("Text7"), QStringLiteral("5")); // offsets play no part
        const QString path = p.home.path() + QStringLiteral("/out.pdf");
        p.answer = path;
        screen.click(QStringLiteral("Command21"));
        QVERIFY(p.messages.shown().isEmpty());
        QCOMPARE(p.asked.size(), 1);
        QVERIFY(
            p.asked.first().suggestedPath.endsWith(QStringLiteral("/7_株式会社見本_FB1005.pdf")));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY2(pdf.size() < 800 * 1024, qPrintable(QString::number(pdf.size())));
        QCOMPARE(test::pdfPageCount(pdf), 2);
        const QList<test::PdfWord> words = test::pdfWords(pdf);
        QVERIFY(test::hasWordAt(words, 1, QStringLiteral("株式会社見本"), 26, 34));
        QVERIFY(test::hasWordAt(words, 1, QStringLiteral("東京都"), 26, 45));
        QVERIFY(test::hasWordAt(words, 2, QStringLiteral("末日"), 94, 89));
        QVERIFY(test::hasWordAt(words, 2, QStringLiteral("4"), 21 + 2.1, 173, 1.0));
        if (qEnvironmentVariableIsSet("GAIKYO_KEEP_PDF"))
            QFile::copy(path, qEnvironmentVariable("GAIKYO_KEEP_PDF"));
    }

    void cancelledDialogWritesNothing() {
        Program p;
        p.open().click(QStringLiteral("Command21"));
        QCOMPARE(p.asked.size(), 1);
        QVERIFY(p.messages.shown().isEmpty());
    }

    void unwritablePlaceIsTold() {
        Program p;
        p.answer = p.home.path() + QStringLiteral("/no/such/folder/out.pdf");
        p.open().click(QStringLiteral("Command21"));
        QCOMPARE(p.messages.shown().size(), 1);
        QCOMPARE(p.messages.shown().first().title, QStringLiteral("PDFに保存"));
    }
};

QTEST_MAIN(PdfExportTest)
#include "pdfexporttest.moc"
