#pragma once

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

} // namespace gaikyo
