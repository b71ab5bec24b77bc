#pragma once

#include <QFont>
#include <QLabel>
#include <QList>
#include <QPointF>
#include <QRect>

namespace gaikyo {

// A fixed caption of a screen, laid out inside its box as drawn: wrapped where it is
// wider than the box, lines pressed closer where the box is not tall enough for the
// font's own line spacing (one character a line down a narrow box), and the font made
// smaller, down to a readable 6 pt, only where that is still not enough.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    struct Line {
        QString text;
        QPointF baseline; // left end of the line's baseline, in the label's coordinates
    };
    struct Layout {
        QFont font;
        QList<Line> lines;
        bool fits = false; // false: even at 6 pt some line runs out of the box
    };

    using QLabel::QLabel;

    // Parts of the box another control covers (the caption's text keeps out of them).
    void setCovered(const QList<QRect>& covered);
    // The caption as it is painted: the font used and each line at its place.
    Layout captionLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QRect> m_covered;
};

} // namespace gaikyo
