#pragma once

#include "booktable.h"
#include "datafile/status.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The columns the user chose for a layout of export, kept so that the next file of the
// same layout is read the same way without asking. One file beside the user's mapping
// file, code page 932, one line a layout, keyed by the kind of file and its heading row:
//     試算表,3,1,2,勘定科目,今期,前期,増減
//     推移表,1,1,2=4 3=5 …,科目,4月,5月,…
// (the kind, the heading row, the column of the names, the balance column or each
// month's column as column=month, then the cells of the heading row; rows and columns
// counted from 1, as the user counts them).
namespace gaikyo::columnmemory {

// "c:\法人税事業概況書\取込の列.txt"
QString file();

struct Lookup {
    // The choice kept for this file's heading row, with the heading row where this file
    // has it.
    std::optional<booktable::ColumnChoice> remembered;
    // Whether the file is as it was when the choice was made: the heading row stands
    // where it stood, and the chosen columns hold figures below it.
    bool fits = false;
    QStringList notes; // the file of choices could not be used, or a line of it, and why
};

// The choice kept for a file of the kind, found by its heading row.
Lookup find(const QList<QStringList>& rows, booktable::Kind kind);

// Whether the chosen columns of a file hold names and figures below its heading row.
bool holdsFigures(const QList<QStringList>& rows, booktable::Kind kind,
                  const booktable::ColumnChoice& choice);

// Keeps the choice for files with this file's heading row, replacing what was kept for
// that layout; every other line of the file stays as it is. Written whole through the
// file channel: a damaged file is put aside first (the status says where).
Status remember(const QList<QStringList>& rows, booktable::Kind kind,
                const booktable::ColumnChoice& choice);

} // namespace gaikyo::columnmemory
