#pragma once

#include "recordlayouts.h"

#include <QList>
#include <QStringList>
#include <QtGlobal>

namespace gaikyo {

// The in-memory copy of one record file's data fields, in file order: texts start
// empty, integers at 0.
struct SectionRecord {
    QStringList texts;
    QList<qint32> integers;

    static SectionRecord emptyFor(const RecordLayout& layout) {
        SectionRecord r;
        r.texts = QStringList(layout.texts.size(), QString());
        r.integers = QList<qint32>(layout.integers.size(), 0);
        return r;
    }

    bool operator==(const SectionRecord&) const = default;
};

} // namespace gaikyo
