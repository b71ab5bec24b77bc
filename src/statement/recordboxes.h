#pragma once

#include "datafile/fileload.h"
#include "recordlayouts.h"
#include "sectionrecord.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace gaikyo {
class Screen;
}

// The boxes of a record file's fields on a screen: what they show of a record and what
// they would save.
namespace gaikyo::recordboxes {

// How an integer field shows in its box.
using IntegerText = std::function<QString(const QString& box, qint32 value)>;

// The boxes that feed the layout's fields, in file order.
QStringList of(const RecordLayout& layout);
// Empties the boxes of the layout's fields; the record is untouched.
void clear(Screen& screen, const RecordLayout& layout);
// Shows one field of a record (counted in file order) in its box.
void showField(Screen& screen, const RecordLayout& layout, const SectionRecord& record,
               qsizetype field, const IntegerText& integerText);
// Shows every field of a record in its box.
void show(Screen& screen, const RecordLayout& layout, const SectionRecord& record,
          const IntegerText& integerText);
// What the boxes would save now. A box that cannot be read gives 0 for its field alone.
SectionRecord typed(const Screen& screen, const RecordLayout& layout);
// After a load, the boxes of the fields the file lacks are emptied, rather than showing a
// 0 it never held.
void emptyUnheld(Screen& screen, const RecordLayout& layout, const FileLoad& load);

} // namespace gaikyo::recordboxes
