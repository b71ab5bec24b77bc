#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The years of the data files and the eras people write them in. The files count every
// year from 平成1 = 1989 on, also after the era changed: 令和7 (2025) is stored as 37. On
// the screens and the printed form a date shows in the era it falls in: 平成 up to
// 30 April 2019 (平成31年4月30日), 令和 from 1 May 2019 (令和元年5月1日).
namespace gaikyo::erayear {

enum class Era { Heisei, Reiwa };

// "平成", "令和".
QString name(Era era);

// The era of a stored date. 平成31 (2019) is split by its month: January to April are
// 平成, May on 令和; without a month (outside 1–12) the year counts as 令和, the era of
// most of it. Years before 平成1 keep their 平成 numbers.
Era eraOf(qint32 storedYear, qint32 month);

// A year within its era.
struct EraYear {
    Era era = Era::Heisei;
    qint32 year = 0;
    friend bool operator==(const EraYear&, const EraYear&) = default;
};

// The stored year in the era of its date: (37, April) is 令和7, (31, April) 平成31.
EraYear fromStored(qint32 storedYear, qint32 month);
// The year the files hold for a year of an era: 令和7 is 37. Nothing outside 32 bits.
std::optional<qint32> toStored(EraYear year);

// The year as the form writes it: "元" for the first year of an era, else the number.
QString yearText(qint32 yearInEra);
// "令和7年", "令和元年", "平成31年" for a stored year and its month.
QString shownYear(qint32 storedYear, qint32 month);
// "令和7年4月1日": a stored date in its era.
QString shownDate(qint32 storedYear, qint32 month, qint32 day);

// The era named last in a text, or none: 令和, R (any width or case), れいわ; 平成, H,
// へいせい. A caption that reads "自令和" names 令和.
std::optional<Era> lastNamed(const QString& text);

// A year typed into a year box.
struct Typed {
    enum class Kind {
        Year,       // storedYear holds the year the files keep
        NotANumber, // no year can be read from the text
        NotInEra,   // a year the era does not have at that date, or no year at all (a
                    // fraction, below zero); problem says why
    };
    Kind kind = Kind::NotANumber;
    // The era the text names (R7, 令和7, H31); none for a plain number.
    std::optional<Era> named;
    // The year read, in its era, whether the era has it or not.
    std::optional<qint32> yearInEra;
    std::optional<qint32> storedYear;
    QString problem; // for NotInEra: a sentence naming both readings of the year
};

// Reads a typed year: a plain number counts in the chosen era; an era in front of it
// (R7, Ｒ７, 令和7, 令和元, H31, 平成31年) names its own. Full-width forms count as their
// ASCII forms; spaces and a closing 年 are ignored. `month` is the month of the date,
// when known: 平成31年5月 and 令和元年4月 did not exist and are refused, as are 平成
// years after 31 and 令和 or 平成 years below 1 (元).
Typed parse(const QString& text, Era chosen, std::optional<qint32> month);

} // namespace gaikyo::erayear
