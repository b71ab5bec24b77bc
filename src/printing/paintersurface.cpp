#include "paintersurface.h"

#include "textmetrics.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace gaikyo {

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
    m_painter.drawImage(QRectF(toDevice(mm.left()), toDevice(mm.top()), toDevice(mm.width()),
                               toDevice(mm.height())),
                        picture);
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
