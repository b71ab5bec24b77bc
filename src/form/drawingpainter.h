#pragma once

#include "drawing.h"

#include <QImage>
#include <QSizeF>

class QPainter;

namespace gaikyo::formpictures {

// The parts of a drawing, so that a check can look at one of them alone.
enum Layer {
    PaperLayer = 0x1,   // the paper and the answer cells
    LineLayer = 0x2,    // rules, boxes, circles
    CaptionLayer = 0x4, // every caption
    AllLayers = PaperLayer | LineLayer | CaptionLayer,
};

// Paints the drawing with pixelsPerUnit device pixels per drawing unit in x and y; the two
// may differ, so a page can be drawn pre-compensated for the stretch it is printed with.
void paint(QPainter& painter, const Drawing& drawing, QSizeF pixelsPerUnit, int layers = AllLayers);

// Renders the drawing into an image of the given pixel size, filling it exactly.
QImage render(const Drawing& drawing, QSize pixels, int layers = AllLayers);

} // namespace gaikyo::formpictures
