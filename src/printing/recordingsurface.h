#pragma once

#include "printsurface.h"

#include <QFont>
#include <QStringList>

namespace gaikyo {

// Keeps every operation as a line of text, for tests and golden files:
//   unit mm | font MS 明朝 11 | picture 0 0 210 291 | text 24 30 "株式会社見本" | end
// and a text drawn narrower or smaller, with its size, width and any clip rectangle:
//   text 93 115 "機種名" 8.5pt 64% | text 93 115 "…" 5pt 50% clip 92.8 114.2 108.5 119.7
class RecordingSurface : public PrintSurface {
public:
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

    const QStringList& operations() const { return m_operations; }
    // Make the n-th operation from now fail, to test abandoned prints.
    void failAfter(int operations) { m_failAfter = operations; }

private:
    bool record(const QString& operation);
    QStringList m_operations;
    QFont m_font;
    float m_x = 0;
    float m_y = 0;
    int m_failAfter = -1;
};

// The number as the recording prints it: up to two decimals, no trailing zeros.
QString millimetreText(double value);

} // namespace gaikyo
