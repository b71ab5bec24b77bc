#pragma once

#include <QtGlobal>

namespace gaikyo::bench {

constexpr qint32 companyCount = 999;

// Fills drive C: of the current home with what an office that uses the program for
// years has: a master file and all ten section record files for companies 1 to 999,
// the corporate-tax program's company files 1 to 999, and an accepted pledge. Returns
// false (after saying why on stderr) when a file cannot be written.
bool generateDataSet();

} // namespace gaikyo::bench
