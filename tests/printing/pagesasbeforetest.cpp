// Entries that fit their boxes print exactly as they always have: the four prints of a
// company whose every entry fits make, byte for byte, the PDF these prints made before
// any entry could be drawn narrower (tests/data/printing/fitting-pages.pdf). The PDF's
// creation date differs from run to run and is blanked on both sides.
// On Windows the page contents must match to within 0.1 mm.
// GAIKYO_WRITE_PDF=<path> writes the PDF made now, to look at or to compare.
#include "fakeprintdata.h"
#include "form/formpictures.h"
#include "printing/pageprinter.h"
#include "printing/pdfexport.h"
#include "printing/recordingsurface.h"
#include "screen/fonts.h"
#include "support/samplecompany.h"
#include "support/testhome.h"

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace gaikyo;

namespace {

// A company as an accountant fills it in: every kind of entry, each within its box.
test::FakeData company() {
    test::FakeData d;
    d.namedTexts = false;
    d.record = test::sampleCompany();
    const struct {
        int section, field;
        const char* text;
    } texts[] = {
        {21, 1, "建設業（土木工事）"},
        {21, 2, "住宅の設計・施工"},
        {21, 3, "公共工事の下請"},
        {22, 2, "中国"},
        {22, 3, "建築資材"},
        {22, 4, "韓国"},
        {22, 5, "工具"},
        {22, 6, "○"},
        {22, 8, "○"},
        {22, 16, "大阪市"},
        {22, 17, "タイ"},
        {22, 18, "ベトナム"},
        {22, 19, "○"},
        {22, 20, "○"},
        {23, 1, "事務員"},
        {23, 2, "技術者"},
        {23, 3, "作業員"},
        {23, 4, "パート"},
        {23, 5, "○"},
        {23, 9, "○"},
        {24, 1, "○"},
        {24, 3, "○"},
        {24, 8, "○"},
        {24, 9, "○"},
        {24, 10, "○"},
        {24, 14, "○"},
        {24, 17, "ＰＣ"},
        {24, 18, "会計王"},
        {24, 19, "山田会計"},
        {24, 20, "○"},
        {24, 26, "○"},
        {25, 1, "山田花子"},
        {25, 2, "山田一郎"},
        {25, 3, "○"},
        {25, 6, "○"},
        {25, 7, "○"},
        {25, 10, "○"},
        {25, 11, "○"},
        {25, 16, "○"},
        {25, 20, "○"},
        {26, 2, "○"},
        {40, 1, "不動産賃貸"},
        {40, 2, "5"},
        {40, 7, "公共工事が中心"},
        {40, 8, "冬季は受注が減る"},
        {40, 14, "事務所（自社所有）"},
        {40, 15, "重機　３台"},
        {40, 26, "10"},
        {40, 27, "90"},
        {50, 1, "末日"},
        {50, 2, "20日"},
        {50, 4, "末日"},
        {50, 5, "翌月末"},
        {50, 6, "翌月10日"},
        {50, 8, "翌月25日"},
        {50, 9, "総勘定元帳"},
        {50, 10, "仕訳帳"},
        {50, 16, "売掛帳"},
        {50, 23, "佐藤次郎"},
        {50, 24, "東京都中央区1-2-3"},
        {50, 25, "03-9876-5432"},
        {50, 26, "建設業協会"},
        {50, 27, "会員"},
        {50, 30, "9"},
        {50, 31, "00"},
        {50, 32, "18"},
        {50, 33, "00"},
        {50, 34, "日"},
        {50, 36, "○"},
        {50, 37, "○"},
        {60, 1, "国内"},
        {60, 2, "海外"},
        {60, 3, "国内"},
        {60, 4, "海外"},
        {60, 6, "外注"},
        {60, 7, "公共工事の受注が増え、前期より売上が伸びた。"},
        {60, 8, "資材の値上がりで利益率は下がった。"},
    };
    for (const auto& t : texts)
        d.texts[{t.section, t.field}] = QString::fromUtf8(t.text);
    const struct {
        int section, field;
        qint32 value;
    } integers[] = {
        {22, 21, 3},     {22, 22, 1},     {22, 23, 1},     {22, 24, 12000}, {22, 25, 60},
        {22, 27, 5000},  {23, 10, 2},     {23, 11, 3},     {23, 12, 8},     {23, 13, 12},
        {23, 14, 4},     {23, 15, 29},    {23, 16, 2},     {23, 17, 4},     {24, 29, 30},
        {24, 30, 50},    {25, 25, 98765}, {30, 1, 98765},  {30, 3, 70000},  {30, 11, 28765},
        {30, 12, 12000}, {30, 17, -3500}, {30, 19, -4100}, {30, 20, 65000}, {30, 21, 12000},
        {30, 29, 30000}, {30, 30, 40000}, {30, 35, 25000}, {30, 36, 9600},  {30, 39, 1500},
        {30, 43, 1},     {30, 46, 1},     {30, 48, 1},
    };
    for (const auto& i : integers)
        d.integers[{i.section, i.field}] = i.value;
    // The monthly table: every column, the 計 row and 前期の実績 included.
    const qint32 widest[] = {99999, 9999, 99999, 9999, 9999, 9999, 999999, 999, 99};
    for (int column = 1; column <= 9; ++column)
        for (int row = 1; row <= 14; ++row)
            d.integers[{60, 10 + (column - 1) * 14 + (row - 1)}] =
                row == 7 ? widest[column - 1] : row * 7 + column;
    return d;
}

// The four prints in the preview's order: both sides on the official sheet (moved by
// offsets) and on A4 under the pictures.
QByteArray fourPrints(const test::FakeData& data, PrintSurface* recording = nullptr) {
    const auto draw = [&](PrintSurface& surface) {
        QList<std::optional<qint32>> months;
        for (int m : {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3})
            months.append(m);
        for (const bool front : {true, false})
            for (const auto sheet : {PagePrinter::Sheet::Official, PagePrinter::Sheet::A4}) {
                PagePrinter printer(surface, data, sheet, PrintOffsets{3, -2});
                printer.setReferenceNumber(12345);
                printer.setMonths(months);
                const bool ok = front ? printer.printFront(formpictures::frontPage())
                                      : printer.printBack(formpictures::backPage());
                if (!ok)
                    return false;
            }
        return true;
    };
    if (recording)
        return draw(*recording) ? QByteArray("recorded") : QByteArray();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pages.pdf"));
    if (!writePdf(path, QStringLiteral("FB1005"), 4, draw).ok())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The PDF with its creation date made constant, every length kept.
QByteArray blanked(QByteArray pdf) {
    static const QRegularExpression date(QStringLiteral("/CreationDate \\(D:([^)]*)\\)"));
    const QRegularExpressionMatch match = date.match(QString::fromLatin1(pdf));
    if (match.hasMatch())
        pdf.replace(match.capturedStart(1), match.capturedLength(1),
                    QByteArray(match.capturedLength(1), '0'));
    return pdf;
}

#ifdef Q_OS_WIN
// Every stream of a PDF (page contents, fonts, pictures), inflated where it is compressed.
QList<QByteArray> streams(const QByteArray& pdf) {
    QList<QByteArray> found;
    for (qsizetype at = pdf.indexOf("stream"); at >= 0; at = pdf.indexOf("stream", at)) {
        if (at >= 3 && pdf.mid(at - 3, 3) == "end") {
            at += 6;
            continue;
        }
        qsizetype begin = at + 6;
        if (pdf.mid(begin, 1) == "\r")
            ++begin;
        ++begin; // the line feed
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (end < 0)
            break;
        const QByteArray raw = pdf.mid(begin, end - begin);
        const quint32 hint = quint32(raw.size()) * 8;
        QByteArray sized(4, '\0');
        for (int i = 0; i < 4; ++i)
            sized[i] = char(hint >> (24 - 8 * i));
        const QByteArray inflated = qUncompress(sized + raw);
        found.append(inflated.isEmpty() ? raw : inflated);
        at = end + 9;
    }
    return found;
}

// The same streams, where numbers may differ by two units of the page's drawing (0.12 pt
// each, so 0.085 mm): Windows' font engine measures a few advances a little differently,
// which moves a right-aligned amount by a few hundredths of a millimetre.
QString sameWithinTwoUnits(const QByteArray& pdf, const QByteArray& before) {
    const QList<QByteArray> now = streams(pdf);
    const QList<QByteArray> then = streams(before);
    if (now.size() != then.size())
        return QStringLiteral("%1 streams, before %2").arg(now.size()).arg(then.size());
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (now.at(i) == then.at(i))
            continue;
        const QList<QByteArray> a = now.at(i).simplified().split(' ');
        const QList<QByteArray> b = then.at(i).simplified().split(' ');
        if (a.size() != b.size())
            return QStringLiteral("stream %1 has %2 words, before %3")
                .arg(i)
                .arg(a.size())
                .arg(b.size());
        for (qsizetype w = 0; w < a.size(); ++w) {
            bool isNumber = false, wasNumber = false;
            const double x = a.at(w).toDouble(&isNumber), y = b.at(w).toDouble(&wasNumber);
            if (a.at(w) != b.at(w) && !(isNumber && wasNumber && qAbs(x - y) <= 2.0))
                return QStringLiteral("stream %1, word %2: %3, before %4")
                    .arg(i)
                    .arg(w)
                    .arg(QString::fromLatin1(a.at(w)), QString::fromLatin1(b.at(w)));
        }
    }
    return {};
}
#endif

} // namespace

class PagesAsBeforeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fonts::installSubstitutes(); }

    // The company's entries all fit: every one prints as designed.
    void nothingShrinks() {
        RecordingSurface recording;
        QVERIFY(!fourPrints(company(), &recording).isEmpty());
        const QStringList scaled = recording.operations().filter(
            QRegularExpression(QStringLiteral("^text .*\"\\S* \\S+pt \\S+%")));
        QVERIFY2(scaled.isEmpty(), qPrintable(scaled.join(QLatin1Char('\n'))));
    }

    void sameBytesAsBefore() {
        const QByteArray pdf = blanked(fourPrints(company()));
        QVERIFY(!pdf.isEmpty());
        if (qEnvironmentVariableIsSet("GAIKYO_WRITE_PDF")) {
            QFile out(qEnvironmentVariable("GAIKYO_WRITE_PDF"));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size());
        }
        const QByteArray before = test::fixture(QStringLiteral("printing/fitting-pages.pdf"));
#ifdef Q_OS_WIN
        const QString difference = sameWithinTwoUnits(pdf, before);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
#else
        QCOMPARE(pdf.size(), before.size());
        QVERIFY2(pdf == before, "the PDF differs from the one made before");
#endif
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    PagesAsBeforeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pagesasbeforetest.moc"
