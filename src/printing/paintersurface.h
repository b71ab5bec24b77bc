#pragma once

#include "printsurface.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

namespace gaikyo {

// Draws the page with a QPainter on a paged device (a printer or a PDF file). The
// painter starts on the first operation; the page is finished by endDocument().
class PainterSurface : public PrintSurface {
public:
    explicit PainterSurface(QPagedPaintDevice& device);
    ~PainterSurface() override;

    // For a document of several pages: the next so many endDocument() calls start a new
    // page instead of ending the document.
    void setPagesToCome(int pages) { m_pagesToCome = pages; }
    // Draws pictures at this resolution instead of their own (0: their own). A preview on
    // screen needs no 300 dpi page, and a recorded preview page keeps a copy of each
    // picture it draws.
    void setPictureDotsPerInch(int dotsPerInch) { m_pictureDotsPerInch = dotsPerInch; }

    bool setUnitMillimetres() override;
    bool setFont(const QString& family, double points) override;
    bool drawPicture(const QImage& picture, const QRectF& millimetres) override;
    void setX(float millimetres) override { m_x = millimetres; }
    void setY(float millimetres) override { m_y = millimetres; }
    bool printText(const QString& text) override;
    bool printScaledText(const QString& text, double points, double scale,
                         const QRectF& clip) override;
    double textWidth(const QString& text) override;
    bool endDocument() override;
    void abandon() override;

protected:
    // What abandoning does to the device itself (a printer cancels its job).
    virtual void discardDevice() {}
    QPagedPaintDevice& device() const { return m_device; }

private:
    bool ensureStarted();
    double toDevice(double millimetres) const;

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    QFont m_font;
    float m_x = 0;
    float m_y = 0;
    bool m_finished = false;
    int m_pagesToCome = 0;
    int m_pictureDotsPerInch = 0;
};

} // namespace gaikyo
