#pragma once

#include "datafile/itemfields.h"
#include "registry/companyrecord.h"

#include <QString>
#include <QtGlobal>

namespace gaikyo {

// What a page layout prints from: the company header and the fields of the section
// record files, numbered through each file as it is stored (texts first, then
// integers).
class PrintData {
public:
    virtual ~PrintData() = default;
    virtual const CompanyRecord& company() const = 0;
    virtual QString text(int section, int field) const = 0;
    virtual qint32 integer(int section, int field) const = 0;
};

// Items 7 to 10 stand in section file 30.
inline qint32 mainAccount(const PrintData& data, MainAccount account) {
    return data.integer(30, sectionField(account));
}

// Item 17's table stands in section file 60 after the file's nine texts.
constexpr int monthlyTableField(int row, int column) {
    return 9 + monthlytable::cell(row, column);
}

} // namespace gaikyo
