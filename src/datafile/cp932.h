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

// The text with each character that input methods type but the code page holds under
// another code point (WAVE DASH for ～, MINUS SIGN for －, …) replaced by the code
// page's own character, so that what the user typed can be stored.
QString toCodePageForms(const QString& text);

} // namespace gaikyo::cp932
