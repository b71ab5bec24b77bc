#include "bookfigures.h"

#include <QRegularExpression>

namespace gaikyo::bookfigures {

namespace {

// Characters that only the full compatibility normalisation folds: half-width katakana
// and signs, circled and parenthesised forms, ㈱ and the squared words, compatibility
// ideographs, Roman numerals.
bool needsFullFolding(char16_t c) {
    return (c >= 0xFF61 && c <= 0xFFEF) || (c >= 0x2460 && c <= 0x24FF) ||
           (c >= 0x3200 && c <= 0x33FF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0x2150 && c <= 0x218F);
}

bool isDash(QChar c) {
    const char16_t u = c.unicode();
    return u == '-' || u == 0x2212 || (u >= 0x2010 && u <= 0x2015) || u == 0x30FC;
}

bool isDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool isBlank(QChar c) {
    return c.unicode() == ' ' || c.unicode() == '\t' || c.isSpace();
}

constexpr qint64 maxDigitsValue = 999'999'999'999'999; // fifteen digits

} // namespace

QString folded(const QString& text) {
    bool anyWide = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (needsFullFolding(u))
            return text.normalized(QString::NormalizationForm_KC);
        if ((u >= 0xFF01 && u <= 0xFF5E) || u == 0x3000)
            anyWide = true;
    }
    if (!anyWide)
        return text;
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(char16_t(u - 0xFEE0));
        else if (u == 0x3000)
            c = QLatin1Char(' ');
    }
    return out;
}

namespace {

Figure figureOf(const QString& text, qint64 unitYen, bool normalized) {
    // The characters that matter, folded and without spaces, into a buffer of their own:
    // no figure is longer, and a file of many thousand cells makes no text for each.
    constexpr qsizetype longest = 48;
    char16_t buffer[longest];
    qsizetype length = 0;
    for (const QChar c : text) {
        char16_t u = c.unicode();
        // Once normalised, a character the normalisation leaves as it is stays.
        if (!normalized && needsFullFolding(u))
            return figureOf(text.normalized(QString::NormalizationForm_KC), unitYen, true);
        if (u >= 0xFF01 && u <= 0xFF5E)
            u = char16_t(u - 0xFEE0);
        if (u == 0x3000 || isBlank(QChar(u)))
            continue;
        if (length == longest)
            return {Figure::Kind::Unreadable, 0};
        buffer[length++] = u;
    }
    if (length == 0)
        return {};
    QString s = QString::fromRawData(reinterpret_cast<const QChar*>(buffer), length);
    const Figure unreadable{Figure::Kind::Unreadable, 0};
    if (s.size() == 1 && isDash(s.at(0)))
        return {Figure::Kind::Read, 0};
    bool negative = false;
    if (s.size() >= 2 && s.front() == QLatin1Char('(') && s.back() == QLatin1Char(')')) {
        negative = true;
        s = s.mid(1, s.size() - 2);
    }
    if (s.startsWith(QChar(0x25B3)) || s.startsWith(QChar(0x25B2)) ||
        (!s.isEmpty() && isDash(s.front()))) {
        negative = !negative;
        s.remove(0, 1);
    } else if (s.startsWith(QLatin1Char('+'))) {
        s.remove(0, 1);
    } else if (s.size() > 1 && isDash(s.back())) {
        // "1,234-": some programs put the sign after the figure.
        negative = !negative;
        s.chop(1);
    }
    if (s.startsWith(QChar(0x00A5)) || s.startsWith(QLatin1Char('\\')))
        s.remove(0, 1);
    if (s.endsWith(QChar(0x5186))) // 円
        s.chop(1);
    if (s.isEmpty())
        return unreadable;

    // Whole part: plain digits, or groups of three after the first one to three.
    qsizetype i = 0;
    qint64 whole = 0;
    int significant = 0;
    int groupLength = -1; // digits since the last comma; -1 before any comma
    int leading = 0;      // digits before the first comma
    while (i < s.size() && (isDigit(s.at(i)) || s.at(i) == QLatin1Char(','))) {
        const QChar c = s.at(i);
        if (c == QLatin1Char(',')) {
            if (groupLength == -1 ? (leading < 1 || leading > 3) : groupLength != 3)
                return unreadable;
            groupLength = 0;
        } else {
            if (groupLength == -1)
                ++leading;
            else
                ++groupLength;
            if (significant > 0 || c != QLatin1Char('0'))
                ++significant;
            if (significant > 15)
                return unreadable;
            whole = whole * 10 + (c.unicode() - '0');
        }
        ++i;
    }
    if (leading == 0 || (groupLength != -1 && groupLength != 3))
        return unreadable;
    // Fraction: counts down to the yen of the unit, the rest is cut off.
    qint64 fractionYen = 0;
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        ++i;
        qint64 scale = unitYen;
        while (i < s.size() && isDigit(s.at(i))) {
            scale /= 10;
            fractionYen += scale * (s.at(i).unicode() - '0');
            ++i;
        }
    }
    if (i != s.size() || whole > maxDigitsValue)
        return unreadable;
    qint64 value = 0;
    if (__builtin_mul_overflow(whole, unitYen, &value) ||
        __builtin_add_overflow(value, fractionYen, &value))
        return unreadable;
    return {Figure::Kind::Read, negative ? -value : value};
}

} // namespace

Figure figure(const QString& text, qint64 unitYen) {
    return figureOf(text, unitYen, false);
}

std::optional<qint64> yen(const QString& text) {
    const Figure f = figure(text);
    if (f.kind != Figure::Kind::Read)
        return std::nullopt;
    return f.yen;
}

qint64 thousands(qint64 yen) {
    return yen / 1000; // C++ division truncates towards zero
}

bool addTo(qint64& sum, qint64 yen) {
    qint64 result = 0;
    if (__builtin_add_overflow(sum, yen, &result))
        return false;
    sum = result;
    return true;
}

QString accountKey(const QString& name) {
    const QString f = folded(name);
    qsizetype from = 0;
    while (from < f.size() && isBlank(f.at(from)))
        ++from;
    // A leading account code: "411 売上高", "411:売上高", "411.売上高".
    qsizetype digitsEnd = from;
    while (digitsEnd < f.size() && isDigit(f.at(digitsEnd)))
        ++digitsEnd;
    if (digitsEnd > from && digitsEnd < f.size()) {
        qsizetype after = digitsEnd;
        while (after < f.size() && isBlank(f.at(after)))
            ++after;
        const bool mark = after < f.size() &&
                          (f.at(after) == QLatin1Char(':') || f.at(after) == QLatin1Char('.'));
        if (mark)
            ++after;
        if (mark || after > digitsEnd) {
            while (after < f.size() && isBlank(f.at(after)))
                ++after;
            if (after < f.size())
                from = after;
        }
    }
    QString s;
    s.reserve(f.size() - from);
    for (qsizetype i = from; i < f.size(); ++i)
        if (!isBlank(f.at(i)))
            s.append(f.at(i));
    static const QString openers = QStringLiteral("【[<〔《(「『〈");
    static const QString closers = QStringLiteral("】]>〕》)」』〉");
    while (s.size() >= 2) {
        const qsizetype open = openers.indexOf(s.front());
        if (open < 0 || s.back() != closers.at(open))
            break;
        s = s.mid(1, s.size() - 2);
    }
    return s;
}

int indentOf(const QString& name) {
    int indent = 0;
    for (const QChar c : name) {
        if (c.unicode() == ' ')
            indent += 1;
        else if (c.unicode() == 0x3000)
            indent += 2;
        else if (c.unicode() == '\t')
            indent += 4;
        else
            break;
    }
    return indent;
}

std::optional<int> calendarMonth(const QString& heading) {
    const QString s = accountKey(heading);
    if (s.isEmpty() || s.size() > 16)
        return std::nullopt;
    static const QRegularExpression patterns[] = {
        // 4月, 04月, 4月度, 4月分
        QRegularExpression(QStringLiteral("^(\\d{1,2})月[度分]?$")),
        // 2025/04, 2025-4, 2025.04, 2025年4月, 2025年4月度
        QRegularExpression(QStringLiteral("^\\d{4}[/\\-.年](\\d{1,2})月?[度分]?$")),
        // 令和7年4月, 平成31年4月, R7.4, H31/4, 令和元年5月
        QRegularExpression(
            QStringLiteral(
                "^(?:令和|平成|昭和|R|H|S)(?:元|\\d{1,2})[年/.\\-](\\d{1,2})月?[度分]?$"),
            QRegularExpression::CaseInsensitiveOption),
    };
    for (const QRegularExpression& p : patterns) {
        const QRegularExpressionMatch m = p.match(s);
        if (!m.hasMatch())
            continue;
        const int month = m.captured(1).toInt();
        if (month >= 1 && month <= 12)
            return month;
    }
    return std::nullopt;
}

bool isClosingColumn(const QString& heading) {
    const QString s = accountKey(heading);
    if (!s.startsWith(QStringLiteral("決算")))
        return false;
    // 決算整理後残高, 決算整理前合計 and the like are totals, not the adjustments.
    for (const QString& other : {QStringLiteral("計"), QStringLiteral("後"), QStringLiteral("前"),
                                 QStringLiteral("残高"), QStringLiteral("期")})
        if (s.contains(other))
            return false;
    return true;
}

std::optional<qint64> unitYen(const QString& unit) {
    const QString s = accountKey(unit);
    if (s == QStringLiteral("円"))
        return 1;
    if (s == QStringLiteral("千円"))
        return 1000;
    if (s == QStringLiteral("万円"))
        return 10000;
    if (s == QStringLiteral("百万円"))
        return 1000000;
    return std::nullopt;
}

std::optional<QString> statedUnit(const QString& text) {
    if (!text.contains(QStringLiteral("単位")) && !text.contains(QChar(0x5186)))
        return std::nullopt;
    const QString s = folded(text).trimmed();
    // "表示単位：千円", "(単位:円)", "金額単位 千円", "単位 千円": the word after 単位, where
    // 単位 begins the text, follows a bracket or a space, or is 表示単位 / 金額単位.
    static const QRegularExpression named(QStringLiteral(
        "(?:^|[(\\[【〔<《「\\s]|表示|金額)単位\\s*[:=]?\\s*([^\\s)\\]】〕>》」,、]+)"));
    if (const QRegularExpressionMatch m = named.match(s); m.hasMatch())
        return m.captured(1);
    // "千円単位", "(千円)", "期末残高(千円)".
    static const QRegularExpression bare(
        QStringLiteral("(?:^|[(\\[【〔])(百万円|千円|万円|円)(?:単位)?(?:[)\\]】〕]|$)"));
    if (const QRegularExpressionMatch m = bare.match(s); m.hasMatch())
        return m.captured(1);
    static const QRegularExpression suffix(QStringLiteral("(百万円|千円|万円|円)単位"));
    if (const QRegularExpressionMatch m = suffix.match(s); m.hasMatch())
        return m.captured(1);
    return std::nullopt;
}

} // namespace gaikyo::bookfigures
