#pragma once

#include <QString>

// Drive C: as the program names it. Every fixed path is written the Windows way
// ("c:\法人税事業概況書\法人名\7.txt") and turned into a path of this computer here only:
// on Windows the path itself, elsewhere under ~/.local/share/gaikyo/drive_c/.
namespace gaikyo::drivec {

// On Windows, a folder that stands in for drive C: while the tests run (as the home
// folder does elsewhere), so that no test touches the real drive.
constexpr const char* testRootVariable = "GAIKYO_TEST_DRIVE_C";

QString root();
QString hostPath(const QString& windowsPath);

// Creates one folder; an existing folder is no error. Returns whether the folder exists.
bool createFolder(const QString& windowsPath);

// The folder of "c:\Program Files\" exists on every Windows computer; off Windows it
// is made on first use so that the pledge file has a place.
bool ensureProgramFiles();

} // namespace gaikyo::drivec
