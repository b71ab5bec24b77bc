// Both A4 pages printed with every entry at the longest the screens accept leave the
// picture of the form untouched: the ink of the entries and the ink of the picture's
// rules and captions never meet, measured on the page rendered at 300 dpi.
#include "fakeprintdata.h"
#include "printing/pagelayout.h"
#include "printing/pageprinter.h"
#include "printing/pdfexport.h"
#include "printing/pictures/formpictures.h"
#include "screen/application.h"
#include "screen/fonts.h"
#include "shell/screens.h"
#include "statement/recordlayouts.h"
#include "support/recordingplatform.h"
#include "support/testhome.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace gaikyo;
using Kind = LayoutItem::Kind;

namespace {

constexpr double dpi = 300;

QString screenOfSection(int section) {
    if (section <= 26)
        return screens::sections;
    switch (section) {
    case 30:
        return screens::mainAccounts;
    case 40:
        return screens::businessForm;
    case 50:
        return screens::taxAccountant;
    default:
        return screens::monthlyTable;
    }
}

// The longest text a box accepts: its limit, or where it has none, as many full-width
// characters as the box shows.
int longestEntry(const Screen& screen, const QString& box) {
    const Control& c = screen.control(box);
    if (c.maxLength > 0)
        return c.maxLength;
    const double points = c.font.points > 0 ? c.font.points : screen.defaultFont().points;
    const double width =
        screen.unit() == Screen::Unit::Twips ? c.geometry.width() / 15.0 : c.geometry.width();
    return int((width - 6) / (points * 96 / 72));
}

// Every text at its longest, in the widest characters; every number in eights.
struct LongestEntries : test::FakeData {
    explicit LongestEntries(Application& app) {
        namedTexts = false;
        const auto fill = [](int count) { return QString(count, QChar(0x6F22)); }; // 漢
        for (int section : layouts::sectionNumbers()) {
            const RecordLayout& layout = layouts::section(section);
            Screen* screen = app.screen(screenOfSection(section));
            for (qsizetype i = 0; i < layout.texts.size(); ++i) {
                const QString& box = layout.texts.at(i).box;
                if (!box.isEmpty() && screen->has(box))
                    texts[{section, int(i + 1)}] = fill(longestEntry(*screen, box));
            }
            for (qsizetype i = 0; i < layout.integers.size(); ++i)
                integers[{section, int(layout.texts.size() + i + 1)}] = 888888888;
        }
        const Screen* registration = app.screen(screens::registration);
        record.name = fill(longestEntry(*registration, QStringLiteral("Text3")));
        record.address = fill(longestEntry(*registration, QStringLiteral("Text5")));
        record.telephone =
            QString(longestEntry(*registration, QStringLiteral("Text12")) * 2, QLatin1Char('8'));
        record.homePage =
            QString(longestEntry(*registration, QStringLiteral("Text4")) * 2, QLatin1Char('W'));
        record.respondent = fill(longestEntry(*registration, QStringLiteral("Text6")));
        record.startYear = record.endYear = 88;
        record.startMonth = record.endMonth = 88;
        record.startDay = record.endDay = 88;
    }
};

struct Collision {
    QString side;
    const LayoutItem* item;
    double x, y; // millimetres
    int pixels;
};

QImage renderPage(const QByteArray& pdf, int page, const QString& folder) {
    const QString pdfPath = folder + QStringLiteral("/pages.pdf");
    QFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                   QStringLiteral("-png"), QStringLiteral("-f"), QString::number(page),
                   QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"),
                   pdfPath, folder + QStringLiteral("/page")});
    process.waitForFinished(60000);
    return QImage(folder + QStringLiteral("/page.png"));
}

// The printed item an ink pixel of an entry belongs to: the one on its line that starts
// nearest left of it.
const LayoutItem* itemAt(const QList<const LayoutPart*>& parts, double x, double y) {
    const LayoutItem* best = nullptr;
    for (const LayoutPart* part : parts)
        for (const LayoutItem& item : *part) {
            if (y < item.a4Y - 1 || y > item.a4Y + 5)
                continue;
            const float start = *std::min_element(item.a4X.begin(), item.a4X.end());
            const float from = item.kind == Kind::Amount ? start - 40 : start - 1;
            if (x >= from &&
                (!best || from > *std::min_element(best->a4X.begin(), best->a4X.end()) -
                                     (best->kind == Kind::Amount ? 40 : 1)))
                best = &item;
        }
    return best;
}

QString describe(const LayoutItem* item) {
    if (!item)
        return QStringLiteral("?");
    const QString from = item->source == LayoutItem::Source::Header ? QStringLiteral("header")
                         : item->source == LayoutItem::Source::Field
                             ? QString::number(item->section)
                             : QStringLiteral("other");
    return QStringLiteral("%1/%2 at %3, %4")
        .arg(from)
        .arg(item->field)
        .arg(item->a4X.first())
        .arg(item->a4Y);
}

} // namespace

class A4EntriesFitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fonts::installSubstitutes(); }

    void entriesLeaveThePictureUntouched() {
        test::TestHome home;
        test::RecordingPlatform platform;
        Application app(platform);
        screens::registerAll(app);
        const LongestEntries data(app);

        // The entries alone, on a blank picture of the same size.
        QImage blank(formpictures::frontPage().size(), QImage::Format_Mono);
        blank.fill(1);
        QTemporaryDir folder;
        const QString pdfPath = folder.filePath(QStringLiteral("entries.pdf"));
        QList<std::optional<qint32>> months;
        for (int m = 0; m < 12; ++m)
            months.append(12);
        const Status written =
            writePdf(pdfPath, QStringLiteral("test"), 2, [&](PrintSurface& surface) {
                PagePrinter front(surface, data, PagePrinter::Sheet::A4);
                front.setReferenceNumber(88888888);
                if (!front.printFront(blank))
                    return false;
                PagePrinter back(surface, data, PagePrinter::Sheet::A4);
                back.setMonths(months);
                return back.printBack(blank);
            });
        QVERIFY(written.ok());
        QFile pdfFile(pdfPath);
        QVERIFY(pdfFile.open(QIODevice::ReadOnly));
        const QByteArray pdf = pdfFile.readAll();

        const struct {
            QString side;
            QImage picture;
            QSizeF pictureMillimetres; // how far the A4 print stretches the picture
            QList<const LayoutPart*> parts;
        } sides[] = {{QStringLiteral("front"),
                      formpictures::frontPage(),
                      {210, 291},
                      {&pagelayouts::frontFirstHalf(), &pagelayouts::frontSecondHalf()}},
                     {QStringLiteral("back"),
                      formpictures::backPage(),
                      {209, 292},
                      {&pagelayouts::backPage()}}};
        QStringList faults;
        for (int page = 1; page <= 2; ++page) {
            const auto& side = sides[page - 1];
            const QImage entries = renderPage(pdf, page, folder.path());
            QVERIFY2(!entries.isNull(), "pdftoppm (poppler-utils) renders the page");
            QVERIFY(qAbs(entries.width() - 2480) <= 2);
            const double toPictureX = side.picture.width() / side.pictureMillimetres.width();
            const double toPictureY = side.picture.height() / side.pictureMillimetres.height();
            QHash<const LayoutItem*, Collision> hits;
            for (int y = 0; y < entries.height(); ++y)
                for (int x = 0; x < entries.width(); ++x) {
                    if (qGray(entries.pixel(x, y)) >= 128)
                        continue;
                    const double mmX = (x + 0.5) * 25.4 / dpi, mmY = (y + 0.5) * 25.4 / dpi;
                    const int px = int(mmX * toPictureX), py = int(mmY * toPictureY);
                    if (px >= side.picture.width() || py >= side.picture.height() ||
                        qGray(side.picture.pixel(px, py)) >= 128)
                        continue;
                    const LayoutItem* item = itemAt(side.parts, mmX, mmY);
                    Collision& c = hits[item];
                    if (c.pixels++ == 0)
                        c = {side.side, item, mmX, mmY, 1};
                }
            for (const Collision& c : std::as_const(hits))
                faults << QStringLiteral("%1 %2: %3 px of ink on the picture, first at %4, %5 mm")
                              .arg(c.side, describe(c.item))
                              .arg(c.pixels)
                              .arg(c.x, 0, 'f', 1)
                              .arg(c.y, 0, 'f', 1);
        }
        faults.sort();
        for (const QString& fault : std::as_const(faults))
            qWarning().noquote() << fault;
        // Not all of our drawing leaves room for the longest entries yet (the list above);
        // the front page's 事業内容 lines are the first that do.
        for (const QString& fault : std::as_const(faults))
            QVERIFY2(!fault.startsWith(QLatin1String("front 21/")), qPrintable(fault));
        QEXPECT_FAIL("", "items 2, 4, 5, 7, the header and most of the back page still meet",
                     Continue);
        QVERIFY2(faults.isEmpty(), "entries meet the picture (listed above)");
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    A4EntriesFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "a4entriesfittest.moc"
