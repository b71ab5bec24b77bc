#include "numbers.h"

#include <limits>

namespace gaikyo {

namespace {

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads ASCII only, without building any text: the company lists read thousands of
// numbers this way.
std::optional<qint32> parseInteger(QByteArrayView text) {
    const QByteArrayView s = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s.at(i) == '+' || s.at(i) == '-')) {
        negative = s.at(i) == '-';
        ++i;
    }

    // Whole part: digits, with commas allowed once a digit has been seen. Leading zeros
    // do not count towards the size; more than ten digits cannot fit.
    qint64 magnitude = 0;
    int significant = 0;
    bool anyDigit = false;
    for (; i < s.size(); ++i) {
        const char c = s.at(i);
        if (isAsciiDigit(c)) {
            anyDigit = true;
            if (significant > 0 || c != '0') {
                if (++significant > 10)
                    return std::nullopt;
                magnitude = magnitude * 10 + (c - '0');
            }
        } else if (c == ',' && anyDigit) {
            continue;
        } else {
            break;
        }
    }

    // Half to even, decided on the digits themselves so that no binary rounding enters.
    bool anyFraction = false;
    if (i < s.size() && s.at(i) == '.') {
        ++i;
        const qsizetype first = i;
        bool restNonZero = false;
        for (; i < s.size() && isAsciiDigit(s.at(i)); ++i)
            restNonZero = restNonZero || (i > first && s.at(i) != '0');
        anyFraction = i > first;
        if (anyFraction) {
            const char lead = s.at(first);
            if (lead > '5' || (lead == '5' && (restNonZero || magnitude % 2 == 1)))
                ++magnitude;
        }
    }
    if (i != s.size() || (!anyDigit && !anyFraction))
        return std::nullopt;
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

} // namespace

QString foldNumberForms(const QString& text) {
    QString folded = text;
    for (QChar& c : folded) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            c = QChar(u'0' + (u - u'０'));
        else if (u == u'，')
            c = QLatin1Char(',');
        else if (u == u'－')
            c = QLatin1Char('-');
        else if (u == u'＋')
            c = QLatin1Char('+');
        else if (u == u'．')
            c = QLatin1Char('.');
        else if (u == u'\u3000')
            c = QLatin1Char(' ');
    }
    return folded;
}

std::optional<qint32> strictInteger(const QString& text) {
    const QString folded = foldNumberForms(text).trimmed();
    for (const QChar c : folded)
        if (c.unicode() >= 0x80)
            return std::nullopt;
    return parseInteger(folded.toLatin1());
}

std::optional<qint32> wholeNumber(const QString& text) {
    const QString folded = foldNumberForms(text);
    const qsizetype point = folded.indexOf(QLatin1Char('.'));
    if (point >= 0)
        for (qsizetype i = point + 1; i < folded.size() && folded.at(i).isDigit(); ++i)
            if (folded.at(i) != QLatin1Char('0'))
                return std::nullopt;
    return strictInteger(text);
}

qint32 readInteger(const QString& text) {
    return strictInteger(text).value_or(0);
}

qint32 readStoredInteger(QByteArrayView text) {
    return parseInteger(text).value_or(0);
}

QString groupedDisplay(qint32 value) {
    if (value == 0)
        return {};
    const qint64 wide = value;
    QString digits = QString::number(wide < 0 ? -wide : wide);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return wide < 0 ? QLatin1Char('-') + digits : digits;
}

QString plainDecimal(qint32 value) {
    return QString::number(value);
}

} // namespace gaikyo
