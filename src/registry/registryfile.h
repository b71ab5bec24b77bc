#pragma once

#include "companyrecord.h"

namespace gaikyo::registryfile {

constexpr int valueCount = 19;

// Reads values 1 … lastValue of the corporate-tax program's company file into the
// record. Returns false when the file is missing or holds fewer values; values read
// before the end stay in the record. The file is never written.
bool read(qint32 code, int lastValue, RegistryRecord& record, TextFields texts = TextFields::All);
// The same, from the bytes of a file.
bool decode(const QByteArray& bytes, int lastValue, RegistryRecord& record,
            TextFields texts = TextFields::All);

} // namespace gaikyo::registryfile
