#pragma once

#include "companyrecord.h"

#include <span>
#include <variant>

namespace gaikyo {

// A member of the company header: a number or a text.
using CompanyMember = std::variant<qint32 CompanyRecord::*, QString CompanyRecord::*>;

// One line of a company's header: the member that holds it, the name messages give it,
// and the kind of value it is.
struct CompanyField {
    enum class Kind {
        Integer,
        Text,
        // A year counted from 平成1, as the files keep it; screens show it in the era of
        // its date.
        Year,
    };
    CompanyMember member;
    const char* caption;
    Kind kind;
};

// The header's fields in the order of lines 1–15 of the master file. To add a field to
// the header, add it here and to CompanyRecord.
std::span<const CompanyField> companyFields();
// The field a member holds.
const CompanyField& companyField(const CompanyMember& member);
// The month of a year's date, which decides the era the year is shown and printed in.
qint32 CompanyRecord::*monthOfYear(const CompanyMember& year);

} // namespace gaikyo
