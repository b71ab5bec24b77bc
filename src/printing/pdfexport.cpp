#include "pdfexport.h"

#include "datafile/wholefile.h"
#include "paintersurface.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPdfWriter>

namespace gaikyo {

Status writePdf(const QString& hostPath, const QString& title, int pages,
                const std::function<bool(PrintSurface&)>& draw) {
    // The PDF writer does not look at what its device does with the bytes; so the whole
    // document is made in memory (a few hundred kilobytes) and then written through the
    // same checked whole-file write as every data file.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter writer(&document);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("gaikyo"));
        PainterSurface surface(writer);
        surface.setPagesToCome(pages - 1);
        drawn = draw(surface);
    }
    if (!drawn)
        return Status::failure(
            QStringLiteral("PDFを作れませんでした。ファイルは保存されていません。"));
    const std::optional<QString> failure = wholefile::write(hostPath, document.data());
    if (failure)
        return Status::failure(
            QStringLiteral("「%1」に保存できませんでした。%2\n前からある同じ名前のファイルは"
                           "そのままです。")
                .arg(QDir::toNativeSeparators(hostPath), *failure));
    return {};
}

} // namespace gaikyo
