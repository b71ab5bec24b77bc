#include "form/formpictures.h"
#include "printing/paintersurface.h"
#include "printprogram.h"
#include "screen/filechooser.h"
#include "support/pdfwords.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
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

    // A preview draws the page picture at screen resolution in grey, from the shared
    // one-bit page; pages for paper keep the picture as it is.
    void pictureResolution_data() {
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<QString>("image");
        QTest::newRow("as it is") << 0 << QStringLiteral("2481 3507 1");
        QTest::newRow("preview") << 150 << QStringLiteral("1240 1753 8");
    }
    void pictureResolution() {
        QFETCH(int, dotsPerInch);
        QFETCH(QString, image);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            writer.setPageSize(QPageSize(QPageSize::A4));
            PainterSurface surface(writer);
            surface.setPictureDotsPerInch(dotsPerInch);
            QVERIFY(surface.drawPicture(formpictures::frontPage(), QRectF(0, 0, 210, 291)));
            QVERIFY(surface.endDocument());
        }
        static const QRegularExpression imageDictionary(
            QStringLiteral("/Subtype\\s*/Image[^>]*/Width\\s+(\\d+)[^>]*/Height\\s+(\\d+)[^>]*/"
                           "BitsPerComponent\\s+(\\d+)"));
        const QRegularExpressionMatch found =
            imageDictionary.match(QString::fromLatin1(pdf.data()));
        QVERIFY(found.hasMatch());
        QCOMPARE(QStringList({found.captured(1), found.captured(2), found.captured(3)}).join(u' '),
                 image);
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
