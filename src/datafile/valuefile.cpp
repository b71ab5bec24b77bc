#include "valuefile.h"

#include "cp932.h"
#include "numbers.h"

namespace gaikyo {

namespace {

bool isLineEnd(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

ValueReader::ValueReader(const QByteArray& fileBytes) : m_data(cp932::decode(fileBytes)) {}

bool ValueReader::atEnd() const {
    return m_pos >= m_data.size();
}

std::optional<QString> ValueReader::text() {
    while (m_pos < m_data.size() && m_data.at(m_pos) == QLatin1Char(' '))
        ++m_pos;
    if (atEnd())
        return std::nullopt;

    QString value;
    if (m_data.at(m_pos) == QLatin1Char('"')) {
        const qsizetype close = m_data.indexOf(QLatin1Char('"'), m_pos + 1);
        const qsizetype end = close < 0 ? m_data.size() : close;
        value = m_data.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? m_data.size() : close + 1;
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (m_pos < m_data.size() && m_data.at(m_pos) != QLatin1Char(',') &&
               !isLineEnd(m_data.at(m_pos)))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && m_data.at(m_pos) != QLatin1Char(',') &&
               !isLineEnd(m_data.at(m_pos)))
            ++m_pos;
        value = m_data.mid(start, m_pos - start).trimmed();
    }

    // Step over the delimiter: a comma, or one line end (CR LF, CR or LF).
    if (m_pos < m_data.size()) {
        if (m_data.at(m_pos) == QLatin1Char(',')) {
            ++m_pos;
        } else if (m_data.at(m_pos) == QLatin1Char('\r')) {
            ++m_pos;
            if (m_pos < m_data.size() && m_data.at(m_pos) == QLatin1Char('\n'))
                ++m_pos;
        } else {
            ++m_pos;
        }
    }
    ++m_valuesRead;
    return value;
}

std::optional<qint32> ValueReader::integer() {
    const std::optional<QString> value = text();
    if (!value)
        return std::nullopt;
    return readStoredInteger(*value);
}

bool ValueReader::readFields(std::span<const Field> fields) {
    for (const Field& field : fields) {
        if (qint32* const* number = std::get_if<qint32*>(&field)) {
            const std::optional<qint32> value = integer();
            if (!value)
                return false;
            **number = *value;
        } else {
            const std::optional<QString> value = text();
            if (!value)
                return false;
            *std::get<QString*>(field) = *value;
        }
    }
    return true;
}

QString unstorableTextReason(const QString& value, const QString& fieldName) {
    if (value.contains(QLatin1Char('"')))
        return QStringLiteral("「%1」に二重引用符（\"）があるため保存できません。").arg(fieldName);
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        return QStringLiteral("「%1」に改行があるため保存できません。").arg(fieldName);
    const QString bad = cp932::firstUnencodable(value);
    if (!bad.isEmpty())
        return QStringLiteral(
                   "「%1」の文字「%2」は保存できない文字です。別の文字に直してください。")
            .arg(fieldName, bad);
    return {};
}

void ValueWriter::line(const QString& content) {
    m_content += content;
    m_content += QStringLiteral("\r\n");
}

void ValueWriter::text(const QString& value, const QString& fieldName) {
    const QString stored = cp932::toCodePageForms(value);
    if (m_status.ok()) {
        const QString reason = unstorableTextReason(stored, fieldName);
        if (!reason.isEmpty())
            m_status = Status::failure(reason);
    }
    line(QLatin1Char('"') + stored + QLatin1Char('"'));
}

void ValueWriter::integer(qint32 value) {
    line(plainDecimal(value));
}

void ValueWriter::fillers(int first, int last) {
    for (int n = first; n <= last; ++n)
        line(QStringLiteral("\"予備%1\"").arg(n));
}

QByteArray ValueWriter::bytes() const {
    if (!m_status.ok())
        return {};
    return cp932::encode(m_content).value_or(QByteArray());
}

} // namespace gaikyo
