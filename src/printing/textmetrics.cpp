#include "textmetrics.h"

#include "screen/fonts.h"

#include <QFontMetricsF>
#include <QImage>

namespace gaikyo {

namespace {

constexpr int measuringDotsPerInch = 1200;

QFontMetricsF metricsOf(const QFont& font) {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(measuringDotsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return QFontMetricsF(font, &device);
}

constexpr double toMillimetres = 25.4 / measuringDotsPerInch;

} // namespace

QFont printFont(const QString& family, double points) {
    return fonts::font(family, points);
}

double textWidthMillimetres(const QFont& font, const QString& text) {
    return metricsOf(font).horizontalAdvance(text) * toMillimetres;
}

namespace {

QFontMetricsF magnified(const QFont& font) {
    QFont large = font;
    large.setPointSizeF(font.pointSizeF() * exactLayoutMagnification);
    return metricsOf(large);
}

} // namespace

double designWidthMillimetres(const QFont& font, const QString& text) {
    return magnified(font).horizontalAdvance(text) * toMillimetres / exactLayoutMagnification;
}

double designAscentMillimetres(const QFont& font) {
    return magnified(font).ascent() * toMillimetres / exactLayoutMagnification;
}

double designLineHeightMillimetres(const QFont& font) {
    return magnified(font).height() * toMillimetres / exactLayoutMagnification;
}

} // namespace gaikyo
