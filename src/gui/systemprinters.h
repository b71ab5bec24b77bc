#pragma once

#include "printing/printerservice.h"

namespace gaikyo {

// The printers of the system: CUPS on Linux (the user's default is the one
// `lpoptions -d` sets), the Windows printer API on Windows. Pages go through QPrinter.
class SystemPrinters : public PrinterService {
public:
    QStringList installedPrinters() override;
    Status setDefaultPrinter(const QString& deviceName) override;
    std::unique_ptr<PrintSurface> openDefaultPrinter() override;
    void showPreview(const QString& title, int pages,
                     const std::function<bool(PrintSurface&)>& draw) override;
};

} // namespace gaikyo
