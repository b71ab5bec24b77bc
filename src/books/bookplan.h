#pragma once

#include "accountmapping.h"
#include "bookstructure.h"
#include "booktable.h"

#include <QList>
#include <QString>
#include <QStringList>

// What an import from the books would put into which box, worked out before anything
// is filled: every box from figures the program can justify, and everything it cannot
// place or that disagrees with the file's own totals said beside it.
namespace gaikyo::bookplan {

struct Fill {
    int box = 0; // its number: a MainAccount of item 7, a monthlytable::cell of item 17
    QString field;
    qint32 value = 0; // 千円, or yen for 源泉徴収税額
    bool inYen = false;
    QStringList sources;
};

struct Plan {
    QList<Fill> fills;
    QStringList unmapped;      // accounts that go into no box, with their figures
    QStringList excluded;      // accounts the user's mapping file leaves out
    QStringList disagreements; // the file's totals against what is read, both figures
    QStringList notes;         // boxes left alone and why, figures that cannot be read …
    QString error;             // the file cannot be imported at all
};

Plan trialBalance(const booktable::Book& book, const bookstructure::Structure& structure,
                  const AccountMapping& mapping);

// rowMonths: the calendar month of each of the table's twelve rows.
Plan monthlyTable(const booktable::Book& book, const bookstructure::Structure& structure,
                  const AccountMapping& mapping, const QList<int>& rowMonths);

// "1,234千円", "56,000円"
QString amountText(qint64 value, bool inYen);

} // namespace gaikyo::bookplan
