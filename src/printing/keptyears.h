#pragma once

#include "datafile/fileload.h"
#include "printrecords.h"
#include "registry/companyrecord.h"
#include "registry/yearend.h"

#include <QList>
#include <QString>
#include <optional>

// The years a company has closed with "翌期更新": each kept in a folder of its own under
// paths::keptYearsFolder(code), named by its business year ("令和7年4月1日～令和8年3月31日"),
// holding the company's master file, section files and month order file byte for byte as
// they were before the roll, and the PDF of both pages as 「PDFに保存」 makes it. The
// program makes such a folder whole or not at all, and never changes or deletes one.
namespace gaikyo::keptyears {

struct KeptYear {
    qint32 code = 0;
    QString folder;        // as drive C: names it, ending in "\"
    QString name;          // the folder's name
    CompanyRecord company; // its master file (empty where it cannot be read)
    QString pdf;           // its PDF, as drive C: names it; empty when there is none
};

// "令和7年4月1日～令和8年3月31日": a business year as its folder is named.
QString yearName(const CompanyRecord& company);

// Keeps the company's files as they are now. A year kept already with the same files is
// not kept twice; a year kept with other files keeps both ("… (2)").
YearEnd::Kept keep(qint32 code);

// The kept years of a company, the latest business year first.
QList<KeptYear> list(qint32 code);

// The latest kept year that began before the given business year.
std::optional<KeptYear> before(qint32 code, const CompanyRecord& current);

// A kept year's files as the print reads them: its master file and section files into
// the print data, the months of item 17's rows from its month order file. A master file
// that cannot be read fails with a message; damaged section files are listed.
struct Loaded {
    Status status;
    QList<std::optional<qint32>> months;
    QList<FileLoad> damaged;
};
Loaded load(const KeptYear& year, PrintRecords& data);

// 印刷前の確認's lines where this year's item 7 (front) or item 17 (back) holds, cell for
// cell, the figures of the kept year before it: "前年と同じ数字です".
QStringList sameAsLastYear(const PrintData& now, bool front, bool back);

} // namespace gaikyo::keptyears
