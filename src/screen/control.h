#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <Qt>

namespace gaikyo {

enum class ControlKind { TextBox, Button, Label, ListBox, Frame, Picture, Line };

// What the input method is asked for when a box gets the focus.
enum class InputMode { None, Hiragana, FullWidthKatakana, Off };

struct FontSpec {
    QString family;    // empty: the screen's default font
    double points = 0; // 0: the screen's default size
    bool bold = false;
};

// One named control of a screen, as the screen's table lists it. Geometry is in the
// screen's unit (twips or pixels); a control inside a frame is placed relative to it.
struct Control {
    QString name;
    ControlKind kind = ControlKind::TextBox;
    QString text; // caption of buttons, labels and frames; contents of a text box
    QRect geometry;
    QString frame; // name of the frame that holds the control, if any
    FontSpec font;
    QColor background; // invalid: the toolkit's own
    QColor foreground;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int maxLength = 0; // 0: no limit
    InputMode inputMode = InputMode::None;
    bool visible = true;
    bool readOnly = false;
    QStringList items; // list boxes
    int tabIndex = -1; // keyboard focus order; -1: the order of creation
};

} // namespace gaikyo

namespace gaikyo::controls {

inline Control textBox(const QString& name, QRect geometry, const QString& text = {}) {
    Control c;
    c.name = name;
    c.kind = ControlKind::TextBox;
    c.geometry = geometry;
    c.text = text;
    return c;
}

// A box that holds a company code handed over by the main menu; never shown.
inline Control hiddenCodeBox(const QString& name) {
    Control c = textBox(name, QRect());
    c.visible = false;
    c.background = QColor(255, 0, 255);
    return c;
}

inline Control button(const QString& name, const QString& caption, QRect geometry) {
    Control c;
    c.name = name;
    c.kind = ControlKind::Button;
    c.text = caption;
    c.geometry = geometry;
    return c;
}

inline Control label(const QString& name, const QString& caption, QRect geometry) {
    Control c;
    c.name = name;
    c.kind = ControlKind::Label;
    c.text = caption;
    c.geometry = geometry;
    return c;
}

inline Control listBox(const QString& name, QRect geometry) {
    Control c;
    c.name = name;
    c.kind = ControlKind::ListBox;
    c.geometry = geometry;
    return c;
}

inline Control frame(const QString& name, const QString& caption, QRect geometry) {
    Control c;
    c.name = name;
    c.kind = ControlKind::Frame;
    c.text = caption;
    c.geometry = geometry;
    return c;
}

// A straight line drawn across its box (along the longer side).
inline Control line(const QString& name, QRect geometry) {
    Control c;
    c.name = name;
    c.kind = ControlKind::Line;
    c.geometry = geometry;
    return c;
}

// Light cyan, the background of the program's entry boxes.
inline QColor entryCyan() {
    return QColor(192, 255, 255);
}

} // namespace gaikyo::controls
