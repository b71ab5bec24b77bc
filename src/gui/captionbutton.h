#pragma once

#include <QPushButton>

namespace gaikyo {

// A button whose caption wraps onto as many lines as the button is tall, as the
// screens' buttons have always done, and shrinks only where even that does not fit.
// text() stays the caption as the screen gives it.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // How the caption is drawn: the text flags, the room inside the button's bevel and
    // the font after shrinking.
    static constexpr int captionFlags = Qt::AlignCenter | Qt::TextWrapAnywhere;
    QRect captionRoom() const;
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace gaikyo
