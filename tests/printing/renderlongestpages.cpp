// Writes both A4 pages printed over the pictures of the form with every entry at the
// longest the screens accept, for review beside the bare pictures: front-longest.png and
// back-longest.png (300 dpi, grey); and both pages as printed on the official sheet, the
// box of every entry outlined in grey: front-longest-official.png and
// back-longest-official.png.
#include "form/formpictures.h"
#include "printing/entryfit.h"
#include "printing/pagelayout.h"
#include "screen/application.h"
#include "screen/fonts.h"
#include "shell/screens.h"
#include "support/longestentries.h"
#include "support/pdftools.h"
#include "support/testprogram.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

namespace {

// The box of every entry of a page on the official sheet, outlined in grey.
void outlineBoxes(QImage& image, gaikyo::formpictures::Page page) {
    using namespace gaikyo;
    image = image.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    const double scale = 300 / 25.4;
    painter.scale(scale, scale);
    painter.setPen(QPen(QColor(160, 160, 160), 0));
    const QList<const LayoutPart*> parts =
        page == formpictures::Page::Front
            ? QList<const LayoutPart*>{&pagelayouts::frontFirstHalf(),
                                       &pagelayouts::frontSecondHalf()}
            : QList<const LayoutPart*>{&pagelayouts::backPage()};
    for (const LayoutPart* part : parts)
        for (const LayoutItem& item : *part)
            painter.drawRect(entryfit::boxOf(item, page, true));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication qtApp(argc, argv);
    QTextStream err(stderr);
    const QStringList args = qtApp.arguments();
    if (args.size() != 2) {
        err << "usage: gaikyo_render_longest_pages <output folder>\n";
        return 2;
    }
    QDir folder(args[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "cannot create " << args[1] << "\n";
        return 1;
    }
    using namespace gaikyo;
    fonts::installSubstitutes();
    test::TestProgram program;
    const test::LongestEntries longest(program.app);
    const QByteArray a4 =
        test::printA4Pages(longest, formpictures::frontPage(), formpictures::backPage());
    const QByteArray official = test::printOfficialPages(longest);
    const struct {
        const QByteArray* pdf;
        int page;
        const char* name;
        bool boxes;
    } outputs[] = {{&a4, 1, "front-longest.png", false},
                   {&a4, 2, "back-longest.png", false},
                   {&official, 1, "front-longest-official.png", true},
                   {&official, 2, "back-longest-official.png", true}};
    for (const auto& output : outputs) {
        QImage image = test::renderPdfPage(*output.pdf, output.page, 300);
        if (output.boxes && !image.isNull())
            outlineBoxes(image,
                         output.page == 1 ? formpictures::Page::Front : formpictures::Page::Back);
        const QString path = folder.filePath(QString::fromLatin1(output.name));
        if (image.isNull() || !image.save(path, "PNG")) {
            err << "cannot write " << path << " (pdftoppm of poppler-utils renders it)\n";
            return 1;
        }
    }
    return 0;
}
