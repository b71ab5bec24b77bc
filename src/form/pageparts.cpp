#include "pageparts.h"

#include <algorithm>

namespace gaikyo::formpictures::pageparts {

namespace {

// The left edge of the first box, the dividers, and the right edge of the last box.
QList<double> digitBoxEdges(QList<double> xs, bool split) {
    std::sort(xs.begin(), xs.end());
    // Where the ink of the digit lies, and how much room the check keeps free for it.
    const double inkLeft = split ? digitWidth : 0;
    const double room = split ? 4 : 3;
    auto centre = [&](double x) { return x + inkLeft + digitWidth / 2; };
    QList<double> edges;
    edges.append(std::min(centre(xs.first()) - 2.5, xs.first() - 0.4));
    for (qsizetype i = 0; i + 1 < xs.size(); ++i) {
        const double middle = (centre(xs[i]) + centre(xs[i + 1])) / 2;
        edges.append(std::clamp(middle, xs[i] + room + 0.3, xs[i + 1] - 0.3));
    }
    edges.append(std::max(centre(xs.last()) + 2.5, xs.last() + room + 0.4));
    return edges;
}

} // namespace

void digitBoxes(Drawing& d, QList<double> xs, double top, double bottom, bool split) {
    const QList<double> edges = digitBoxEdges(std::move(xs), split);
    d.box(QRectF(edges.first(), top, edges.last() - edges.first(), bottom - top));
    for (qsizetype i = 1; i + 1 < edges.size(); ++i)
        d.vline(edges[i], top, bottom);
}

QRectF digitBoxFrame(QList<double> xs, double top, double bottom, bool split) {
    const QList<double> edges = digitBoxEdges(std::move(xs), split);
    return {QPointF(edges.first(), top), QPointF(edges.last(), bottom)};
}

QRectF markBox(double x, double y) {
    return {x - 0.35, y - 0.3, 4.6, 4.4};
}

void mark(Drawing& d, double x, double y) {
    d.box(markBox(x, y));
}

void option(Drawing& d, double x, double y, const QString& label, double right, double points) {
    mark(d, x, y);
    const QRectF box = markBox(x, y);
    d.text(
        QRectF(box.right() + 0.3, box.top() - 0.6, right - box.right() - 0.3, box.height() + 1.2),
        label, points);
}

QList<double> rowBounds(const QList<double>& ys, double first, double last) {
    QList<double> bounds{first};
    for (qsizetype i = 1; i < ys.size(); ++i)
        bounds.append((ys[i - 1] + characterHeight + ys[i]) / 2);
    bounds.append(last);
    return bounds;
}

} // namespace gaikyo::formpictures::pageparts
