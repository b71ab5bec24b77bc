#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace gaikyo {

// One data field of a record file: the screen box that feeds it, the field's name as a
// message shows it to the user, and the heading of the form's item it belongs to.
struct RecordField {
    QString box; // empty where no box feeds the field
    QString caption;
    QString item; // as the printed form heads the item: "7 主要科目"
};

// The fields of one record file in file order: all texts, then all integers. Every
// file ends with the filler lines "予備1" … "予備12", which are written and never read.
// The files of Form2's sections (21 … 26) take their fields from the sections'
// description (sectionfields.cpp).
struct RecordLayout {
    int section = 0; // 21 … 60; 0 for the month order file
    QList<RecordField> texts;
    QList<RecordField> integers;

    qsizetype fieldCount() const { return texts.size() + integers.size(); }
    // A field by its number in the file, counted from 1 through the texts, then the
    // integers.
    const RecordField& field(int number) const {
        const qsizetype index = number - 1;
        return index < texts.size() ? texts.at(index) : integers.at(index - texts.size());
    }
    qsizetype lineCount() const { return fieldCount() + fillerCount; }
    // The boxes of the fields in file order; empty where no box feeds a field.
    QStringList boxes() const {
        QStringList all;
        for (const QList<RecordField>* fields : {&texts, &integers})
            for (const RecordField& field : *fields)
                all.append(field.box);
        return all;
    }

    static constexpr int fillerCount = 12;
};

namespace layouts {

// The section numbers in the order the statement has them: 21 … 26, 30, 40, 50, 60.
const QList<int>& sectionNumbers();
// The same numbers with Form2's sections in the order of their frames' names (Frame1 …
// Frame6). Sections 4 and 5 live in crossed-over frames (section 4 in Frame5), so 25
// comes before 24; the print screen has always read the files in this order.
const QList<int>& sectionNumbersInFrameOrder();
// The layout of a section record file; the number must be one of sectionNumbers().
const RecordLayout& section(int number);
// The month order file of the monthly table.
const RecordLayout& monthOrder();

// The caption of the field a box feeds (the box's name where it feeds none).
QString captionOf(const RecordLayout& layout, const QString& box);
// What a box's text saves as: an integer field's text as the number it reads as.
QString savedForm(const RecordLayout& layout, const QString& box, const QString& text);

} // namespace layouts

} // namespace gaikyo
