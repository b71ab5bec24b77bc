// Writes both A4 pages printed over the pictures of the form with every entry at the
// longest the screens accept, for review beside the bare pictures: front-longest.png and
// back-longest.png (300 dpi, grey).
#include "form/formpictures.h"
#include "screen/application.h"
#include "screen/fonts.h"
#include "shell/screens.h"
#include "support/longestentries.h"
#include "support/recordingplatform.h"
#include "support/testhome.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

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
    test::TestHome home;
    test::RecordingPlatform platform;
    Application app(platform);
    screens::registerAll(app);
    const QByteArray pdf = test::printA4Pages(test::LongestEntries(app), formpictures::frontPage(),
                                              formpictures::backPage());
    const QString names[] = {QStringLiteral("front-longest.png"),
                             QStringLiteral("back-longest.png")};
    for (int page = 1; page <= 2; ++page) {
        const QImage image = test::renderPdfPage(pdf, page, 300);
        const QString path = folder.filePath(names[page - 1]);
        if (image.isNull() || !image.save(path, "PNG")) {
            err << "cannot write " << path << " (pdftoppm of poppler-utils renders it)\n";
            return 1;
        }
    }
    return 0;
}
