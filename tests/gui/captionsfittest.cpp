#include "datafile/drivec.h"
#include "gui/captionbutton.h"
#include "gui/captionlabel.h"
#include "gui/screentour.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "screen/fonts.h"
#include "shell/screens.h"
#include "support/companybuilder.h"
#include "support/windowed.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QStyle>
#include <QTest>

using namespace gaikyo;

namespace {

constexpr double smallestPoints = 6;

QString where(const QString& view, const QWidget* w) {
    return view + QLatin1Char(' ') + w->objectName();
}

// Every line of a caption as it is painted: in the box, clear of the lines beside it
// and of the controls standing on the box, the caption's characters all there.
QStringList captionFaults(const QString& view, const CaptionLabel* label) {
    QStringList faults;
    const CaptionLabel::Layout layout = label->captionLayout();
    const QFontMetricsF metrics(layout.font);
    if (layout.font.pointSizeF() < smallestPoints)
        faults << where(view, label) + QStringLiteral(": below 6 pt");
    QString shown;
    QRectF previous;
    for (const CaptionLabel::Line& line : layout.lines) {
        shown += line.text;
        if (line.text.trimmed().isEmpty())
            continue;
        const QRectF ink = metrics.tightBoundingRect(line.text).translated(line.baseline);
        if (!QRectF(label->contentsRect()).contains(ink))
            faults << where(view, label) +
                          QStringLiteral(": 「%1」 at %2,%3 %4×%5 outside the box %6×%7")
                              .arg(line.text)
                              .arg(ink.x())
                              .arg(ink.y())
                              .arg(ink.width())
                              .arg(ink.height())
                              .arg(label->width())
                              .arg(label->height());
        if (!previous.isNull() && ink.top() <= previous.bottom())
            faults << where(view, label) +
                          QStringLiteral(": 「%1」 at %2 pt meets the line above (%3 to %4)")
                              .arg(line.text)
                              .arg(layout.font.pointSizeF())
                              .arg(ink.top())
                              .arg(previous.bottom());
        previous = ink;
        const QRect onParent = ink.translated(label->pos()).toAlignedRect();
        for (QObject* child : label->parentWidget()->children()) {
            auto* other = qobject_cast<QWidget*>(child);
            if (other && other != label && !qobject_cast<CaptionLabel*>(other) &&
                other->isVisibleTo(label->parentWidget()) &&
                other->geometry().intersects(onParent.adjusted(1, 1, -1, -1)))
                faults << where(view, label) + QStringLiteral(": 「%1」 under %2")
                                                   .arg(line.text, other->objectName());
        }
    }
    QString caption = label->text();
    caption.remove(QLatin1Char('\n'));
    if (shown != caption)
        faults << where(view, label) +
                      QStringLiteral(": shows 「%1」 of 「%2」").arg(shown, caption);
    return faults;
}

QStringList buttonFaults(const QString& view, const CaptionButton* button) {
    const QFont font = button->captionFont();
    const QRect room = button->captionRoom();
    const QRect needed =
        QFontMetrics(font).boundingRect(room, CaptionButton::captionFlags, button->text());
    if (font.pointSizeF() >= smallestPoints && room.contains(needed))
        return {};
    return {where(view, button) + QStringLiteral(": 「%1」 needs %2×%3 at %4 pt in %5×%6")
                                      .arg(button->text())
                                      .arg(needed.width())
                                      .arg(needed.height())
                                      .arg(font.pointSizeF())
                                      .arg(room.width())
                                      .arg(room.height())};
}

// A box's fixed text in the box's font, inside the box's frame and the box's own margin
// of 2 px either side.
QStringList fixedTextFaults(const QString& view, const QLineEdit* edit) {
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QRect inside = edit->rect().adjusted(frame + 2, frame, -frame - 2, -frame);
    const QFontMetrics metrics(edit->font());
    const int needed = metrics.horizontalAdvance(edit->text());
    if (edit->font().pointSizeF() >= smallestPoints && needed <= inside.width() &&
        metrics.height() <= inside.height())
        return {};
    return {where(view, edit) + QStringLiteral(": 「%1」 needs %2×%3 px in %4×%5 at %6 pt")
                                    .arg(edit->text())
                                    .arg(needed)
                                    .arg(metrics.height())
                                    .arg(inside.width())
                                    .arg(inside.height())
                                    .arg(edit->font().pointSizeF())};
}

QStringList frameFaults(const QString& view, const QGroupBox* frame) {
    const int needed = frame->fontMetrics().horizontalAdvance(frame->title());
    if (needed <= frame->width() - 16)
        return {};
    return {where(view, frame) +
            QStringLiteral(": title needs %1 px of %2").arg(needed).arg(frame->width() - 16)};
}

} // namespace

// Every caption, label, button and fixed-text box of every screen, as the real widgets
// lay it out in the IPA fonts, fits inside its widget, and every one of them inside its
// window.
class CaptionsFitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        fonts::installSubstitutes();
        // Windows in Japanese reports the font by its Japanese name.
        QVERIFY2(QFontDatabase::hasFamily(QStringLiteral("IPAPGothic")) ||
                     QFontDatabase::hasFamily(QStringLiteral("IPA Pゴシック")),
                 "the IPA fonts (fonts-ipafont) are needed");
    }

    void everyCaptionFits() {
        test::Windowed<> program({.statementFolder = true});
        // A business year from October: the monthly table shows 10, 11 and 12 first.
        test::CompanyBuilder(7).yearFrom(10).writeTo(program.home);

        QStringList faults;
        QStringList views;
        int months = 0;
        screentour::visitAll(
            program.app, program.windows, 7, [&](const QString& view, ScreenWindow& window) {
                views << view;
                for (QWidget* w : window.findChildren<QWidget*>()) {
                    if (!w->isVisibleTo(&window) || w->objectName().isEmpty())
                        continue;
                    if (!window.rect().contains(QRect(w->mapTo(&window, QPoint()), w->size())))
                        faults << where(view, w) + QStringLiteral(": outside the window");
                    if (auto* label = qobject_cast<CaptionLabel*>(w))
                        faults << captionFaults(view, label);
                    else if (auto* button = qobject_cast<CaptionButton*>(w))
                        faults << buttonFaults(view, button);
                    else if (auto* frame = qobject_cast<QGroupBox*>(w))
                        faults << frameFaults(view, frame);
                    else if (auto* edit = qobject_cast<QLineEdit*>(w); edit && edit->isReadOnly()) {
                        faults << fixedTextFaults(view, edit);
                        months += edit->text() == QLatin1String("10");
                    }
                }
            });
        QCOMPARE(views.size(), 15);
        QCOMPARE(months, 1); // the monthly table's labels were filled, and then measured
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(CaptionsFitTest)
#include "captionsfittest.moc"
