#pragma once

#include "printing/printdata.h"

#include <QMap>
#include <QPair>

namespace gaikyo::test {

// Every text field holds its own name ("22.16"), every integer what a test sets.
class FakeData : public PrintData {
public:
    CompanyRecord record;
    QMap<QPair<int, int>, qint32> integers;
    QMap<QPair<int, int>, QString> texts;
    bool namedTexts = true;

    const CompanyRecord& company() const override { return record; }
    QString text(int section, int field) const override {
        const auto found = texts.find({section, field});
        if (found != texts.end())
            return *found;
        return namedTexts ? QStringLiteral("%1.%2").arg(section).arg(field) : QString();
    }
    qint32 integer(int section, int field) const override {
        return integers.value({section, field}, 0);
    }
};

} // namespace gaikyo::test
