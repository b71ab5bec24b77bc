#pragma once

#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "statement/recordlayouts.h"
#include "statement/sectionfile.h"
#include "support/samplecompany.h"
#include "support/testhome.h"

#include <QDate>
#include <QMap>

namespace gaikyo::test {

// A company's files on drive C: with the values a test chooses, made as the program
// writes them: the master file from a header (sampleCompany's unless changed), and the
// section files from their records. Fields are counted from 1 among a record's texts or
// its numbers, as the record layouts count them.
class CompanyBuilder {
public:
    explicit CompanyBuilder(qint32 code = 7) : m_header(sampleCompany(code)) {}

    CompanyRecord& header() { return m_header; }

    // A business year of twelve months from the first day of the month, in the header's
    // start year.
    CompanyBuilder& yearFrom(qint32 startMonth) {
        m_header.startMonth = startMonth;
        m_header.startDay = 1;
        const QDate end = QDate(1988 + m_header.startYear, startMonth, 1).addYears(1).addDays(-1);
        m_header.endYear = end.year() - 1988; // the files count years from 平成1
        m_header.endMonth = end.month();
        m_header.endDay = end.day();
        return *this;
    }
    CompanyBuilder& text(int section, int field, const QString& text) {
        record(section).texts[field - 1] = text;
        return *this;
    }
    CompanyBuilder& integer(int section, int field, qint32 value) {
        record(section).integers[field - 1] = value;
        return *this;
    }
    // Every section file, empty where no value is chosen, as after each one is saved once.
    CompanyBuilder& everySection() {
        for (const int section : layouts::sectionNumbers())
            record(section);
        return *this;
    }

    QByteArray masterFile() const { return masterfile::bytes(m_header, nullptr); }
    // The section files chosen, as drive C: names them, with their bytes.
    QMap<QString, QByteArray> sectionFiles() const {
        QMap<QString, QByteArray> files;
        for (auto it = m_sections.cbegin(); it != m_sections.cend(); ++it) {
            QByteArray bytes;
            if (!sectionfile::encode(layouts::section(it.key()), it.value(), bytes).ok())
                qFatal("section %d of the test company cannot be written", it.key());
            files.insert(paths::sectionFile(m_header.code, it.key()), bytes);
        }
        return files;
    }
    // The master file and the section files.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> all = sectionFiles();
        all.insert(paths::masterFile(m_header.code), masterFile());
        return all;
    }
    void writeTo(const TestHome& home) const {
        const QMap<QString, QByteArray> all = files();
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            home.write(it.key(), it.value());
    }

private:
    SectionRecord& record(int section) {
        auto it = m_sections.find(section);
        if (it == m_sections.end())
            it = m_sections.insert(section, SectionRecord::emptyFor(layouts::section(section)));
        return *it;
    }

    CompanyRecord m_header;
    QMap<int, SectionRecord> m_sections;
};

} // namespace gaikyo::test
