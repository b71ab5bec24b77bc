#include "recordboxes.h"

#include "datafile/numbers.h"
#include "recordsaving.h"
#include "screen/screen.h"

namespace gaikyo::recordboxes {

QStringList of(const RecordLayout& layout) {
    QStringList boxes = layout.boxes();
    boxes.removeAll(QString());
    return boxes;
}

void clear(Screen& screen, const RecordLayout& layout) {
    for (const QString& box : layout.boxes())
        screen.setText(box, QString());
}

void showField(Screen& screen, const RecordLayout& layout, const SectionRecord& record,
               qsizetype field, const IntegerText& integerText) {
    if (field < layout.texts.size()) {
        screen.setText(layout.texts.at(field).box, record.texts.at(field));
        return;
    }
    const qsizetype integer = field - layout.texts.size();
    const QString& box = layout.integers.at(integer).box;
    screen.setText(box, integerText(box, record.integers.at(integer)));
}

void show(Screen& screen, const RecordLayout& layout, const SectionRecord& record,
          const IntegerText& integerText) {
    for (qsizetype field = 0; field < layout.fieldCount(); ++field)
        showField(screen, layout, record, field, integerText);
}

SectionRecord typed(const Screen& screen, const RecordLayout& layout) {
    SectionRecord record = SectionRecord::emptyFor(layout);
    for (qsizetype i = 0; i < layout.texts.size(); ++i)
        record.texts[i] = screen.text(layout.texts.at(i).box);
    for (qsizetype i = 0; i < layout.integers.size(); ++i)
        record.integers[i] = readInteger(screen.text(layout.integers.at(i).box));
    return record;
}

void emptyUnheld(Screen& screen, const RecordLayout& layout, const FileLoad& load) {
    const QStringList boxes = layout.boxes();
    for (qsizetype i = recordsaving::fieldsHeld(load, boxes.size()); i < boxes.size(); ++i)
        if (!boxes.at(i).isEmpty())
            screen.setText(boxes.at(i), QString());
}

} // namespace gaikyo::recordboxes
