#include "valuefile.h"

#include "cp932.h"
#include "numbers.h"

namespace gaikyo {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Printable ASCII is the same in the code page; its control characters are not all
// (0x1A, 0x1C and 0x7F change places), so they go through the codec.
bool isPlainAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (c < 0x20 || c >= 0x7F)
            return false;
    return true;
}

bool isLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Whether the last byte is the first half of a double-byte character. A second byte can
// look like a first one, so the characters are counted from the start.
bool endsInCutCharacter(QByteArrayView bytes) {
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (isLeadByte(bytes.at(i)) && i + 1 == bytes.size())
            return true;
        i += isLeadByte(bytes.at(i)) ? 2 : 1;
    }
    return false;
}

} // namespace

// The values are found in the bytes themselves: a double quote, a comma, a space, CR and
// LF are never part of a double-byte character of the code page, so each value can be
// decoded on its own, and only the values asked for are decoded at all.
ValueReader::ValueReader(const QByteArray& fileBytes) : m_data(fileBytes) {}

bool ValueReader::atEnd() const {
    return m_pos >= m_data.size();
}

std::optional<ValueReader::RawValue> ValueReader::next() {
    while (m_pos < m_data.size() && m_data.at(m_pos) == ' ')
        ++m_pos;
    if (atEnd())
        return std::nullopt;

    RawValue value;
    const QByteArrayView data(m_data);
    if (data.at(m_pos) == '"') {
        const qsizetype close = m_data.indexOf('"', m_pos + 1);
        const qsizetype end = close < 0 ? data.size() : close;
        value.bytes = data.sliced(m_pos + 1, end - m_pos - 1);
        value.withDelimiter = data.sliced(m_pos + 1, qMin(end + 1, data.size()) - m_pos - 1);
        value.quoted = true;
        m_pos = close < 0 ? data.size() : close + 1;
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (m_pos < data.size() && data.at(m_pos) != ',' && !isLineEnd(data.at(m_pos)))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < data.size() && data.at(m_pos) != ',' && !isLineEnd(data.at(m_pos)))
            ++m_pos;
        value.bytes = data.sliced(start, m_pos - start);
        value.withDelimiter = data.sliced(start, qMin(m_pos + 1, data.size()) - start);
    }

    // Step over the delimiter: a comma, or one line end (CR LF, CR or LF).
    if (m_pos < data.size()) {
        if (data.at(m_pos) == '\r' && m_pos + 1 < data.size() && data.at(m_pos + 1) == '\n')
            m_pos += 2;
        else
            ++m_pos;
    }
    ++m_valuesRead;
    return value;
}

QString ValueReader::decoded(const RawValue& value) {
    QString text;
    if (isPlainAscii(value.bytes)) {
        text = QString::fromLatin1(value.bytes);
    } else {
        // Decoded with the delimiter that follows, as in the whole file: a lead byte cut
        // off by it reads as the code page's substitute, not as nothing.
        text = cp932::decode(value.withDelimiter.toByteArray());
        if (value.withDelimiter.size() > value.bytes.size())
            text.chop(1);
    }
    // Spaces around an unquoted value do not count, ideographic ones included.
    return value.quoted ? text : text.trimmed();
}

std::optional<QString> ValueReader::text() {
    const std::optional<RawValue> value = next();
    if (!value)
        return std::nullopt;
    if (m_firstCutValue == 0 && !isPlainAscii(value->bytes) && endsInCutCharacter(value->bytes))
        m_firstCutValue = m_valuesRead;
    return decoded(*value);
}

std::optional<qint32> ValueReader::integer() {
    const std::optional<RawValue> value = next();
    if (!value)
        return std::nullopt;
    if (isPlainAscii(value->bytes))
        return readStoredInteger(value->bytes);
    // Only spaces of the code page around ASCII digits can still make a number.
    const QString text = decoded(*value).trimmed();
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return 0;
    return readStoredInteger(text.toLatin1());
}

void ValueReader::keepOnlyText(std::span<Field> fields, const QString* kept) {
    for (Field& field : fields)
        if (QString* const* text = std::get_if<QString*>(&field); text && *text != kept)
            field = std::monostate();
}

bool ValueReader::readFields(std::span<const Field> fields) {
    for (const Field& field : fields) {
        if (qint32* const* number = std::get_if<qint32*>(&field)) {
            const std::optional<qint32> value = integer();
            if (!value)
                return false;
            **number = *value;
        } else if (QString* const* text = std::get_if<QString*>(&field)) {
            const std::optional<QString> value = this->text();
            if (!value)
                return false;
            **text = *value;
        } else if (!next()) {
            return false;
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
