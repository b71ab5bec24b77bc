#include "yearendsteps.h"

#include "datafile/numbers.h"
#include "keptyears.h"
#include "printscreen.h"
#include "screen/application.h"
#include "screen/screennames.h"
#include "statement/newyearfigures.h"
#include "statement/recordscreen.h"

namespace gaikyo {

YearEnd::Kept YearEndSteps::keepYear(qint32 code) {
    const Kept kept = keptyears::keep(code);
    if (auto* print = qobject_cast<PrintScreen*>(m_app.existing(screens::print)))
        print->showKeptYears();
    return kept;
}

void YearEndSteps::yearRolled(qint32 code) {
    if (auto* print = qobject_cast<PrintScreen*>(m_app.existing(screens::print)))
        print->showNewYear(code);
}

Status YearEndSteps::startNewFigures(qint32 code) {
    const Status started = newyearfigures::start(code);
    if (!started.ok())
        return started;
    // A screen showing the company's old figures with nothing typed shows the new year's;
    // one holding typed values keeps them, and its save merges with the new files.
    for (const QString& name : {screens::mainAccounts, screens::monthlyTable}) {
        auto* screen = qobject_cast<RecordScreen*>(m_app.existing(name));
        if (screen && screen->companyCode() == code && screen->changedBoxes().isEmpty())
            screen->reload();
    }
    return started;
}

} // namespace gaikyo
