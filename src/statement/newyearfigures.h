#pragma once

#include "datafile/status.h"
#include "sectionrecord.h"

#include <QtGlobal>

// The new year's figures, begun from the year just closed: item 17's 計 becomes 前期の
// 実績, and the year's amounts (item 7, item 10, item 17's months and 計) are emptied.
// Everything else stays: the standing facts (事業内容, 株主, 設備, 税理士 …), items 8 and
// 9, item 17's headings and item 18.
namespace gaikyo::newyearfigures {

// File 30 of the new year from last year's.
SectionRecord mainAccounts(const SectionRecord& lastYear);
// File 60 of the new year from last year's.
SectionRecord monthlyTable(const SectionRecord& lastYear);

// Rewrites files 30 and 60 of the company, each through the files' own save (whole, and
// merged with what someone else saved meanwhile). A file that is not there has nothing
// to begin from and stays missing; a damaged one is left as it is and named. When the
// second file cannot be written the first is put back, so that both or neither change.
Status start(qint32 code);

} // namespace gaikyo::newyearfigures
