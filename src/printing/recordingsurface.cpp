#include "recordingsurface.h"

#include "textmetrics.h"

namespace gaikyo {

QString millimetreText(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

bool RecordingSurface::record(const QString& operation) {
    if (m_failAfter == 0)
        return false;
    if (m_failAfter > 0)
        --m_failAfter;
    m_operations.append(operation);
    return true;
}

bool RecordingSurface::setUnitMillimetres() {
    return record(QStringLiteral("unit mm"));
}

bool RecordingSurface::setFont(const QString& family, double points) {
    m_font = printFont(family, points);
    return record(QStringLiteral("font %1 %2").arg(family, millimetreText(points)));
}

bool RecordingSurface::drawPicture(const QImage& picture, const QRectF& mm) {
    return record(QStringLiteral("picture %1x%2 %3 %4 %5 %6")
                      .arg(picture.width())
                      .arg(picture.height())
                      .arg(millimetreText(mm.left()), millimetreText(mm.top()),
                           millimetreText(mm.width()), millimetreText(mm.height())));
}

bool RecordingSurface::printText(const QString& text) {
    return record(
        QStringLiteral("text %1 %2 \"%3\"").arg(millimetreText(m_x), millimetreText(m_y), text));
}

bool RecordingSurface::printScaledText(const QString& text, double points, double scale,
                                       const QRectF& clip) {
    QString operation = QStringLiteral("text %1 %2 \"%3\" %4pt %5%")
                            .arg(millimetreText(m_x), millimetreText(m_y), text,
                                 millimetreText(points), millimetreText(scale * 100));
    if (!clip.isEmpty())
        operation += QStringLiteral(" clip %1 %2 %3 %4")
                         .arg(millimetreText(clip.left()), millimetreText(clip.top()),
                              millimetreText(clip.right()), millimetreText(clip.bottom()));
    return record(operation);
}

double RecordingSurface::textWidth(const QString& text) {
    return textWidthMillimetres(m_font, text);
}

bool RecordingSurface::endDocument() {
    return record(QStringLiteral("end"));
}

void RecordingSurface::abandon() {
    m_operations.append(QStringLiteral("abandon"));
}

} // namespace gaikyo
