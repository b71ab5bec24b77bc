#include "formpdf.h"

#include "datafile/erayear.h"
#include "datafile/numbers.h"
#include "form/formpictures.h"
#include "pageprinter.h"
#include "pdfexport.h"

#include <QRegularExpression>

namespace gaikyo::formpdf {

QList<std::optional<qint32>> months(const std::optional<SectionRecord>& monthOrder,
                                    qint32 firstMonth) {
    QList<std::optional<qint32>> rows;
    if (monthOrder) {
        for (qint32 month : monthOrder->integers)
            rows.append(month);
        return rows;
    }
    for (int row = 0; row < 12; ++row)
        rows.append(firstMonth >= 1 && firstMonth <= 12
                        ? std::optional<qint32>((firstMonth - 1 + row) % 12 + 1)
                        : std::nullopt);
    return rows;
}

bool drawPage(PrintSurface& surface, const Form& form, bool front) {
    PagePrinter printer(surface, form.data, PagePrinter::Sheet::A4);
    printer.setReferenceNumber(form.referenceNumber);
    if (front) {
        // The picture's 事業年度 names the era of each date of the year printed.
        const CompanyRecord& company = form.data.company();
        return printer.printFront(
            formpictures::frontPage(erayear::eraOf(company.startYear, company.startMonth),
                                    erayear::eraOf(company.endYear, company.endMonth)));
    }
    printer.setMonths(form.months);
    return printer.printBack(formpictures::backPage());
}

QString fileName(const CompanyRecord& company) {
    QString name =
        QStringLiteral("%1_%2_FB1005.pdf").arg(plainDecimal(company.code), company.name.trimmed());
    // Characters a file name cannot hold on any desktop.
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|]"));
    name.replace(unsafe, QStringLiteral("_"));
    return name;
}

Status write(const QString& hostPath, const Form& form) {
    return writePdf(hostPath,
                    QStringLiteral("法人事業概況説明書 FB1005 ") + form.data.company().name, 2,
                    [&form](PrintSurface& surface) {
                        return drawPage(surface, form, true) && drawPage(surface, form, false);
                    });
}

} // namespace gaikyo::formpdf
