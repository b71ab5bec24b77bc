#pragma once

#include "datafile/cp932.h"
#include "datafile/drivec.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "screen/application.h"
#include "shell/screens.h"
#include "statement/recordscreen.h"
#include "support/recordingplatform.h"
#include "support/scriptedmessages.h"
#include "support/testhome.h"

#include <QStringList>

namespace gaikyo::test {

// A program on a fresh drive C: whose statement folder exists, as after the first
// registration of a company.
struct EntryProgram {
    TestHome home;
    RecordingPlatform platform;
    ScriptedMessages messages;
    Application app{platform};

    explicit EntryProgram(bool withFolder = true) {
        screens::registerAll(app);
        if (withFolder)
            drivec::createFolder(paths::statementFolder());
    }

    // What "概況書２" … "概況書５" on the main menu do for a company.
    RecordScreen& handOver(const QString& screen, qint32 code) {
        app.open(screen, code);
        return *app.screenAs<RecordScreen>(screen);
    }

    // A company registered with its business year starting in the given month.
    void registerCompany(qint32 code, qint32 startMonth) const {
        CompanyRecord company;
        company.code = code;
        company.name = QStringLiteral("テスト商事");
        company.startYear = 20;
        company.startMonth = startMonth;
        company.startDay = 1;
        company.endYear = 21;
        company.endMonth = startMonth == 1 ? 12 : startMonth - 1;
        company.endDay = 31;
        drivec::createFolder(paths::masterFolder());
        if (!masterfile::write(company).ok())
            qFatal("cannot write the master file");
    }
};

inline QString box(int number) {
    return QStringLiteral("Text%1").arg(number);
}

// The lines of a data file without their CR LF.
inline QStringList fileLines(const QByteArray& bytes) {
    QStringList lines = cp932::decode(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace gaikyo::test
