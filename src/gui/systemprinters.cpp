#include "systemprinters.h"

#include "printing/paintersurface.h"

#include <QApplication>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cups/cups.h>
#endif

namespace gaikyo {

namespace {

// Enough for the preview's largest zoom steps on a screen.
constexpr int previewDotsPerInch = 150;

// A page on a QPrinter that the surface owns; an abandoned page cancels the job.
class PrinterSurface : public PainterSurface {
public:
    explicit PrinterSurface(std::unique_ptr<QPrinter> printer)
        : PainterSurface(*printer), m_printer(std::move(printer)) {}

protected:
    void discardDevice() override { m_printer->abort(); }

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace

QStringList SystemPrinters::installedPrinters() {
#ifdef Q_OS_WIN
    return QPrinterInfo::availablePrinterNames();
#else
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QStringList names;
    for (int i = 0; i < count; ++i)
        if (!dests[i].instance)
            names.append(QString::fromLocal8Bit(dests[i].name));
    cupsFreeDests(count, dests);
    return names;
#endif
}

Status SystemPrinters::setDefaultPrinter(const QString& deviceName) {
    const QString refused =
        QStringLiteral("プリンター「%1」を通常使うプリンターにできませんでした。").arg(deviceName);
#ifdef Q_OS_WIN
    if (!SetDefaultPrinterW(reinterpret_cast<LPCWSTR>(deviceName.utf16())))
        return Status::failure(refused);
    return {};
#else
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    const QByteArray name = deviceName.toLocal8Bit();
    bool found = false;
    for (int i = 0; i < count; ++i) {
        const bool chosen = !dests[i].instance && name == dests[i].name;
        found = found || chosen;
        dests[i].is_default = chosen ? 1 : 0;
    }
    // As `lpoptions -d`: the user's own default, kept in the user's lpoptions file.
    const int written = found ? cupsSetDests2(CUPS_HTTP_DEFAULT, count, dests) : -1;
    cupsFreeDests(count, dests);
    if (written != 0)
        return Status::failure(refused);
    return {};
#endif
}

namespace {

// The default printer, set up for one A4 page of the form.
std::unique_ptr<QPrinter> formPrinter(const QPrinterInfo& info) {
    auto printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                 : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setFullPage(false);
    printer->setDocName(QStringLiteral("法人事業概況説明書 FB1005"));
    return printer;
}

} // namespace

std::unique_ptr<PrintSurface> SystemPrinters::openDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<PrinterSurface>(formPrinter(info));
}

void SystemPrinters::showPreview(const QString& title, int pages,
                                 const std::function<bool(PrintSurface&)>& draw) {
    // Without a printer the preview still shows the page, on the same A4 paper.
    std::unique_ptr<QPrinter> printer = formPrinter(QPrinterInfo::defaultPrinter());
    QPrintPreviewDialog dialog(printer.get(), QApplication::activeWindow());
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        PainterSurface surface(*target);
        surface.setPagesToCome(pages - 1);
        // The pages on screen; printing from the preview draws anew at full resolution.
        if (target->paintEngine() && target->paintEngine()->type() == QPaintEngine::Picture)
            surface.setPictureDotsPerInch(previewDotsPerInch);
        draw(surface);
    });
    dialog.exec();
#ifdef __GLIBC__
    // The recorded pages are gone with the dialog; hand their memory back to the system
    // rather than keep it in the heap.
    malloc_trim(0);
#endif
}

} // namespace gaikyo
