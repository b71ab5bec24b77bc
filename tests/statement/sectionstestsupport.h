#pragma once

#include "datafile/drivec.h"
#include "registry/companypaths.h"
#include "screen/application.h"
#include "shell/screens.h"
#include "statement/sectionsscreen.h"
#include "support/recordingplatform.h"
#include "support/scriptedmessages.h"
#include "support/testhome.h"

namespace gaikyo::test {

// A program with a fresh drive C: whose statement folder exists, as after the first
// registration of a company.
struct SectionsProgram {
    TestHome home;
    RecordingPlatform platform;
    ScriptedMessages messages;
    Application app{platform};

    explicit SectionsProgram(bool withFolder = true) {
        screens::registerAll(app);
        if (withFolder)
            drivec::createFolder(paths::statementFolder());
    }

    // What "概況書１" on the main menu does for a company.
    SectionsScreen& handOver(qint32 code) {
        app.open(screens::sections, code);
        return *app.screenAs<SectionsScreen>(screens::sections);
    }
};

} // namespace gaikyo::test
