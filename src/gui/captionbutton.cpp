#include "captionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextOption>

namespace gaikyo {

namespace {

constexpr int flags = Qt::AlignCenter | Qt::TextWrapAnywhere;

bool fits(const QFont& font, const QRect& room, const QString& text) {
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(room, flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    QFont font = this->font();
    // One line where it fits; else wrapped; else smaller, down to a readable size.
    if (!fits(font, room, caption))
        while (font.pointSizeF() > 6 && !fits(font, room, caption))
            font.setPointSizeF(font.pointSizeF() - 0.5);
    painter.setFont(font);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(room, flags, caption);
}

} // namespace gaikyo
