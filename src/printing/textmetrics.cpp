#include "textmetrics.h"

#include "screen/fonts.h"

#include <QFontMetricsF>
#include <QImage>

namespace gaikyo {

namespace {
constexpr int measuringDotsPerInch = 1200;
}

QFont printFont(const QString& family, double points) {
    return fonts::font(family, points);
}

double textWidthMillimetres(const QFont& font, const QString& text) {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(measuringDotsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    const QFontMetricsF metrics(font, &device);
    return metrics.horizontalAdvance(text) * 25.4 / measuringDotsPerInch;
}

} // namespace gaikyo
