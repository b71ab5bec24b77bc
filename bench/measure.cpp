#include "measure.h"

#include <QFile>
#include <algorithm>
#include <ctime>

namespace gaikyo::bench {

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

namespace {

// A "Vm…:" line of /proc/self/status, in kilobytes.
qint64 statusKb(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

qint64 peakMemoryKb() {
    return statusKb("VmHWM:");
}

qint64 residentMemoryKb() {
    return statusKb("VmRSS:");
}

qint64 anonymousMemoryKb() {
    return statusKb("RssAnon:");
}

double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype mid = values.size() / 2;
    return values.size() % 2 ? values.at(mid) : (values.at(mid - 1) + values.at(mid)) / 2;
}

} // namespace gaikyo::bench
