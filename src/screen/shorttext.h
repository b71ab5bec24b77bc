#pragma once

#include <QString>
#include <QtGlobal>

// Texts read from a user's file, cut for display: a name of two million characters laid
// out whole in a label or a list would keep the window busy for minutes.
namespace gaikyo::shorttext {

// The longest run of characters without a space or a bracket shown whole.
inline constexpr qsizetype longestRun = 200;

// Every run of more than longestRun characters cut after them, with its full length:
// "ああああ…（全2,000,000文字）". Shorter texts come back as they are.
QString shortened(const QString& text);

} // namespace gaikyo::shorttext
