#pragma once

#include "printing/printerservice.h"
#include "printing/recordingsurface.h"

#include <QList>
#include <QStringList>
#include <QTest>

#include <memory>

namespace gaikyo::test {

// Every page goes to one recording, kept by the test.
class RecordingPrinters : public PrinterService {
public:
    QStringList operations;
    QList<QStringList> jobs; // every page printed, in order; operations is the last
    bool available = true;
    int failAfter = -1;

    QStringList installedPrinters() override { return {QStringLiteral("test")}; }
    Status setDefaultPrinter(const QString&) override { return {}; }
    std::unique_ptr<PrintSurface> openDefaultPrinter() override {
        if (!available)
            return nullptr;
        return std::make_unique<Forwarding>(*this);
    }
    QList<QStringList> previewPages;
    void showPreview(const QString&, int pages,
                     const std::function<bool(PrintSurface&)>& draw) override {
        // One recording a page: each page ends with "end".
        RecordingSurface surface;
        draw(surface);
        previewPages.clear();
        QStringList page;
        for (const QString& op : surface.operations()) {
            page.append(op);
            if (op == QStringLiteral("end")) {
                previewPages.append(page);
                page.clear();
            }
        }
        QCOMPARE(previewPages.size(), pages);
    }

private:
    class Forwarding : public RecordingSurface {
    public:
        explicit Forwarding(RecordingPrinters& owner) : m_owner(owner) {
            failAfter(owner.failAfter);
        }
        ~Forwarding() override {
            m_owner.operations = operations();
            m_owner.jobs.append(operations());
        }

    private:
        RecordingPrinters& m_owner;
    };
};

} // namespace gaikyo::test
