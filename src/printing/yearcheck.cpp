#include "yearcheck.h"

#include "datafile/erayear.h"
#include "itemvalues.h"
#include "printdata.h"
#include "registry/businessyear.h"

namespace gaikyo::printcheck {

QList<QStringList> impossibleBusinessYear(const ItemValues& values) {
    const CompanyRecord& company = values.data().company();
    const std::optional<businessyear::YearProblem> problem =
        businessyear::problemOf({company.startYear, company.startMonth, company.startDay},
                                {company.endYear, company.endMonth, company.endDay});
    if (!problem)
        return {};
    return {{erayear::shownDate(company.startYear, company.startMonth, company.startDay),
             erayear::shownDate(company.endYear, company.endMonth, company.endDay), problem->text}};
}

} // namespace gaikyo::printcheck
