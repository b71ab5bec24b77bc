#pragma once

#include "datafile/status.h"
#include "printdata.h"
#include "printsurface.h"
#include "statement/sectionrecord.h"

#include <QList>
#include <optional>

// Both pages of the form as the A4 prints draw them: what 「PDFに保存」 writes, what a
// year kept at its end holds beside its files, and what printing a kept year prints.
namespace gaikyo::formpdf {

struct Form {
    const PrintData& data;
    std::optional<qint32> referenceNumber; // 整理番号; 0 or nothing prints blank
    QList<std::optional<qint32>> months;   // the calendar month of each of item 17's rows
};

// The months of item 17's rows: the month order file's where the company has one,
// otherwise following the business year's first month (a first month that is no month
// leaves them blank).
QList<std::optional<qint32>> months(const std::optional<SectionRecord>& monthOrder,
                                    qint32 firstMonth);

// One page on A4 copy paper, with the picture of the form under it.
bool drawPage(PrintSurface& surface, const Form& form, bool front);

// "12_株式会社見本_FB1005.pdf": the name a PDF of the company is offered under.
QString fileName(const CompanyRecord& company);

// Writes both pages to a PDF at a path of this computer.
Status write(const QString& hostPath, const Form& form);

} // namespace gaikyo::formpdf
