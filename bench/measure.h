#pragma once

#include <QList>
#include <QtGlobal>

namespace gaikyo::bench {

// The system-wide monotonic clock, comparable between processes.
qint64 monotonicNs();
// The process's peak resident memory (VmHWM) in kilobytes.
qint64 peakMemoryKb();
// The process's resident memory now (VmRSS) in kilobytes.
qint64 residentMemoryKb();
// The part of it that is the process's own (RssAnon): no library or font file pages.
qint64 anonymousMemoryKb();
// The middle value (the mean of the two middle ones for an even count).
double median(QList<double> values);

} // namespace gaikyo::bench
