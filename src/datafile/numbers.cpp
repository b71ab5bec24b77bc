#include "numbers.h"

#include <limits>

namespace gaikyo {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads ASCII only; the callers decide whether full-width forms count.
std::optional<qint32> parseInteger(const QString& text) {
    const QString s = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-'))) {
        negative = s.at(i) == QLatin1Char('-');
        ++i;
    }

    // Whole part: digits, with commas allowed once a digit has been seen.
    QString whole;
    for (; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (isAsciiDigit(c))
            whole.append(c);
        else if (c == QLatin1Char(',') && !whole.isEmpty())
            continue;
        else
            break;
    }
    QString fraction;
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        for (++i; i < s.size() && isAsciiDigit(s.at(i)); ++i)
            fraction.append(s.at(i));
    }
    if (i != s.size() || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;

    // Leading zeros do not count towards the size; more than ten digits cannot fit.
    while (whole.size() > 1 && whole.at(0) == QLatin1Char('0'))
        whole.remove(0, 1);
    if (whole.size() > 10)
        return std::nullopt;
    qint64 magnitude = whole.isEmpty() ? 0 : whole.toLongLong();

    // Half to even, decided on the digits themselves so that no binary rounding enters.
    if (!fraction.isEmpty()) {
        const QChar first = fraction.at(0);
        bool restNonZero = false;
        for (qsizetype k = 1; k < fraction.size(); ++k)
            restNonZero = restNonZero || fraction.at(k) != QLatin1Char('0');
        if (first > QLatin1Char('5') || (first == QLatin1Char('5') && restNonZero))
            ++magnitude;
        else if (first == QLatin1Char('5') && magnitude % 2 == 1)
            ++magnitude;
    }
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
    return parseInteger(foldNumberForms(text));
}

qint32 readInteger(const QString& text) {
    return strictInteger(text).value_or(0);
}

qint32 readStoredInteger(const QString& text) {
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
