#include "printrecords.h"

#include "statement/sectionfile.h"

namespace gaikyo {

PrintRecords::PrintRecords() {
    clear();
}

void PrintRecords::clear() {
    m_company = CompanyRecord();
    for (int section : layouts::sectionNumbers())
        m_sections.insert(section, SectionRecord::emptyFor(layouts::section(section)));
}

QString PrintRecords::text(int section, int field) const {
    const auto found = m_sections.find(section);
    if (found == m_sections.end() || field < 1 || field > found->texts.size())
        return {};
    return found->texts.at(field - 1);
}

qint32 PrintRecords::integer(int section, int field) const {
    const auto found = m_sections.find(section);
    if (found == m_sections.end())
        return 0;
    const qsizetype index = field - 1 - found->texts.size();
    if (index < 0 || index >= found->integers.size())
        return 0;
    return found->integers.at(index);
}

QList<FileLoad> PrintRecords::loadSections(qint32 code) {
    QList<FileLoad> damaged;
    for (int section : layouts::sectionNumbersInFrameOrder()) {
        SectionRecord& record = m_sections[section];
        record = SectionRecord::emptyFor(layouts::section(section));
        const FileLoad load = sectionfile::load(code, layouts::section(section), record);
        if (load.damaged())
            damaged.append(load);
    }
    return damaged;
}

} // namespace gaikyo
