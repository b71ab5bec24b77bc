#pragma once

#include "companyrecord.h"
#include "datafile/status.h"

namespace gaikyo {

// The company master file: lines 1–15 of the record, then the fillers "予備2" …
// "予備12" (26 lines).
namespace masterfile {

constexpr int lineCount = 26;

// Reads lines 1 … lastLine (at most 15) into the record, in line order. Returns false
// when the file is missing or ends early; lines read before the end stay in the record.
bool read(qint32 code, int lastLine, CompanyRecord& record);
// The same, from the bytes of a file.
bool decode(const QByteArray& bytes, int lastLine, CompanyRecord& record);

QByteArray bytes(const CompanyRecord& record, Status* status);
// Writes all 26 lines, replacing the file whole.
Status write(const CompanyRecord& record);

} // namespace masterfile
} // namespace gaikyo
