#include "paintersurface.h"

#include "textmetrics.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace gaikyo {

namespace {

// A one-bit picture at 1/factor of its size in grey levels, each pixel the mean of the
// factor × factor pixels it stands for, so that thin rules stay visible. Built without
// any full-size copy of the picture.
QImage shrunkToGrey(const QImage& mono, int factor) {
    const int width = mono.width() / factor;
    const int height = mono.height() / factor;
    QImage grey(width, height, QImage::Format_Grayscale8);
    const QList<QRgb> colours = mono.colorTable();
    const int levels[2] = {qGray(colours.value(0, qRgb(0, 0, 0))),
                           qGray(colours.value(1, qRgb(255, 255, 255)))};
    const int area = factor * factor;
    QList<int> sums(width);
    for (int y = 0; y < height; ++y) {
        sums.fill(0);
        for (int dy = 0; dy < factor; ++dy) {
            const uchar* bits = mono.constScanLine(y * factor + dy);
            for (int x = 0; x < width * factor; ++x)
                sums[x / factor] += levels[(bits[x >> 3] >> (7 - (x & 7))) & 1];
        }
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = uchar(sums.at(x) / area);
    }
    return grey;
}

} // namespace

PainterSurface::PainterSurface(QPagedPaintDevice& device)
    : m_device(device), m_font(printFont(QStringLiteral("MS 明朝"), 11)) {}

PainterSurface::~PainterSurface() {
    if (m_painter.isActive())
        m_painter.end();
}

bool PainterSurface::ensureStarted() {
    if (m_finished)
        return false;
    if (!m_painter.isActive() && !m_painter.begin(&m_device))
        return false;
    return true;
}

double PainterSurface::toDevice(double millimetres) const {
    return millimetres * m_device.logicalDpiX() / 25.4;
}

bool PainterSurface::setUnitMillimetres() {
    return ensureStarted();
}

bool PainterSurface::setFont(const QString& family, double points) {
    if (!ensureStarted())
        return false;
    m_font = printFont(family, points);
    return true;
}

bool PainterSurface::drawPicture(const QImage& picture, const QRectF& mm) {
    if (!ensureStarted() || picture.isNull())
        return false;
    const QRectF target(toDevice(mm.left()), toDevice(mm.top()), toDevice(mm.width()),
                        toDevice(mm.height()));
    const int factor = m_pictureDotsPerInch > 0 && picture.dotsPerMeterX() > 0
                           ? qRound(picture.dotsPerMeterX() * 0.0254 / m_pictureDotsPerInch)
                           : 1;
    if (factor > 1 && picture.format() == QImage::Format_Mono) {
        m_painter.drawImage(target, shrunkToGrey(picture, factor));
    } else {
        m_painter.drawImage(target, picture);
    }
    return true;
}

bool PainterSurface::printText(const QString& text) {
    if (!ensureStarted())
        return false;
    if (text.isEmpty())
        return true;
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
    const QFontMetricsF metrics(m_font, &m_device);
    m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), text);
    return true;
}

bool PainterSurface::printScaledText(const QString& text, double points, double scale,
                                     const QRectF& clip) {
    if (!ensureStarted())
        return false;
    if (text.isEmpty())
        return true;
    // Laid out large and drawn scaled down, so that the text is as wide as its design.
    constexpr double magnification = exactLayoutMagnification;
    QFont font = m_font;
    font.setPointSizeF(points * magnification);
    const QFontMetricsF metrics(font, &m_device);
    m_painter.save();
    if (!clip.isEmpty())
        m_painter.setClipRect(QRectF(QPointF(toDevice(clip.left()), toDevice(clip.top())),
                                     QPointF(toDevice(clip.right()), toDevice(clip.bottom()))));
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    // Narrower about the start of the text, on the same baseline.
    m_painter.translate(toDevice(m_x), toDevice(m_y) + metrics.ascent() / magnification);
    m_painter.scale(scale / magnification, 1 / magnification);
    m_painter.drawText(QPointF(0, 0), text);
    m_painter.restore();
    return true;
}

double PainterSurface::textWidth(const QString& text) {
    return textWidthMillimetres(m_font, text);
}

bool PainterSurface::endDocument() {
    if (!ensureStarted())
        return false;
    if (m_pagesToCome > 0) {
        --m_pagesToCome;
        return m_device.newPage();
    }
    m_finished = true;
    return m_painter.end();
}

void PainterSurface::abandon() {
    m_finished = true;
    discardDevice();
    if (m_painter.isActive())
        m_painter.end();
}

} // namespace gaikyo
