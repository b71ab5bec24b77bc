#pragma once

#include "companyrecord.h"
#include "datafile/fileload.h"
#include "datafile/status.h"

namespace gaikyo {

// The company master file: lines 1–15 of the record, then the fillers "予備2" …
// "予備12" (26 lines).
namespace masterfile {

constexpr int lineCount = 26;

// Reads lines 1 … lastLine (at most 15) into the record, in line order, and tells how it
// went; lines read before a short file's end stay in the record.
FileLoad load(qint32 code, int lastLine, CompanyRecord& record, TextFields texts = TextFields::All);
// The same; true only when every line was read.
bool read(qint32 code, int lastLine, CompanyRecord& record, TextFields texts = TextFields::All);
// The same, from the bytes of a file; returns how many lines were read. cutLine, where
// given, is set to the first line whose text ends in half a character (0: none).
qsizetype decode(const QByteArray& bytes, int lastLine, CompanyRecord& record,
                 TextFields texts = TextFields::All, qsizetype* cutLine = nullptr);

QByteArray bytes(const CompanyRecord& record, Status* status);
// Writes all 26 lines, replacing the file whole.
Status write(const CompanyRecord& record);

} // namespace masterfile
} // namespace gaikyo
