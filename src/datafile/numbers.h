#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace gaikyo {

// A number typed by the user: surrounding spaces, a sign, digit-group commas and a
// fraction (rounded half to even) are accepted. Anything else, an empty text included,
// or a value outside the 32-bit range, gives nothing. The full-width forms an input
// method types (digits, comma, minus, plus, full stop, ideographic space) count as
// their ASCII forms.
std::optional<qint32> strictInteger(const QString& text);

// A part of a date typed by the user: as strictInteger(), but a fraction other than
// zeros is refused instead of rounded (7.5 is no month).
std::optional<qint32> wholeNumber(const QString& text);

// The data-entry screens' reading of a box: as above, but what cannot be read is 0.
qint32 readInteger(const QString& text);

// An integer line of a data file: ASCII only, as the files are written; what cannot be
// read is 0.
qint32 readStoredInteger(QByteArrayView text);

// The text with the full-width number characters above turned into ASCII; every other
// character stays as it is.
QString foldNumberForms(const QString& text);

// Commas between groups of three digits, a leading minus, and zero as empty text.
QString groupedDisplay(qint32 value);

// Plain decimal: digits and a leading minus, nothing else.
QString plainDecimal(qint32 value);

} // namespace gaikyo
