#pragma once

#include "printdata.h"
#include "statement/sectionrecord.h"

#include <QMap>

namespace gaikyo {

// The print screen's copy of a company: its master file and every section record file,
// as last loaded.
class PrintRecords : public PrintData {
public:
    PrintRecords();

    const CompanyRecord& company() const override { return m_company; }
    CompanyRecord& company() { return m_company; }
    QString text(int section, int field) const override;
    qint32 integer(int section, int field) const override;

    // Reads every section record file of the company afresh, 25 before 24. A section
    // without a file prints empty: never what another company left behind.
    void loadSections(qint32 code);

private:
    CompanyRecord m_company;
    QMap<int, SectionRecord> m_sections;
};

} // namespace gaikyo
