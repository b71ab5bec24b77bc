#pragma once

#include <QList>
#include <QRectF>

// The boxes of the printed entries: for each entry of the form, the space our drawing of
// the form leaves it, between the rules, captions and boxes around its print position.
namespace gaikyo::formpictures {

enum class Page { Front, Back };

// Which value of a company an entry of the form shows.
enum class EntrySource {
    Header,          // a line of the company master file
    ReferenceNumber, // the 整理番号 box of the print screen
    Field,           // a field of a section record file
    Month,           // row `field` of the month order
};

struct EntryRef {
    EntrySource source;
    int section = 0; // Field: the section record file
    int field = 0;   // Header: the line; Field: the field; Month: the row
    bool operator==(const EntryRef&) const = default;
};

// One box, in millimetres of the A4 print (the drawing's own unit and origin). For a row
// of digit boxes it is the frame of the whole row.
struct EntryBox {
    Page page;
    EntryRef entry;
    QRectF rect;
};

const QList<EntryBox>& entryBoxes();

// The box of an entry; an empty rectangle for an entry the form has no box for.
QRectF entryBox(Page page, const EntryRef& entry);

} // namespace gaikyo::formpictures
