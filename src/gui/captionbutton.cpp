#include "captionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextOption>

namespace gaikyo {

namespace {

bool fits(const QFont& font, const QRect& room, const QString& text) {
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(room, CaptionButton::captionFlags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace

QRect CaptionButton::captionRoom() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QFont CaptionButton::captionFont() const {
    const QRect room = captionRoom();
    QFont font = this->font();
    // One line where it fits; else wrapped; else smaller, down to a readable size.
    while (font.pointSizeF() > 6 && !fits(font, room, text()))
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setFont(captionFont());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRoom(), captionFlags, text());
}

} // namespace gaikyo
