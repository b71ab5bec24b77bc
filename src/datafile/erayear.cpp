#include "erayear.h"

#include "numbers.h"

#include <limits>

namespace gaikyo::erayear {

namespace {

constexpr qint32 lastHeiseiYear = 31; // 2019
constexpr qint32 lastHeiseiMonth = 4; // 令和 began on 1 May 2019
constexpr qint32 reiwaOffset = lastHeiseiYear - 1;
constexpr qint64 westernOfHeisei0 = 1988;

bool isMonth(qint32 month) {
    return month >= 1 && month <= 12;
}

qint64 western(qint64 storedYear) {
    return westernOfHeisei0 + storedYear;
}

// The words that name an era, each with its era; matched without regard to case.
struct Word {
    const char16_t* text;
    Era era;
};
const Word words[] = {{u"令和", Era::Reiwa},  {u"れいわ", Era::Reiwa},    {u"R", Era::Reiwa},
                      {u"平成", Era::Heisei}, {u"へいせい", Era::Heisei}, {u"H", Era::Heisei}};

// Why a year does not exist in its era at the given month, naming the other reading of
// the same year where there is one; empty for a year the era has.
QString notInEra(Era era, qint64 year, std::optional<qint32> month) {
    const bool known = month && isMonth(*month);
    const QString monthText = known ? QStringLiteral("%1月").arg(*month) : QString();
    const QString asTyped = name(era) + yearText(qint32(year)) + QStringLiteral("年") + monthText;
    if (era == Era::Heisei) {
        if (year < 1)
            return QStringLiteral("%1はありません。平成は元年（1989年）からです。").arg(asTyped);
        const bool afterHeisei =
            year > lastHeiseiYear || (year == lastHeiseiYear && known && *month > lastHeiseiMonth);
        if (!afterHeisei)
            return {};
        const qint64 reiwa = year - reiwaOffset;
        return QStringLiteral("%1はありません。平成は31年（2019年）4月30日までです。"
                              "%2（%3年）のことでしたら、令和を選ぶか「R%4」と入力してください。")
            .arg(asTyped,
                 name(Era::Reiwa) + yearText(qint32(reiwa)) + QStringLiteral("年") + monthText)
            .arg(western(year))
            .arg(reiwa);
    }
    const bool beforeReiwa = year < 1 || (year == 1 && known && *month <= lastHeiseiMonth);
    if (!beforeReiwa)
        return {};
    QString problem =
        QStringLiteral("%1はありません。令和は元年（2019年）5月1日からです。").arg(asTyped);
    const qint64 heisei = year + reiwaOffset;
    if (heisei >= 1)
        problem += QStringLiteral("%1（%2年）のことでしたら、平成を選ぶか「H%3」と入力して"
                                  "ください。")
                       .arg(name(Era::Heisei) + yearText(qint32(heisei)) + QStringLiteral("年") +
                            monthText)
                       .arg(western(heisei))
                       .arg(heisei);
    return problem;
}

} // namespace

QString name(Era era) {
    return era == Era::Reiwa ? QStringLiteral("令和") : QStringLiteral("平成");
}

Era eraOf(qint32 storedYear, qint32 month) {
    if (storedYear != lastHeiseiYear)
        return storedYear > lastHeiseiYear ? Era::Reiwa : Era::Heisei;
    return isMonth(month) && month <= lastHeiseiMonth ? Era::Heisei : Era::Reiwa;
}

EraYear fromStored(qint32 storedYear, qint32 month) {
    const Era era = eraOf(storedYear, month);
    return {era, era == Era::Reiwa ? storedYear - reiwaOffset : storedYear};
}

std::optional<qint32> toStored(EraYear year) {
    if (year.era == Era::Heisei)
        return year.year;
    if (year.year > std::numeric_limits<qint32>::max() - reiwaOffset)
        return std::nullopt;
    return year.year + reiwaOffset;
}

QString yearText(qint32 yearInEra) {
    return yearInEra == 1 ? QStringLiteral("元") : plainDecimal(yearInEra);
}

QString shownYear(qint32 storedYear, qint32 month) {
    const EraYear year = fromStored(storedYear, month);
    return name(year.era) + yearText(year.year) + QStringLiteral("年");
}

QString shownDate(qint32 storedYear, qint32 month, qint32 day) {
    return shownYear(storedYear, month) + QStringLiteral("%1月%2日").arg(month).arg(day);
}

std::optional<Era> lastNamed(const QString& text) {
    const QString folded = text.normalized(QString::NormalizationForm_KC);
    std::optional<Era> found;
    qsizetype at = -1;
    for (const Word& word : words) {
        const qsizetype i =
            folded.lastIndexOf(QString::fromUtf16(word.text), -1, Qt::CaseInsensitive);
        if (i > at) {
            at = i;
            found = word.era;
        }
    }
    return found;
}

Typed parse(const QString& text, Era chosen, std::optional<qint32> month) {
    QString s = text.normalized(QString::NormalizationForm_KC).simplified();
    s.remove(QLatin1Char(' '));
    if (s.endsWith(QStringLiteral("年")))
        s.chop(1);
    Typed typed;
    for (const Word& word : words) {
        const QString w = QString::fromUtf16(word.text);
        if (s.startsWith(w, Qt::CaseInsensitive)) {
            typed.named = word.era;
            s.remove(0, w.size());
            break;
        }
    }
    const Era era = typed.named.value_or(chosen);
    const std::optional<qint32> year = s == QStringLiteral("元") ? 1 : wholeNumber(s);
    if (!year) {
        // A number all the same: a fraction, which no year has.
        if (strictInteger(s)) {
            typed.kind = Typed::Kind::NotInEra;
            typed.problem =
                QStringLiteral("年「%1」は整数で入力してください。").arg(text.trimmed());
        }
        return typed;
    }
    if (*year < 0) {
        // Not a year of another era either: no suggestion.
        typed.kind = Typed::Kind::NotInEra;
        typed.problem =
            QStringLiteral("年「%1」はマイナスにできません。%2の年を元年（1）から数えて入力して"
                           "ください。")
                .arg(text.trimmed(), name(era));
        return typed;
    }
    typed.yearInEra = year;
    typed.problem = notInEra(era, *year, month);
    const std::optional<qint32> stored = toStored({era, *year});
    if (!typed.problem.isEmpty() || !stored) {
        typed.kind = Typed::Kind::NotInEra;
        if (typed.problem.isEmpty())
            typed.problem = QStringLiteral("%1%2年は大きすぎます。").arg(name(era)).arg(*year);
        return typed;
    }
    typed.kind = Typed::Kind::Year;
    typed.storedYear = stored;
    return typed;
}

} // namespace gaikyo::erayear
