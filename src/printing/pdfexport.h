#pragma once

#include "datafile/status.h"
#include "printsurface.h"

#include <functional>

namespace gaikyo {

// Draws pages into an A4 PDF file at a path of this computer. The draw function ends
// each page with endDocument(). The file appears whole or not at all.
Status writePdf(const QString& hostPath, const QString& title, int pages,
                const std::function<bool(PrintSurface&)>& draw);

} // namespace gaikyo
