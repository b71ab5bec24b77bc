#pragma once

#include "datafile/status.h"

#include <QStringList>

// The pledge (誓約文): the user's answer to the program's disclaimer, kept in a file
// of its own under "c:\Program Files".
namespace gaikyo::pledge {

QString filePath();
QStringList acceptedLines();
QStringList refusedLines();

enum class Stored { Unreadable, Accepted, Refused, Other };
// The pledge status, the first value of the file.
Stored stored();

Status writeAccepted();
Status writeRefused();
// The title of the warning shown when the pledge file cannot be written.
QString failureTitle();

} // namespace gaikyo::pledge
