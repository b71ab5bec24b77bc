#pragma once

#include <QList>
#include <QStringList>

namespace gaikyo {

class ItemValues;

// The check before a print: what would print wrongly, or does not agree with another
// item of the form. It only informs; the user may print anyway.
namespace printcheck {

enum class Pages { Front, Back, Both };

// One rule of the check. Each finding gives the arguments of the rule's message.
struct Rule {
    Pages pages; // the pages that print what the rule looks at
    QString message;
    QList<QStringList> (*find)(const ItemValues& values);
};

const QList<Rule>& rules();

// The lines of the check for a print of the pages, rule by rule; empty when all is well.
QStringList lines(const ItemValues& values, Pages pages);

} // namespace printcheck
} // namespace gaikyo
