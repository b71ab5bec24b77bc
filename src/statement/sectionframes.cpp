#include "sectionframes.h"

#include <stdexcept>
#include <string>

namespace gaikyo::sectionframes {

namespace {

Qt::Alignment alignmentOf(const FrameItem& item) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    switch (item.align) {
    case ItemAlign::Auto:
        if (item.kind == ItemKind::Integer)
            horizontal = Qt::AlignRight;
        else if (item.kind == ItemKind::Mark || item.kind == ItemKind::Button)
            horizontal = Qt::AlignHCenter;
        break;
    case ItemAlign::Left:
        break;
    case ItemAlign::Centre:
        horizontal = Qt::AlignHCenter;
        break;
    case ItemAlign::Right:
        horizontal = Qt::AlignRight;
        break;
    }
    return horizontal | Qt::AlignVCenter;
}

Control controlOf(const FrameItem& item, QSize markSize) {
    const QString name = QString::fromLatin1(item.name);
    const QString caption = QString::fromUtf8(item.caption);
    QRect geometry = item.geometry;
    if (geometry.width() == 0 && geometry.height() == 0)
        geometry.setSize(markSize);
    Control c;
    switch (item.kind) {
    case ItemKind::Caption:
        c = controls::label(name, caption, geometry);
        break;
    case ItemKind::Button:
        c = controls::button(name, caption, geometry);
        break;
    case ItemKind::Line:
        c = controls::line(name, geometry);
        break;
    case ItemKind::Text:
    case ItemKind::Integer:
    case ItemKind::Mark:
        c = controls::textBox(name, geometry);
        c.background = controls::entryCyan();
        break;
    }
    c.alignment = alignmentOf(item);
    c.font.points = item.points;
    c.maxLength = item.maxLength;
    if (item.hiragana)
        c.inputMode = InputMode::Hiragana;
    return c;
}

} // namespace

const QList<SectionFrame>& all() {
    static const QList<SectionFrame> frames = [] {
        QList<SectionFrame> list;
        for (const SectionFrame& f : described())
            list.append(f);
        return list;
    }();
    return frames;
}

const SectionFrame& forSection(int section) {
    for (const SectionFrame& f : all())
        if (f.section == section)
            return f;
    throw std::out_of_range("no frame for section " + std::to_string(section));
}

QString printedHeading(const SectionFrame& frame) {
    const QString caption = QString::fromUtf8(frame.sectionCaption);
    const qsizetype stop = caption.indexOf(u'．');
    QString number;
    for (const QChar digit : caption.left(stop))
        number += QString::number(digit.digitValue());
    return number + QLatin1Char(' ') + caption.mid(stop + 1);
}

QList<Control> frameControls(const SectionFrame& frame) {
    const QString frameName = QString::fromLatin1(frame.frame);
    QList<Control> list;
    list.append(
        controls::frame(frameName, QString::fromUtf8(frame.sectionCaption), frame.frameGeometry));
    for (const FrameItem& item : frame.items) {
        Control c = controlOf(item, frame.markSize);
        c.frame = frameName;
        list.append(c);
    }
    const struct {
        const char* name;
        const char* caption;
        int x;
        int width;
    } buttons[] = {{frame.clearButton, "クリア", frame.clearX, 65},
                   {frame.dataButton, "ＤＡＴＡ", frame.dataX, 65},
                   {frame.saveButton, "登録実行", frame.saveX, 137}};
    for (const auto& b : buttons) {
        Control c = controls::button(QString::fromLatin1(b.name), QString::fromUtf8(b.caption),
                                     QRect(b.x, frame.buttonsY, b.width, 25));
        c.frame = frameName;
        list.append(c);
    }
    return list;
}

const FrameItem* fieldOf(const QString& box) {
    for (const SectionFrame& frame : all())
        for (const FrameItem& item : frame.items)
            if (item.isField() && box == QLatin1String(item.name))
                return &item;
    return nullptr;
}

const FrameItem* tallyItem(const SectionFrame& frame, Tally tally) {
    for (const FrameItem& item : frame.items)
        if (item.tally == tally)
            return &item;
    return nullptr;
}

} // namespace gaikyo::sectionframes
