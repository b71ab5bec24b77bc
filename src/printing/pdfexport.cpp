#include "pdfexport.h"

#include "paintersurface.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace gaikyo {

Status writePdf(const QString& hostPath, const QString& title, int pages,
                const std::function<bool(PrintSurface&)>& draw) {
    QSaveFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(
            QStringLiteral("「%1」に保存できません。（%2）").arg(hostPath, file.errorString()));
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("gaikyo"));
        PainterSurface surface(writer);
        surface.setPagesToCome(pages - 1);
        drawn = draw(surface);
    }
    if (!drawn) {
        file.cancelWriting();
        return Status::failure(
            QStringLiteral("PDFを作れませんでした。ファイルは保存されていません。"));
    }
    if (!file.commit())
        return Status::failure(QStringLiteral("「%1」に保存できませんでした。（%2）")
                                   .arg(hostPath, file.errorString()));
    return {};
}

} // namespace gaikyo
