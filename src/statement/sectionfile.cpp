#include "sectionfile.h"

#include "datafile/filechannel.h"
#include "datafile/numbers.h"
#include "datafile/valuefile.h"
#include "registry/companypaths.h"

#include <vector>

namespace gaikyo::sectionfile {

std::optional<QString> path(qint32 code, const RecordLayout& layout) {
    if (layout.section == 0)
        return paths::monthOrderFile(code);
    if (!paths::hasSectionFiles(code))
        return std::nullopt;
    return paths::sectionFile(code, layout.section);
}

Status encode(const RecordLayout& layout, const SectionRecord& record, QByteArray& bytes) {
    Q_ASSERT(record.texts.size() == layout.texts.size());
    Q_ASSERT(record.integers.size() == layout.integers.size());
    ValueWriter writer;
    for (qsizetype i = 0; i < layout.texts.size(); ++i)
        writer.text(record.texts.at(i), layout.texts.at(i).caption);
    for (const qint32 value : record.integers)
        writer.integer(value);
    writer.fillers(1, RecordLayout::fillerCount);
    if (!writer.status().ok())
        return writer.status();
    bytes = writer.bytes();
    return {};
}

Status save(qint32 code, const RecordLayout& layout, const SectionRecord& record) {
    const std::optional<QString> file = path(code, layout);
    if (!file)
        return Status::failure(
            QStringLiteral(
                "会社コード %1 のデータは保存できません。概況書のデータを持てる会社コードは"
                " -2147483 から 2147483 までです。")
                .arg(plainDecimal(code)));
    QByteArray bytes;
    const Status encoded = encode(layout, record, bytes);
    if (!encoded.ok())
        return encoded;
    return FileChannel::instance().write(*file, bytes);
}

qsizetype decode(const QByteArray& bytes, const RecordLayout& layout, SectionRecord& record,
                 qsizetype* cutLine) {
    std::vector<ValueReader::Field> fields;
    fields.reserve(layout.fieldCount());
    for (QString& text : record.texts)
        fields.emplace_back(&text);
    for (qint32& value : record.integers)
        fields.emplace_back(&value);
    ValueReader reader(bytes);
    reader.readFields(fields);
    if (cutLine)
        *cutLine = reader.firstCutValue();
    return reader.valuesRead();
}

FileLoad load(qint32 code, const RecordLayout& layout, SectionRecord& record) {
    Q_ASSERT(record.texts.size() == layout.texts.size());
    Q_ASSERT(record.integers.size() == layout.integers.size());
    const std::optional<QString> file = path(code, layout);
    if (!file)
        return {};
    // The channel closes the file again whatever happens, so a short file blocks nothing.
    QByteArray bytes;
    FileLoad result = readDataFile(*file, bytes);
    if (result.loaded()) {
        qsizetype cutLine = 0;
        const qsizetype read = decode(bytes, layout, record, &cutLine);
        settleDecoded(result, read == layout.fieldCount(), read, cutLine);
    }
    return result;
}

} // namespace gaikyo::sectionfile
