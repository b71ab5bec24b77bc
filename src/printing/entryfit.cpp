#include "entryfit.h"

#include "textmetrics.h"

#include <QRegularExpression>

#include <algorithm>

namespace gaikyo::entryfit {

namespace {

// A line starts with none of these, and ends with none of the openers.
const QString noLineStart = QStringLiteral(
    "、。，．・：；？！）」』】〕ー々ぁぃぅぇぉっゃゅょァィゥェォッャュョ,.:;!?)]}%");
const QString noLineEnd = QStringLiteral("（「『【〔([{");

bool isSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(0x3000);
}

// Every place a text may break, each with the widths of its two sides at 11 pt.
struct Break {
    qsizetype at;
    double left;
    double right;
};

QList<Break> breaks(const QString& text) {
    QList<Break> all;
    for (qsizetype at = 1; at < text.size(); ++at) {
        if (text[at].isLowSurrogate() || noLineStart.contains(text[at]) ||
            noLineEnd.contains(text[at - 1]))
            continue;
        all.append({at, textWidth(text.left(at), designedPoints),
                    textWidth(text.mid(at), designedPoints)});
    }
    return all;
}

// The two lines of a text broken where the wider of them is narrowest.
QStringList balanced(const QString& text) {
    QList<Break> all = breaks(text);
    if (all.isEmpty())
        all.append({text.size() / 2, 0, 0});
    const Break best =
        *std::min_element(all.begin(), all.end(), [](const Break& a, const Break& b) {
            return std::max(a.left, a.right) < std::max(b.left, b.right);
        });
    QString first = text.left(best.at);
    QString second = text.mid(best.at);
    while (first.size() > 1 && isSpace(first.back()))
        first.chop(1);
    while (second.size() > 1 && isSpace(second.front()))
        second.remove(0, 1);
    return {first, second};
}

enum class From { Start, End };

// The most characters from the start (or the end) whose width at points and scale is
// within width, never half of a surrogate pair.
qsizetype fitting(From from, const QString& text, double width, double points, double scale) {
    qsizetype count = 0;
    for (qsizetype n = 1; n <= text.size(); ++n) {
        const bool splitsPair = from == From::Start ? n < text.size() && text[n].isLowSurrogate()
                                                    : text[text.size() - n].isLowSurrogate();
        if (splitsPair)
            continue;
        if (textWidth(from == From::Start ? text.left(n) : text.right(n), points) * scale > width)
            break;
        count = n;
    }
    return count;
}

// The largest size at which the widest of lines, at the given scale, is within width:
// from `largest` down to the floor. 0 when even the floor is too wide.
double largestSize(const QStringList& lines, double width, double scale, double largest) {
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, textWidth(line, designedPoints));
    // Widths grow with the size; measured again, since they are rounded.
    double points = std::min(largest, designedPoints * width / (widest * scale));
    for (; points >= smallestPoints; points -= 0.05) {
        bool fits = true;
        for (const QString& line : lines)
            fits = fits && textWidth(line, points) * scale <= width;
        if (fits)
            return points;
    }
    return 0;
}

// One line from `at`, or ending at it: narrower, then smaller, then cut. At a smaller size
// the baseline stays.
Fit oneLine(const QString& text, QPointF at, bool endsAt, double width) {
    Fit f;
    const double natural = textWidth(text, designedPoints);
    f.scale = std::clamp(width / natural, narrowest, 1.0);
    if (f.scale == narrowest) {
        f.points = largestSize({text}, width, narrowest, designedPoints);
        if (f.points == 0) {
            f.points = smallestPoints;
            if (endsAt) {
                const qsizetype kept = fitting(From::End, text, width, f.points, f.scale);
                f.lost = text.left(text.size() - kept);
                f.lostAtStart = true;
            } else {
                const qsizetype kept = fitting(From::Start, text, width, f.points, f.scale);
                f.lost = text.mid(kept);
            }
        }
    }
    const double top = at.y() + ascent(designedPoints) - ascent(f.points);
    // Cut, an amount still ends at its place: its first characters fall outside.
    const double left = endsAt ? at.x() - textWidth(text, f.points) * f.scale : at.x();
    f.lines.append({text, QPointF(left, top)});
    return f;
}

// Two lines of the largest size the box's height holds, narrower as needed, then smaller,
// then cut. The pair starts at the print position, or higher where the box ends sooner.
Fit twoLines(const QString& text, QPointF at, const QRectF& box, double width) {
    Fit f;
    // Line heights grow with the size; measured again, since they are rounded.
    double tallest = box.height() / (2 * lineHeight(designedPoints)) * designedPoints;
    while (tallest >= smallestPoints && 2 * lineHeight(tallest) > box.height())
        tallest -= 0.05;
    if (tallest < smallestPoints || text.size() < 2)
        return f; // no lines: the box is too low
    QStringList lines = balanced(text);
    f.points = std::min(designedPoints, tallest);
    const double widest = std::max(textWidth(lines[0], f.points), textWidth(lines[1], f.points));
    f.scale = std::min(1.0, width / widest);
    if (f.scale < narrowest) {
        f.scale = narrowest;
        f.points = largestSize(lines, width, narrowest, f.points);
    }
    if (f.points == 0) {
        // At the floor the first line takes all it can; the second loses what it cannot.
        f.points = smallestPoints;
        const qsizetype first =
            std::max<qsizetype>(1, fitting(From::Start, text, width, f.points, f.scale));
        const QString rest = text.mid(first);
        lines = {text.left(first), rest};
        f.lost = rest.mid(fitting(From::Start, rest, width, f.points, f.scale));
    }
    const double height = 2 * lineHeight(f.points);
    const double top = std::clamp(at.y(), box.top(), std::max(box.top(), box.bottom() - height));
    f.lines.append({lines[0], QPointF(at.x(), top)});
    f.lines.append({lines[1], QPointF(at.x(), top + lineHeight(f.points))});
    return f;
}

} // namespace

const QString& fontFamily() {
    static const QString family = QStringLiteral("MS 明朝");
    return family;
}

double textWidth(const QString& text, double points) {
    return designWidthMillimetres(printFont(fontFamily(), points), text);
}

double ascent(double points) {
    return designAscentMillimetres(printFont(fontFamily(), points));
}

double lineHeight(double points) {
    return designLineHeightMillimetres(printFont(fontFamily(), points));
}

bool readsAsNumber(const QString& text) {
    // Digits (as typed, half- or full-width), perhaps signed, grouped, with a fraction or
    // a per cent sign: 2147483647, －５, 1,234, 12.5%.
    static const QRegularExpression number(QStringLiteral(
        "^[\\s　]*[+\\-＋－]?[0-9０-９][0-9０-９,，]*([.．][0-9０-９]+)?[%％]?[\\s　]*$"));
    return number.match(text).hasMatch();
}

Fit fit(const QString& text, QPointF at, Shape shape, const QRectF& box) {
    // A number broken over two lines would read as two numbers: it stays on its line.
    if (shape == Shape::Text && readsAsNumber(text))
        shape = Shape::Number;
    const bool endsAt = shape == Shape::Amount;
    Fit designed;
    designed.designed = true;
    const double natural = textWidth(text, designedPoints);
    const double width = endsAt ? at.x() - box.left() : box.right() - at.x();
    designed.lines.append({text, QPointF(endsAt ? at.x() - natural : at.x(), at.y())});
    if (box.isEmpty() || width <= 0 || natural * (1 + deviceAllowance) <= width)
        return designed;

    const Fit single = oneLine(text, at, endsAt, width);
    if (shape != Shape::Text || (single.points == designedPoints && single.scale >= wrapBelow))
        return single; // a number stays on its line
    const Fit pair = twoLines(text, at, box, width);
    if (pair.lines.isEmpty())
        return single;
    if (single.cut() || pair.cut())
        return pair.lost.size() < single.lost.size() ? pair : single;
    return pair.widthPercent() > single.widthPercent() ? pair : single;
}

Shape shapeOf(const LayoutItem& item) {
    switch (item.kind) {
    case LayoutItem::Kind::Text:
        return Shape::Text;
    case LayoutItem::Kind::Amount:
        return Shape::Amount;
    default:
        return Shape::Number;
    }
}

QRectF boxOf(const LayoutItem& item, formpictures::Page page, bool officialSheet) {
    const QRectF onA4 = formpictures::entryBox(page, item.ref());
    if (!officialSheet || onA4.isEmpty())
        return onA4;
    // The sheet's rules stand to its entries as the drawing's rules to the A4 entries.
    return onA4.translated(double(item.officialX.first()) - double(item.a4X.first()),
                           double(item.officialY) - double(item.a4Y));
}

} // namespace gaikyo::entryfit
