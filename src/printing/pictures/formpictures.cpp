#include "formpictures.h"

#include "drawingpainter.h"
#include "pagedrawings.h"
#include "screendrawings.h"

namespace gaikyo::formpictures {
namespace {

QImage page(const Drawing& drawing) {
    // Painted in grey levels first: text is smoothed at 300 dpi, then cut to black and white.
    QImage mono = render(drawing, pagePixels)
                      .convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
    mono.setDotsPerMeterX(pageDotsPerMeter);
    mono.setDotsPerMeterY(pageDotsPerMeter);
    return mono;
}

} // namespace

QImage frontPage() {
    return page(frontPageDrawing());
}

QImage backPage() {
    return page(backPageDrawing());
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
