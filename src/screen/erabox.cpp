#include "erabox.h"

#include "datafile/numbers.h"
#include "screen.h"

#include <memory>

namespace gaikyo::erabox {

using erayear::Era;

namespace {

void name(Screen& screen, const EraDateBoxes& boxes, Era era) {
    const QString word = boxes.side + erayear::name(era);
    if (screen.text(boxes.word) != word)
        screen.setText(boxes.word, word);
}

} // namespace

QString insertedText(const QString& before, const QString& after) {
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    return after.mid(head, after.size() - head - tail);
}

const EraDateBoxes& yearStart() {
    static const EraDateBoxes boxes{QStringLiteral("Text10"), QStringLiteral("自"),
                                    QStringLiteral("Text13"), QStringLiteral("Text14"),
                                    QStringLiteral("Text15")};
    return boxes;
}

const EraDateBoxes& yearEnd() {
    static const EraDateBoxes boxes{QStringLiteral("Text16"), QStringLiteral("至"),
                                    QStringLiteral("Text17"), QStringLiteral("Text18"),
                                    QStringLiteral("Text19")};
    return boxes;
}

Era chosen(const Screen& screen, const EraDateBoxes& boxes) {
    return screen.text(boxes.word).contains(erayear::name(Era::Heisei)) ? Era::Heisei : Era::Reiwa;
}

void show(Screen& screen, const EraDateBoxes& boxes, qint32 storedYear, qint32 month) {
    const erayear::EraYear year = erayear::fromStored(storedYear, month);
    name(screen, boxes, year.era);
    screen.setText(boxes.year, plainDecimal(year.year));
}

void showDate(Screen& screen, const EraDateBoxes& boxes, qint32 storedYear, qint32 month,
              qint32 day) {
    show(screen, boxes, storedYear, month);
    screen.setText(boxes.month, plainDecimal(month));
    screen.setText(boxes.day, plainDecimal(day));
}

void clear(Screen& screen, const EraDateBoxes& boxes) {
    name(screen, boxes, Era::Reiwa);
    screen.setText(boxes.year, QString());
}

erayear::Typed typed(const Screen& screen, const EraDateBoxes& boxes) {
    return erayear::parse(screen.text(boxes.year), chosen(screen, boxes),
                          strictInteger(screen.text(boxes.month)));
}

QString storedText(const Screen& screen, const EraDateBoxes& boxes) {
    const erayear::Typed year = typed(screen, boxes);
    return year.storedYear ? plainDecimal(*year.storedYear) : screen.text(boxes.year);
}

void follow(Screen& screen, const EraDateBoxes& boxes) {
    // The word box as last shown, so that what the user typed into it can be told apart
    // from what stood there already.
    auto shown = std::make_shared<QString>(screen.text(boxes.word));
    QObject::connect(
        &screen, &Screen::textChanged, &screen, [&screen, boxes, shown](const QString& changed) {
            if (changed == boxes.word) {
                const QString now = screen.text(boxes.word);
                const Era before = erayear::lastNamed(*shown).value_or(chosen(screen, boxes));
                // The era the new text adds names the box's era: H typed before, after or
                // over 自令和, or into the box emptied a moment ago (which shows 自令和
                // again at once); an era named nowhere in what was typed keeps the last.
                const std::optional<Era> typed = erayear::lastNamed(insertedText(*shown, now));
                const Era era = typed.value_or(erayear::lastNamed(now).value_or(before));
                *shown = boxes.side + erayear::name(era);
                name(screen, boxes, era);
                return;
            }
            if (changed != boxes.year)
                return;
            const erayear::Typed year = typed(screen, boxes);
            if (!year.named)
                return;
            if (year.yearInEra) {
                name(screen, boxes, *year.named);
                screen.setText(boxes.year, plainDecimal(*year.yearInEra));
                return;
            }
            // An era alone ("R") switches and leaves the box for the year.
            const erayear::Typed withYear =
                erayear::parse(screen.text(boxes.year) + QStringLiteral("1"), Era::Heisei, {});
            if (withYear.yearInEra == 1) {
                name(screen, boxes, *year.named);
                screen.setText(boxes.year, QString());
            }
        });
}

} // namespace gaikyo::erabox
