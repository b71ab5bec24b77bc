#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Windows code page 932 (Microsoft's Shift_JIS): the encoding of every data file.
// Plain JIS Shift_JIS would lose ㈱, ①, ～ and the NEC/IBM rows, so the codec is
// asked for by its Microsoft name.
namespace gaikyo::cp932 {

bool available();

// The bytes of the text, or nothing when a character has no place in the code page.
std::optional<QByteArray> encode(const QString& text);

// The first character (a whole surrogate pair where there is one) that the code page
// cannot hold, or an empty string when the whole text fits.
QString firstUnencodable(const QString& text);

QString decode(const QByteArray& bytes);

} // namespace gaikyo::cp932
