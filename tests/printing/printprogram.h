#pragma once

#include "printing/printerservice.h"
#include "printing/printscreen.h"
#include "printing/recordingsurface.h"
#include "registry/companypaths.h"
#include "screen/application.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "support/recordingplatform.h"
#include "support/scriptedchecklist.h"
#include "support/scriptedmessages.h"
#include "support/testhome.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>

namespace gaikyo::test {

// The program with its print screen, printing into recordings kept by the test.

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

inline QByteArray companyMaster(const QString& homePage = QStringLiteral("http://example.com/"),
                                const QString& respondent = QStringLiteral("山田太郎")) {
    return crlfFile({"7",
                     "\"ミホン\"",
                     "\"株式会社見本\"",
                     "\"東京都\"",
                     "\"03-1\"",
                     "15",
                     "4",
                     "1",
                     "16",
                     "3",
                     "31",
                     u'"' + homePage + u'"',
                     u'"' + respondent + u'"',
                     "12345",
                     "\"山田一郎\"",
                     "\"予備2\"",
                     "\"予備3\"",
                     "\"予備4\"",
                     "\"予備5\"",
                     "\"予備6\"",
                     "\"予備7\"",
                     "\"予備8\"",
                     "\"予備9\"",
                     "\"予備10\"",
                     "\"予備11\"",
                     "\"予備12\""});
}

struct PrintProgram {
    TestHome home;
    RecordingPlatform platform;
    ScriptedMessages messages;
    ScriptedChecklist checks;
    RecordingPrinters printers;
    Application app{platform};

    PrintProgram() {
        app.setPrinters(&printers);
        screens::registerAll(app);
        home.write(paths::masterFile(7), companyMaster());
        home.write(paths::statementFolder() + QStringLiteral("keep"), {});
    }
    ~PrintProgram() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    PrintScreen& open(const QString& code = QStringLiteral("7")) {
        MainMenu& menu = *app.screenAs<MainMenu>(screens::mainMenu);
        menu.setText(QStringLiteral("Text1"), code);
        menu.click(QStringLiteral("Command3"));
        return *qobject_cast<PrintScreen*>(app.existing(screens::print));
    }
    QStringList texts() const {
        return printers.operations.filter(QRegularExpression(QStringLiteral("^text ")));
    }
};

} // namespace gaikyo::test
