#pragma once

#include "printing/printscreen.h"
#include "registry/companypaths.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "support/recordingprinters.h"
#include "support/scriptedchecklist.h"
#include "support/testprogram.h"

#include <QRegularExpression>

namespace gaikyo::test {

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

// The program with its print screen, company 7 registered, printing into recordings kept
// by the test.
struct PrintProgram : TestProgram {
    ScriptedChecklist checks;

    PrintProgram() : TestProgram({.recordingPrinters = true}) {
        home.write(paths::masterFile(7), companyMaster());
        home.write(paths::statementFolder() + QStringLiteral("keep"), {});
    }

    PrintScreen& open(const QString& code = QStringLiteral("7")) {
        menu().setText(QStringLiteral("Text1"), code);
        menu().click(QStringLiteral("Command3"));
        return *qobject_cast<PrintScreen*>(app.existing(screens::print));
    }
    QStringList texts() const {
        return printers.operations.filter(QRegularExpression(QStringLiteral("^text ")));
    }
};

} // namespace gaikyo::test
