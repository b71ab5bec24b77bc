#pragma once

#include "datafile/erayear.h"

#include <QString>

namespace gaikyo {

class Screen;

// One date of a screen's business year as the user sees it: the era word in a box of its
// own ("自令和", "至平成"), then the year in that era, the month and the day. The files
// keep the year counted from 平成1 (erayear); these boxes show and take it in the era of
// the date.
struct EraDateBoxes {
    QString word;  // the box with the side and the era: "自令和"
    QString side;  // "自" or "至"
    QString year;  // the year within the era
    QString month; // the month, which decides the era of 2019
    QString day;
};

namespace erabox {

// The business year's two dates, named alike on every screen that shows them: 自 in
// Text10, Text13, Text14, Text15; 至 in Text16, Text17, Text18, Text19.
const EraDateBoxes& yearStart();
const EraDateBoxes& yearEnd();

// The era the word box names (平成 only where it says so).
erayear::Era chosen(const Screen& screen, const EraDateBoxes& boxes);
// Shows a stored year: the word box names the era of the date, the year box the year
// in it. The month box is the caller's.
void show(Screen& screen, const EraDateBoxes& boxes, qint32 storedYear, qint32 month);
// Shows a stored date whole: the era word, the year in it, the month and the day.
void showDate(Screen& screen, const EraDateBoxes& boxes, qint32 storedYear, qint32 month,
              qint32 day);
// An empty year box in the era a date is typed in today: 令和.
void clear(Screen& screen, const EraDateBoxes& boxes);
// The year box read in the word box's era, at the month the month box holds.
erayear::Typed typed(const Screen& screen, const EraDateBoxes& boxes);
// The typed year as the files keep it, as plain decimal; the year box's own text where
// it holds no year of its era (for snapshots of what a screen would save).
QString storedText(const Screen& screen, const EraDateBoxes& boxes);
// Keeps the word box in step with the keyboard: an era typed into the word box (R, H,
// 令和, 平成) becomes its era, anything else gives way to the era it named; an era typed
// in front of a year (R7, H31, 令和元) becomes the word box's era and the year box keeps
// the year alone.
void follow(Screen& screen, const EraDateBoxes& boxes);

// What a change of a text put in: the part of `after` between what it shares with
// `before` at the start and at the end ("H" for 自令和 → 自令和H or H自令和).
QString insertedText(const QString& before, const QString& after);

} // namespace erabox

} // namespace gaikyo
