#pragma once

#include "datafile/drivec.h"
#include "registry/companypaths.h"
#include "shell/screens.h"
#include "statement/sectionsscreen.h"
#include "support/testprogram.h"

namespace gaikyo::test {

// A program with a fresh drive C: whose statement folder exists, as after the first
// registration of a company.
struct SectionsProgram : TestProgram {
    explicit SectionsProgram(bool withFolder = true)
        : TestProgram({.statementFolder = withFolder}) {}

    // What "概況書１" on the main menu does for a company.
    SectionsScreen& handOver(qint32 code) {
        return handOverAs<SectionsScreen>(screens::sections, code);
    }
};

} // namespace gaikyo::test
