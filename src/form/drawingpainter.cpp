#include "drawingpainter.h"

#include "screen/fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace gaikyo::formpictures {
namespace {

QString familyOf(Face face) {
    return face == Face::Gothic ? QStringLiteral("ＭＳ Ｐゴシック") : QStringLiteral("MS 明朝");
}

QFont fontFor(const Caption& caption, double unitsPerPoint, double pixelsPerUnit) {
    QFont font(familyOf(caption.face));
    font.setPixelSize(std::max(1, qRound(caption.points * unitsPerPoint * pixelsPerUnit)));
    // Glyph shapes must not depend on the output size: no hinting.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QRectF toDevice(const QRectF& rect, QSizeF scale) {
    return {rect.x() * scale.width(), rect.y() * scale.height(), rect.width() * scale.width(),
            rect.height() * scale.height()};
}

// Horizontal captions: each line condensed to the rectangle's width when needed, the block
// squeezed to its height when needed, then placed by the alignment.
void paintHorizontal(QPainter& painter, const Caption& caption, const QFont& font,
                     const QRectF& rect, double aspect) {
    const QFontMetricsF metrics(font);
    const QStringList lines = caption.text.split(QLatin1Char('\n'));
    const double vscale = std::min(aspect, rect.height() / (lines.size() * metrics.height()));
    const double blockHeight = lines.size() * metrics.height() * vscale;
    double top = rect.top();
    if (caption.alignment & Qt::AlignVCenter)
        top = rect.center().y() - blockHeight / 2;
    else if (caption.alignment & Qt::AlignBottom)
        top = rect.bottom() - blockHeight;
    painter.setFont(font);
    for (const QString& line : lines) {
        const double natural = metrics.horizontalAdvance(line);
        const double hscale = natural > rect.width() ? rect.width() / natural : 1.0;
        const double width = natural * hscale;
        double left = rect.left();
        if (caption.alignment & Qt::AlignHCenter)
            left = rect.center().x() - width / 2;
        else if (caption.alignment & Qt::AlignRight)
            left = rect.right() - width;
        painter.save();
        painter.translate(left, top);
        painter.scale(hscale, vscale);
        painter.drawText(QPointF(0, metrics.ascent()), line);
        painter.restore();
        top += metrics.height() * vscale;
    }
}

// Vertical captions: one cell per character, a run of digits shares one cell (as "11" in
// an item number), a space leaves half a cell.
void paintVertical(QPainter& painter, const Caption& caption, const QFont& font, const QRectF& rect,
                   double aspect) {
    QStringList cells;
    QList<double> weights;
    const QString& text = caption.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isDigit() && !cells.isEmpty() && cells.last().back().isDigit() &&
            cells.last().back() < QChar(0x80)) {
            cells.last().append(text[i]);
            continue;
        }
        cells.append(QString(text[i]));
        weights.append(text[i] == QLatin1Char(' ') ? 0.5 : 1.0);
    }
    const QFontMetricsF metrics(font);
    double total = 0;
    for (double w : weights)
        total += w;
    const double cell = metrics.height() * 0.92;
    const double vscale = std::min(aspect, rect.height() / (total * cell));
    painter.setFont(font);
    double top = rect.top();
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const double natural = metrics.horizontalAdvance(cells[i]);
        const double hscale = natural > rect.width() ? rect.width() / natural : 1.0;
        painter.save();
        painter.translate(rect.center().x() - natural * hscale / 2, top);
        painter.scale(hscale, vscale);
        painter.drawText(QPointF(0, metrics.ascent() - (metrics.height() - cell) / 2), cells[i]);
        painter.restore();
        top += cell * weights[i] * vscale;
    }
}

} // namespace

void paint(QPainter& painter, const Drawing& drawing, QSizeF scale, int layers) {
    fonts::installSubstitutes();
    painter.save();
    if (layers & PaperLayer) {
        painter.fillRect(toDevice(QRectF(QPointF(0, 0), drawing.size), scale), drawing.paper);
        for (const QRectF& area : drawing.answerAreas)
            painter.fillRect(toDevice(area, scale), drawing.answer);
    }
    if (layers & LineLayer) {
        // Rules are drawn crisp: a thin rule must stay whole when the picture is reduced to
        // one bit per pixel.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        auto penFor = [&](Pen pen) {
            const double width = std::max(1.0, drawing.penWidths[static_cast<int>(pen)] *
                                                   std::min(scale.width(), scale.height()));
            QPen qpen(drawing.ink, std::round(width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
            if (pen == Pen::Dotted)
                qpen.setDashPattern({2.0, 2.0});
            return qpen;
        };
        for (const Stroke& stroke : drawing.strokes) {
            painter.setPen(penFor(stroke.pen));
            painter.drawLine(
                QLineF(stroke.line.x1() * scale.width(), stroke.line.y1() * scale.height(),
                       stroke.line.x2() * scale.width(), stroke.line.y2() * scale.height()));
        }
        for (const Outline& outline : drawing.outlines) {
            painter.setPen(penFor(outline.pen));
            if (outline.round) {
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.drawEllipse(toDevice(outline.rect, scale));
                painter.setRenderHint(QPainter::Antialiasing, false);
            } else {
                painter.drawRect(toDevice(outline.rect, scale));
            }
        }
    }
    if (layers & CaptionLayer) {
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(drawing.ink);
        const double aspect = scale.height() / scale.width();
        for (const Caption& caption : drawing.captions) {
            const QFont font = fontFor(caption, drawing.unitsPerPoint, scale.width());
            const QRectF rect = toDevice(caption.rect, scale);
            if (caption.vertical)
                paintVertical(painter, caption, font, rect, aspect);
            else
                paintHorizontal(painter, caption, font, rect, aspect);
        }
    }
    painter.restore();
}

QImage render(const Drawing& drawing, QSize pixels, int layers) {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, drawing,
          QSizeF(pixels.width() / drawing.size.width(), pixels.height() / drawing.size.height()),
          layers);
    painter.end();
    return image;
}

} // namespace gaikyo::formpictures
