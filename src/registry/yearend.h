#pragma once

#include "datafile/status.h"

#include <QString>
#include <QtGlobal>

namespace gaikyo {

// What the roll of a business year ("翌期更新") asks of the program beyond the master
// file: the section files and the printed form belong to the rooms above this one, which
// give the registration screen these steps.
class YearEnd {
public:
    virtual ~YearEnd() = default;

    // What keeping a year came to.
    struct Kept {
        Status status;  // a failure names what could not be kept; nothing was rolled then
        QString folder; // the folder that keeps the year, as drive C: names it
        bool nothingToKeep = false; // the company had no master file of its own
    };
    // Keeps the company's files of the year about to close, as they are now, and the PDF
    // of both pages, in a folder of their own that the program never changes.
    virtual Kept keepYear(qint32 code) = 0;
    // The master file holds the new year now: screens that show the old one follow.
    virtual void yearRolled(qint32 code) = 0;
    // Begins the new year's figures in the company's section files: what was last
    // year's 計 becomes 前期の実績, and the year's amounts are emptied.
    virtual Status startNewFigures(qint32 code) = 0;
};

} // namespace gaikyo
