#include "masterfile.h"

#include "companypaths.h"
#include "datafile/filechannel.h"
#include "datafile/valuefile.h"

namespace gaikyo::masterfile {

FileLoad load(qint32 code, int lastLine, CompanyRecord& record, TextFields texts) {
    QByteArray bytes;
    FileLoad result = readDataFile(paths::masterFile(code), bytes);
    if (result.loaded()) {
        const int wanted = qBound(0, lastLine, 15);
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
    ValueReader::Field lines[] = {
        &record.code,       &record.furigana,        &record.name,           &record.address,
        &record.telephone,  &record.startYear,       &record.startMonth,     &record.startDay,
        &record.endYear,    &record.endMonth,        &record.endDay,         &record.homePage,
        &record.respondent, &record.referenceNumber, &record.representative,
    };
    if (texts == TextFields::NameOnly)
        ValueReader::keepOnlyText(lines, &record.name);
    ValueReader reader(bytes);
    reader.readFields(std::span(lines).first(qBound(0, lastLine, 15)));
    if (cutLine)
        *cutLine = reader.firstCutValue();
    return reader.valuesRead();
}

QByteArray bytes(const CompanyRecord& record, Status* status) {
    ValueWriter writer;
    writer.integer(record.code);
    writer.text(record.furigana, QStringLiteral("フリガナ"));
    writer.text(record.name, QStringLiteral("法人名"));
    writer.text(record.address, QStringLiteral("納税地"));
    writer.text(record.telephone, QStringLiteral("電話番号"));
    writer.integer(record.startYear);
    writer.integer(record.startMonth);
    writer.integer(record.startDay);
    writer.integer(record.endYear);
    writer.integer(record.endMonth);
    writer.integer(record.endDay);
    writer.text(record.homePage, QStringLiteral("ホームページアドレス"));
    writer.text(record.respondent, QStringLiteral("応答者氏名"));
    writer.integer(record.referenceNumber);
    writer.text(record.representative, QStringLiteral("代表取締役の氏名"));
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
