// Writes a PNG picture of every screen of the program into a folder, for review: one
// file per screen (Form1.png …), Form2 once per section (Form2-21.png … Form2-26.png).
// The screens show company 1, registered in a temporary home, so that the monthly
// table has its months.
#include "datafile/drivec.h"
#include "desktopprogram.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "screen/application.h"
#include "screen/fonts.h"
#include "screentour.h"
#include "screenwindow.h"
#include "shell/screens.h"
#include "systemprinters.h"
#include "windowmanager.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

using namespace gaikyo;

namespace {

void registerCompany() {
    CompanyRecord company;
    company.code = 1;
    company.name = QStringLiteral("株式会社見本");
    company.startYear = 31;
    company.startMonth = 4;
    company.startDay = 1;
    company.endYear = 32;
    company.endMonth = 3;
    company.endDay = 31;
    drivec::createFolder(paths::masterFolder());
    drivec::createFolder(paths::statementFolder());
    masterfile::write(company);
}

} // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QTextStream err(stderr);
    if (qtApp.arguments().size() != 2) {
        err << "usage: gaikyo_render_screens <output folder>\n";
        return 2;
    }
    QDir folder(qtApp.arguments().at(1));
    QTemporaryDir home;
    if (!folder.mkpath(QStringLiteral(".")) || !home.isValid()) {
        err << "cannot create " << folder.path() << "\n";
        return 1;
    }
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    fonts::installSubstitutes();
    registerCompany();

    DesktopProgram program;
    bool ok = true;
    screentour::visitAll(program.app(), program.windows(), 1,
                         [&](const QString& view, ScreenWindow& window) {
                             const QString path = folder.filePath(view + QStringLiteral(".png"));
                             if (!window.grab().save(path, "PNG")) {
                                 err << "cannot write " << path << "\n";
                                 ok = false;
                             }
                         });
    return ok ? 0 : 1;
}
