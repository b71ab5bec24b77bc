#pragma once

#include "datafile/fileload.h"
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

    // Reads every section record file of the company afresh, in the order of Form2's
    // frames (25 before 24). A section without a file prints empty: never what another
    // company left behind. Returns the files that are damaged or short (those print what
    // could be read of them).
    QList<FileLoad> loadSections(qint32 code);
    // No company: an empty header and every section empty.
    void clear();
    // One section as read from elsewhere (a kept year's copy of its file).
    void setSection(int section, const SectionRecord& record) { m_sections[section] = record; }

private:
    CompanyRecord m_company;
    QMap<int, SectionRecord> m_sections;
};

} // namespace gaikyo
