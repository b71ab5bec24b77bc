#pragma once

#include "datafile/fileload.h"
#include "datafile/status.h"
#include "recordlayouts.h"
#include "sectionrecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace gaikyo::sectionfile {

// The file of a layout for a company: "c:\法人税事業概況書\概況書\" + (code × 1000 +
// section) + ".txt", or "月" + code + ".txt" for the month order file. Nothing for a
// section file whose number would leave the 32-bit range.
std::optional<QString> path(qint32 code, const RecordLayout& layout);

// The whole file for a record: texts quoted, integers in plain decimal, then the twelve
// fillers, CR LF after every line, code page 932. A text the format cannot hold makes
// it fail with a message naming the field.
Status encode(const RecordLayout& layout, const SectionRecord& record, QByteArray& bytes);

// Rewrites the file whole. Fails with a message for the user when the code has no
// files, a text cannot be stored or the file cannot be written; the old file then stays
// as it was.
Status save(qint32 code, const RecordLayout& layout, const SectionRecord& record);

// Reads the data fields in file order into the record, one value a line; what follows
// the last data field (the fillers) is not read. A short file leaves the fields it
// holds in the record and the rest as they were. A code that has no files loads as a
// missing file.
FileLoad load(qint32 code, const RecordLayout& layout, SectionRecord& record);

// The same, from the bytes of a file; returns how many fields were read. cutLine, where
// given, is set to the first line whose text ends in half a character (0: none).
qsizetype decode(const QByteArray& bytes, const RecordLayout& layout, SectionRecord& record,
                 qsizetype* cutLine = nullptr);

} // namespace gaikyo::sectionfile
