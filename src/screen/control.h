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

// A control of a kind: its name, its box, and its caption or contents.
inline Control control(ControlKind kind, const QString& name, QRect geometry,
                       const QString& text = {}) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.text = text;
    c.geometry = geometry;
    return c;
}

inline Control textBox(const QString& name, QRect geometry, const QString& text = {}) {
    return control(ControlKind::TextBox, name, geometry, text);
}

// A box that holds a company code handed over by the main menu; never shown.
inline Control hiddenCodeBox(const QString& name) {
    Control c = textBox(name, QRect());
    c.visible = false;
    c.background = QColor(255, 0, 255);
    return c;
}

inline Control button(const QString& name, const QString& caption, QRect geometry) {
    return control(ControlKind::Button, name, geometry, caption);
}

inline Control label(const QString& name, const QString& caption, QRect geometry) {
    return control(ControlKind::Label, name, geometry, caption);
}

inline Control listBox(const QString& name, QRect geometry) {
    return control(ControlKind::ListBox, name, geometry);
}

inline Control frame(const QString& name, const QString& caption, QRect geometry) {
    return control(ControlKind::Frame, name, geometry, caption);
}

// A straight line drawn across its box (along the longer side).
inline Control line(const QString& name, QRect geometry) {
    return control(ControlKind::Line, name, geometry);
}

// Light cyan, the background of the program's entry boxes.
inline QColor entryCyan() {
    return QColor(192, 255, 255);
}

} // namespace gaikyo::controls
