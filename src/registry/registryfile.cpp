#include "registryfile.h"

#include "companypaths.h"
#include "datafile/filechannel.h"
#include "datafile/valuefile.h"

namespace gaikyo::registryfile {

bool read(qint32 code, int lastValue, RegistryRecord& record, TextFields texts) {
    const std::optional<QByteArray> file = FileChannel::instance().read(paths::registryFile(code));
    return file && decode(*file, lastValue, record, texts);
}

bool decode(const QByteArray& bytes, int lastValue, RegistryRecord& record, TextFields texts) {
    ValueReader::Field values[valueCount] = {
        &record.code,
        &record.value2,
        &record.startYear,
        &record.startMonth,
        &record.startDay,
        &record.endYear,
        &record.endMonth,
        &record.endDay,
        &record.furigana,
        &record.name,
        &record.address,
        &record.values12to15[0],
        &record.values12to15[1],
        &record.values12to15[2],
        &record.values12to15[3],
        &record.telephone,
        &record.values17to19[0],
        &record.values17to19[1],
        &record.values17to19[2],
    };
    if (texts == TextFields::NameOnly)
        ValueReader::keepOnlyText(values, &record.name);
    ValueReader reader(bytes);
    return reader.readFields(std::span(values).first(qBound(0, lastValue, valueCount)));
}

} // namespace gaikyo::registryfile
