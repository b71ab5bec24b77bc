#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The 有/無 boxes of items 8 and 9, which section file 30 keeps as numbers: 1 for a box
// ticked, 0 for one left empty. People tick them as they tick every other box of the
// form, with a mark.
namespace gaikyo::markbox {

// The number a box's text stands for: 1 for ○, 〇, ◯, レ, ✓, ✔ or 1 (half- or
// full-width), 0 for an empty box or 0; nothing for any other text.
std::optional<qint32> read(const QString& typed);

// What a box shows, and the paper prints, for the number a file holds: ○ for 1, nothing
// for 0, any other number as it stands (a file written by hand).
QString shown(qint32 stored);

// The message for a text that is no mark, naming the box.
QString refusal(const QString& boxCaption, const QString& typed);

} // namespace gaikyo::markbox
