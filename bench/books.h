#pragma once

#include <QString>
#include <QStringList>

namespace gaikyo::bench {

// The reading of 5 MB exports of the books in code page 932 (a trial balance of some
// 90,000 rows, a monthly table of some 45,000): the text into rows and the rows into
// accounts, then how they hang together and what would be filled; and a file of the same
// size with no heading row, to its message. One line of figures each, against the
// target of one second.
QStringList measureBooks(const QString& folder);

} // namespace gaikyo::bench
