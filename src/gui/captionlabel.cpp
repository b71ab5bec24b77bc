#include "captionlabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace gaikyo {

namespace {

constexpr double smallestPoints = 6;

// The ink of a line's glyphs around its baseline; empty for blanks.
QRectF inkOf(const QFontMetricsF& metrics, const QString& text) {
    return text.trimmed().isEmpty() ? QRectF() : metrics.tightBoundingRect(text);
}

struct Span {
    qreal left, right;
};

// Where a line may run between top and bottom: the box less what other controls cover
// of it at that height (a control right of the middle takes the right end, one left of
// it the left end).
Span spanAt(const QRectF& room, const QList<QRect>& covered, qreal top, qreal bottom) {
    Span span{room.left(), room.right()};
    for (const QRect& c : covered) {
        const QRectF r(c);
        if (r.top() >= bottom || r.bottom() <= top)
            continue;
        if (r.center().x() > room.center().x())
            span.right = qMin(span.right, r.left());
        else
            span.left = qMax(span.left, r.right());
    }
    return span;
}

struct Wrapped {
    QString text;
    qreal width = 0;
    Span span;
};

// The caption's paragraphs wrapped line by line, each line as wide as its span when the
// lines stand pitch apart from the top of the box.
QList<Wrapped> wrap(const QString& caption, const QFont& font, const QRectF& room,
                    const QList<QRect>& covered, qreal pitch) {
    QStringList paragraphs = caption.split(QLatin1Char('\n'));
    while (paragraphs.size() > 1 && paragraphs.last().isEmpty())
        paragraphs.removeLast(); // a closing line break starts no line of its own
    QList<Wrapped> lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (;;) {
            const qreal top = room.top() + lines.size() * pitch;
            const Span span = spanAt(room, covered, top, top + pitch);
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(qMax<qreal>(1, span.right - span.left));
            lines.append({paragraph.mid(line.textStart(), line.textLength()),
                          line.naturalTextWidth(), span});
        }
        layout.endLayout();
        if (paragraph.isEmpty() && lines.isEmpty())
            lines.append({QString(), 0, spanAt(room, covered, room.top(), room.top() + pitch)});
    }
    return lines;
}

// The caption in one font: the font's own line spacing where the box is tall enough,
// else the lines pressed together as far as their glyphs allow.
CaptionLabel::Layout layOut(const QString& caption, const QFont& font, const QRectF& room,
                            const QList<QRect>& covered, Qt::Alignment alignment) {
    const QFontMetricsF metrics(font);
    // The glyphs' reach above and below the baseline, over all lines.
    qreal inkAbove = 0, inkBelow = 0;
    const auto measureInk = [&](const QList<Wrapped>& lines) {
        inkAbove = inkBelow = 0;
        for (const Wrapped& w : lines) {
            const QRectF ink = inkOf(metrics, w.text);
            inkAbove = qMax(inkAbove, -ink.top());
            inkBelow = qMax(inkBelow, ink.bottom());
        }
    };
    qreal pitch = metrics.lineSpacing();
    QList<Wrapped> lines = wrap(caption, font, room, covered, pitch);
    measureInk(lines);
    // Lines stand at the font's own spacing, a little wider where their glyphs would
    // touch, closer where the box is not tall enough for that.
    for (int round = 0; round < 3; ++round) {
        const qreal wanted = qMax(metrics.lineSpacing(), inkAbove + inkBelow + 1);
        const qreal next =
            lines.size() * wanted > room.height() ? room.height() / lines.size() : wanted;
        if (qFuzzyCompare(next, pitch))
            break;
        pitch = next;
        lines = wrap(caption, font, room, covered, pitch);
        measureInk(lines);
    }
    const bool natural = qFuzzyCompare(pitch, metrics.lineSpacing());
    CaptionLabel::Layout result{font, {}, true};
    if (lines.size() > 1 && inkAbove + inkBelow + 1 > pitch)
        result.fits = false; // the glyphs of neighbouring lines would meet
    for (int i = 0; i < lines.size(); ++i) {
        const Wrapped& w = lines.at(i);
        const qreal bandTop = room.top() + i * pitch;
        const qreal baseline = natural ? bandTop + qMax(metrics.ascent(), inkAbove)
                                       : bandTop + (pitch - inkAbove - inkBelow) / 2 + inkAbove;
        qreal x = w.span.left;
        if (alignment & Qt::AlignHCenter)
            x += (w.span.right - w.span.left - w.width) / 2;
        else if (alignment & Qt::AlignRight)
            x = w.span.right - w.width;
        // Glyphs that reach past their advance (the foot of an A) stay in the span too.
        const QRectF glyphs = inkOf(metrics, w.text);
        if (!glyphs.isEmpty()) {
            x = qMin(x, w.span.right - glyphs.right());
            x = qMax(x, w.span.left - glyphs.left());
        }
        result.lines.append({w.text, QPointF(x, baseline)});
        const QRectF ink = glyphs.translated(x, baseline);
        if (w.width > w.span.right - w.span.left + 0.01 || (!ink.isEmpty() && !room.contains(ink)))
            result.fits = false;
    }
    return result;
}

} // namespace

void CaptionLabel::setCovered(const QList<QRect>& covered) {
    m_covered.clear();
    // Neighbours drawn edge to edge share a pixel or two of border; that covers nothing.
    for (const QRect& c : covered)
        if (c.width() > 2 && c.height() > 2)
            m_covered.append(c);
    update();
}

CaptionLabel::Layout CaptionLabel::captionLayout() const {
    const QRectF room(contentsRect());
    QFont font = this->font();
    for (;;) {
        Layout layout = layOut(text(), font, room, m_covered, alignment());
        if (layout.fits || font.pointSizeF() - 0.5 < smallestPoints)
            return layout;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    const Layout layout = captionLayout();
    QPainter painter(this);
    painter.setFont(layout.font);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const Line& line : layout.lines)
        painter.drawText(line.baseline, line.text);
}

} // namespace gaikyo
