#pragma once

#include "datafile/drivec.h"
#include "printing/printprogram.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "registry/registrationscreen.h"
#include "screen/application.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "statement/sectionsscreen.h"
#include "support/recordingplatform.h"
#include "support/samplecompany.h"
#include "support/scriptedmessages.h"
#include "support/testhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace gaikyo::test {

// The whole program with companies 7 and 8 registered and their first sections saved,
// on a drive C: of its own, with message boxes and printers that record. Company 8 has
// a name and texts of its own, so that a print can tell the two apart.
struct FaultProgram {
    TestHome home;
    RecordingPlatform platform;
    ScriptedMessages messages;
    RecordingPrinters printers;
    Application app{platform};

    FaultProgram() {
        app.setPrinters(&printers);
        screens::registerAll(app);
        home.write(paths::masterFile(7), masterfile::bytes(sampleCompany(7), nullptr));
        home.write(paths::sectionFile(7, 21),
                   crlfFile({"\"一行目\"", "\"\"", "\"\"", "\"\"", "\"\"", "\"予備1\""}));
        CompanyRecord eight = sampleCompany(8);
        eight.name = QStringLiteral("八番商事株式会社");
        eight.address = QStringLiteral("大阪府大阪市8-8");
        home.write(paths::masterFile(8), masterfile::bytes(eight, nullptr));
        home.write(paths::sectionFile(8, 21),
                   crlfFile({"\"八番の事業\"", "\"\"", "\"\"", "\"\"", "\"\"", "\"予備1\""}));
        menu().startUp();
    }
    ~FaultProgram() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    MainMenu& menu() { return *app.screenAs<MainMenu>(screens::mainMenu); }

    // The main menu's "会社呼出" for a code as typed.
    void callUp(const QString& code) {
        menu().setText(QStringLiteral("Text1"), code);
        menu().click(QStringLiteral("Command2"));
    }
    SectionsScreen& sections(qint32 code = 7) {
        app.open(screens::sections, code);
        return *app.screenAs<SectionsScreen>(screens::sections);
    }
    PrintScreen& print(qint32 code = 7) {
        callUp(QString::number(code));
        menu().click(QStringLiteral("Command3"));
        return *qobject_cast<PrintScreen*>(app.existing(screens::print));
    }
    // The registration screen with company 7 called up, as a user changes a company.
    RegistrationScreen& registration() {
        auto& screen = *app.screenAs<RegistrationScreen>(screens::registration);
        screen.setText(QStringLiteral("Text1"), QStringLiteral("7"));
        screen.click(QStringLiteral("Command6"));
        return screen;
    }

    // What stands at a path of drive C: — a file's bytes, or a folder's listing with the
    // bytes of every file in it — so that a test can tell that nothing changed.
    QByteArray snapshot(const QString& windowsPath) const {
        const QString host = drivec::hostPath(windowsPath);
        const QFileInfo info(host);
        if (!info.exists())
            return "(nothing)";
        if (info.isFile())
            return "file:" + home.read(windowsPath);
        QByteArray all = "folder:";
        QDirIterator it(host, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        QStringList entries;
        while (it.hasNext())
            entries.append(it.next());
        entries.sort();
        for (const QString& entry : entries) {
            all += entry.toUtf8() + '\n';
            QFile file(entry);
            if (file.open(QIODevice::ReadOnly))
                all += file.readAll();
        }
        return all;
    }
};

} // namespace gaikyo::test
