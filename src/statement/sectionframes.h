#pragma once

#include "screen/control.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <span>

namespace gaikyo::sectionframes {

enum class ItemKind {
    Caption, // fixed text
    Text,    // saved as typed
    Integer, // saved by integer reading; right-aligned unless told otherwise
    Mark,    // a mark box: any mark ticks the option; centred
    Button,
    Line, // a drawn straight line; its box is the line's extent
};
enum class ItemAlign { Auto, Left, Centre, Right };

// One control of a section frame, placed in pixels relative to the frame. Captions of
// several lines are stacked one per line ("\n").
struct FrameItem {
    const char* name;
    ItemKind kind;
    int x, y, width, height; // 0 × 0: the frame's mark size
    const char* caption = "";
    ItemAlign align = ItemAlign::Auto;
    double points = 0; // 0: the screen's default size
    int maxLength = 0;
    bool hiragana = false;
};

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

// Sections 1 to 3 and 4 to 6, each group in its own file.
std::span<const SectionFrame> sectionsOneToThree();
std::span<const SectionFrame> sectionsFourToSix();

// The six sections in the statement's order.
const QList<SectionFrame>& all();
const SectionFrame& forSection(int section);

// The controls of a frame, the frame itself first.
QList<Control> frameControls(const SectionFrame& frame);

} // namespace gaikyo::sectionframes
