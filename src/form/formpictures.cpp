#include "formpictures.h"

#include "drawingpainter.h"
#include "pagedrawings.h"
#include "screendrawings.h"

#include <QHash>
#include <QMutex>

namespace gaikyo::formpictures {
namespace {

QImage page(const Drawing& drawing) {
    // Painted in grey levels first: text is smoothed at 300 dpi, then cut to black and white.
    QImage mono = render(drawing, pagePixels)
                      .convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
    // Index 0 black, index 1 white: the order a PDF keeps as a one-bit image mask, so the
    // page stays small and nothing but the black lines covers the paper.
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    if (mono.colorTable() != QList<QRgb>{black, white}) {
        mono.invertPixels();
        mono.setColorTable({black, white});
    }
    mono.setDotsPerMeterX(pageDotsPerMeter);
    mono.setDotsPerMeterY(pageDotsPerMeter);
    return mono;
}

} // namespace

// Drawn once for each pair of eras, when first needed; QImage shares the pixels with
// every copy.
QImage frontPage(erayear::Era start, erayear::Era end) {
    static QMutex lock;
    const QMutexLocker locked(&lock);
    static QHash<int, QImage> drawn;
    const int eras = int(start) * 2 + int(end);
    auto picture = drawn.find(eras);
    if (picture == drawn.end())
        picture = drawn.insert(eras, page(frontPageDrawing(start, end)));
    return *picture;
}

QImage backPage() {
    static const QImage picture = page(backPageDrawing());
    return picture;
}

QStringList screensWithBackground() {
    return {QStringLiteral("Form3"), QStringLiteral("Form4"), QStringLiteral("Form5"),
            QStringLiteral("Form6")};
}

QImage screenBackground(const QString& screenName) {
    const Drawing drawing = screenDrawing(screenName);
    if (drawing.size.isEmpty())
        return {};
    return render(drawing, drawing.size.toSize());
}

} // namespace gaikyo::formpictures
