// Writes PNG renderings of our pictures of form FB1005 into a folder, for review:
// front.png, back.png and Form3.png … Form6.png.
#include "form/formpictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: gaikyo_render_pictures <output folder>\n";
        return 2;
    }
    QDir folder(args[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "cannot create " << args[1] << "\n";
        return 1;
    }
    using namespace gaikyo::formpictures;
    QList<std::pair<QString, QImage>> pictures{{QStringLiteral("front"), frontPage()},
                                               {QStringLiteral("back"), backPage()}};
    for (const QString& screen : screensWithBackground())
        pictures.append({screen, screenBackground(screen)});
    for (const auto& [name, image] : pictures) {
        const QString path = folder.filePath(name + QStringLiteral(".png"));
        if (!image.save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
