#pragma once

#include "screen/application.h"
#include "shell/mainmenu.h"
#include "support/recordingplatform.h"
#include "support/recordingprinters.h"
#include "support/scriptedmessages.h"
#include "support/testhome.h"

#include <QString>

#include <memory>

namespace gaikyo::test {

// How the main menu opens a screen on a company, from the menu's own table.
const MainMenu::CompanyScreen& handOverOf(const QString& screen);

// What a test program differs in. Each one left out is the usual: a drive C: of the
// program's own, no printers, message boxes answered from the program's own script.
struct TestProgramOptions {
    // The test's own home folder, made before the program; none: a fresh one of its own.
    TestHome* home = nullptr;
    // The test's own message script, made before the program; none: one of its own.
    ScriptedMessages* messages = nullptr;
    // Scripted: the program's own script answers the boxes. Passed on: they are only
    // kept, and the real boxes a window test installed before answer them.
    ScriptedMessages::Answers answers = ScriptedMessages::Answers::Scripted;
    // The printers of the system as the program sees them: the test's own, or the
    // program's recording ones (its member printers), or none.
    PrinterService* printers = nullptr;
    bool recordingPrinters = false;
    // The statement folder made, as after the first registration of a company.
    bool statementFolder = false;
};

// The program as the tests run it: every screen made known to the application as the
// program does, with a platform that records and message boxes that are kept. No screen
// is made until the test asks for one, so a fixture built on it can first add windows
// (test::Windowed), printers or files. Every program fixture of the tests builds on it.
class TestProgram {
public:
    using Options = TestProgramOptions;

    TestProgram() : TestProgram(Options{}) {}
    explicit TestProgram(const Options& options);
    ~TestProgram();
    TestProgram(const TestProgram&) = delete;
    TestProgram& operator=(const TestProgram&) = delete;

private:
    // Made before every other member, so that the program starts on its drive C:.
    std::unique_ptr<TestHome> m_ownHome;
    std::unique_ptr<ScriptedMessages> m_ownMessages;

public:
    TestHome& home;
    RecordingPlatform platform;
    ScriptedMessages& messages;
    RecordingPrinters printers; // what the recording printers printed
    Application app{platform};

    MainMenu& menu();
    // The main menu's start-up, as the program starts: the pledge checked, the lists
    // filled. False when the program ended before the menu could be shown.
    bool startUp();
    // The main menu's "会社呼出" for a code as typed.
    void callUp(const QString& code);
    // What the main menu's button for the screen does for a company, by the menu's own
    // table of the screens it opens on a company.
    Screen& handOver(const QString& screen, qint32 code);
    template <class T> T& handOverAs(const QString& screen, qint32 code) {
        return *qobject_cast<T*>(&handOver(screen, code));
    }
};

} // namespace gaikyo::test
