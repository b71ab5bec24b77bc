#include "masterfile.h"

#include "companyfields.h"
#include "companypaths.h"
#include "datafile/filechannel.h"
#include "datafile/valuefile.h"

#include <vector>

namespace gaikyo::masterfile {

FileLoad load(qint32 code, int lastLine, CompanyRecord& record, TextFields texts) {
    QByteArray bytes;
    FileLoad result = readDataFile(paths::masterFile(code), bytes);
    if (result.loaded()) {
        const int wanted = qBound(0, lastLine, int(companyFields().size()));
        qsizetype cutLine = 0;
        const qsizetype read = decode(bytes, wanted, record, texts, &cutLine);
        settleDecoded(result, read == wanted, read, cutLine);
    }
    return result;
}

bool read(qint32 code, int lastLine, CompanyRecord& record, TextFields texts) {
    return load(code, lastLine, record, texts).loaded();
}

qsizetype decode(const QByteArray& bytes, int lastLine, CompanyRecord& record, TextFields texts,
                 qsizetype* cutLine) {
    // One value a line of the header, in the order its field table gives.
    const std::span<const CompanyField> fields = companyFields();
    std::vector<ValueReader::Field> lines(fields.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        std::visit([&](auto member) { lines[i] = &(record.*member); }, fields[i].member);
    if (texts == TextFields::NameOnly)
        ValueReader::keepOnlyText(lines, &record.name);
    ValueReader reader(bytes);
    reader.readFields(std::span(lines).first(std::size_t(qBound(0, lastLine, int(lines.size())))));
    if (cutLine)
        *cutLine = reader.firstCutValue();
    return reader.valuesRead();
}

QByteArray bytes(const CompanyRecord& record, Status* status) {
    ValueWriter writer;
    for (const CompanyField& field : companyFields()) {
        if (const auto* text = std::get_if<QString CompanyRecord::*>(&field.member))
            writer.text(record.**text, QString::fromUtf8(field.caption));
        else
            writer.integer(record.*std::get<qint32 CompanyRecord::*>(field.member));
    }
    writer.fillers(2, 12);
    if (status)
        *status = writer.status();
    return writer.bytes();
}

Status write(const CompanyRecord& record) {
    Status status;
    const QByteArray content = bytes(record, &status);
    if (!status.ok())
        return status;
    return FileChannel::instance().write(paths::masterFile(record.code), content);
}

} // namespace gaikyo::masterfile
