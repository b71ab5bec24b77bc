#include "bookfigures.h"

#include <QRegularExpression>

namespace gaikyo::bookfigures {

namespace {

// Full-width digits and signs become ASCII; compatibility forms are folded alike.
QString folded(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC);
}

bool isDash(QChar c) {
    return c == QLatin1Char('-') || c == QChar(0x2212) || c == QChar(0x2010) ||
           c == QChar(0x2011) || c == QChar(0x2012) || c == QChar(0x2013) || c == QChar(0x2014) ||
           c == QChar(0x2015) || c == QChar(0x30FC);
}

} // namespace

std::optional<qint64> yen(const QString& text) {
    QString s = folded(text).trimmed();
    s.remove(QLatin1Char(' '));
    if (s.isEmpty())
        return std::nullopt;
    if (s.size() == 1 && isDash(s.at(0)))
        return 0;
    bool negative = false;
    if (s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')'))) {
        negative = true;
        s = s.mid(1, s.size() - 2);
    }
    if (s.startsWith(QChar(0x25B3)) || s.startsWith(QChar(0x25B2)) || isDash(s.at(0))) {
        negative = !negative;
        s.remove(0, 1);
    } else if (s.startsWith(QLatin1Char('+'))) {
        s.remove(0, 1);
    }
    if (s.startsWith(QChar(0x00A5)) || s.startsWith(QLatin1Char('\\')))
        s.remove(0, 1);
    if (s.endsWith(QChar(0x5186))) // 円
        s.chop(1);
    static const QRegularExpression figure(
        QStringLiteral("^(\\d{1,3}(?:,\\d{3})+|\\d+)(?:\\.\\d*)?$"));
    const QRegularExpressionMatch m = figure.match(s);
    if (!m.hasMatch())
        return std::nullopt;
    QString digits = m.captured(1);
    digits.remove(QLatin1Char(','));
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    // Fifteen digits are more yen than any company books; more could not be summed.
    if (digits.size() > 15)
        return std::nullopt;
    const qint64 value = digits.toLongLong();
    return negative ? -value : value;
}

qint64 thousands(qint64 yen) {
    return yen / 1000; // C++ division truncates towards zero
}

QString accountKey(const QString& name) {
    QString s = folded(name).trimmed();
    // A leading account code: "411 売上高", "411:売上高".
    static const QRegularExpression code(QStringLiteral("^\\d+\\s*[:.]?\\s+|^\\d+\\s*[:.]\\s*"));
    s.remove(code);
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    static const QString openers = QStringLiteral("【[<〔《(");
    static const QString closers = QStringLiteral("】]>〕》)");
    while (s.size() >= 2) {
        const qsizetype open = openers.indexOf(s.at(0));
        if (open < 0 || s.back() != closers.at(open))
            break;
        s = s.mid(1, s.size() - 2);
    }
    return s;
}

std::optional<int> calendarMonth(const QString& heading) {
    QString s = folded(heading).trimmed();
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    static const QRegularExpression patterns[] = {
        // 4月, 04月, 4月度, 4月分
        QRegularExpression(QStringLiteral("^(\\d{1,2})月[度分]?$")),
        // 2026/04, 2026-4, 2026.04, 2026年4月
        QRegularExpression(QStringLiteral("^\\d{4}[/\\-.年](\\d{1,2})月?[度分]?$")),
        // 令和8年4月, 平成31年4月, R8.4, H31/4, 令和元年5月
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

} // namespace gaikyo::bookfigures
