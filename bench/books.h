#pragma once

#include <QString>
#include <QStringList>

namespace gaikyo::bench {

// The reading of a 5 MB export of the books (a monthly table of some 60,000 rows in code
// page 932): the text into rows and the rows into accounts, then how they hang together
// and what would be filled; and a file of the same size with no heading row, to its
// message. One line of figures each, against the target of one second.
QStringList measureBooks(const QString& folder);

} // namespace gaikyo::bench
