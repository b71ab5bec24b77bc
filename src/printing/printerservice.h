#pragma once

#include "datafile/status.h"
#include "printsurface.h"

#include <QStringList>
#include <functional>
#include <memory>

namespace gaikyo {

// The system's printers: every print goes to the user's default printer, and the
// printer screen changes that default for all programs of the user.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    // Device names in the system's own order.
    virtual QStringList installedPrinters() = 0;
    virtual Status setDefaultPrinter(const QString& deviceName) = 0;
    // A one-page surface on the default printer; nullptr when there is no printer.
    virtual std::unique_ptr<PrintSurface> openDefaultPrinter() = 0;
    // Shows the pages as the default printer would print them, in the system's print
    // preview. The draw function ends each page with endDocument().
    virtual void showPreview(const QString& title, int pages,
                             const std::function<bool(PrintSurface&)>& draw) = 0;
};

} // namespace gaikyo
