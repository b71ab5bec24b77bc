#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// How the printed form turns integers into the texts it prints.
namespace gaikyo::printvalues {

// A number: a space in the place of the sign for zero and positive values, else "-".
QString number(qint32 value);

// One character per box, box 1 being the rightmost: the plain decimal text read from
// its end. Boxes beyond the text stay empty; characters beyond the last box are lost.
QStringList digitBoxes(qint32 value, int boxes);

// One digit per box by arithmetic, listed from the left, each printed as a number; every
// box gets a digit, so leading zeros print.
QStringList digitSplit(qint32 value, int boxes);

} // namespace gaikyo::printvalues
