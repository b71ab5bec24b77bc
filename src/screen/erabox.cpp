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
    // The era last named, for a word box whose era word the user took away.
    auto last = std::make_shared<Era>(chosen(screen, boxes));
    QObject::connect(
        &screen, &Screen::textChanged, &screen, [&screen, boxes, last](const QString& changed) {
            if (changed == boxes.word) {
                *last = erayear::lastNamed(screen.text(boxes.word)).value_or(*last);
                name(screen, boxes, *last);
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
