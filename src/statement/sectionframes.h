#pragma once

#include "screen/control.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <span>

namespace gaikyo::sectionframes {

// What a control of a section frame is. Text, Integer and Mark boxes are the fields of
// the section's record file.
enum class ItemKind {
    Caption, // fixed text
    Text,    // a field among the record's texts: the file keeps what was typed
    Integer, // a field among the record's integers: the file keeps the number the box
             // reads as (0 where it reads as none), and the box shows it back plain or
             // grouped; right-aligned unless told otherwise
    Mark,    // a field among the texts that takes a mark: any mark ticks the option; centred
    Button,
    Line, // a drawn straight line; its box is the line's extent
};
enum class ItemAlign { Auto, Left, Centre, Right };

// What a control has to do with 計, section 3's total of head counts.
enum class Tally {
    None,
    Counted, // a head count that 計 sums
    Sum,     // the box of 計: saved as the sum of the counted fields
    Button,  // the button that works 計 out
};

// One control of a section frame, placed in pixels relative to the frame; a field also
// holds its place in the record file. Captions of several lines are stacked one per
// line ("\n").
struct FrameItem {
    const char* name;
    ItemKind kind;
    QRect geometry;           // 0 × 0: the frame's mark size
    const char* caption = ""; // what a caption or button shows
    ItemAlign align = ItemAlign::Auto;
    double points = 0; // 0: the screen's default size
    int maxLength = 0;
    bool hiragana = false;
    // A field's place among the file's texts (Text, Mark) or its integers (Integer),
    // counted from 1: the file keeps all texts, then all integers.
    int place = 0;
    const char* message = "";  // a field's name as a message shows it
    bool groupsDigits = false; // an integer shown with digit-group commas, 0 as nothing
    Tally tally = Tally::None;

    constexpr bool isField() const {
        return kind == ItemKind::Text || kind == ItemKind::Integer || kind == ItemKind::Mark;
    }

    // A copy of the entry with one member changed.
    template <typename T> constexpr FrameItem with(T FrameItem::*member, T value) const {
        FrameItem item = *this;
        item.*member = value;
        return item;
    }
    constexpr FrameItem aligned(ItemAlign a) const { return with(&FrameItem::align, a); }
    constexpr FrameItem limitedTo(int length) const { return with(&FrameItem::maxLength, length); }
    constexpr FrameItem inHiragana() const { return with(&FrameItem::hiragana, true); }
    constexpr FrameItem grouped() const { return with(&FrameItem::groupsDigits, true); }
    constexpr FrameItem tallied(Tally t) const { return with(&FrameItem::tally, t); }
};

// A field of the record file: its box, kind, place in the file and name in messages.
constexpr FrameItem field(const char* name, ItemKind kind, int place, const char* message,
                          QRect geometry) {
    FrameItem item{name, kind, geometry};
    item.place = place;
    item.message = message;
    return item;
}
constexpr FrameItem caption(const char* name, QRect geometry, const char* text,
                            ItemAlign align = ItemAlign::Auto, double points = 0) {
    return {name, ItemKind::Caption, geometry, text, align, points};
}
constexpr FrameItem button(const char* name, QRect geometry, const char* text) {
    return {name, ItemKind::Button, geometry, text};
}
constexpr FrameItem line(const char* name, QRect geometry) {
    return {name, ItemKind::Line, geometry};
}

// A section of Form2: its button in the right-hand column, its frame, and the frame's
// row of "クリア", "ＤＡＴＡ" and "登録実行".
struct SectionFrame {
    int section; // the record file: 21 … 26
    const char* sectionButton;
    const char* sectionCaption; // the caption of both the section button and the frame
    int sectionButtonY;
    double sectionButtonPoints;
    const char* frame;
    QRect frameGeometry;
    QSize markSize;
    const char* clearButton;
    const char* dataButton;
    const char* saveButton;
    int buttonsY;
    int clearX, dataX, saveX;
    std::span<const FrameItem> items;
};

// The six sections in the statement's order, each with every control of its frame
// (sectionfields.cpp).
std::span<const SectionFrame> described();

const QList<SectionFrame>& all();
const SectionFrame& forSection(int section);
// The section's heading as the printed form writes it: "1 事業内容" for the frame's
// "１．事業内容".
QString printedHeading(const SectionFrame& frame);

// The controls of a frame, the frame itself first.
QList<Control> frameControls(const SectionFrame& frame);

// The field of any section that a box feeds, or nullptr.
const FrameItem* fieldOf(const QString& box);
// The control of a section's frame that has the given part in 計; nullptr where none.
const FrameItem* tallyItem(const SectionFrame& frame, Tally tally);

} // namespace gaikyo::sectionframes
