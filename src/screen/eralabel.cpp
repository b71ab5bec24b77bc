#include "eralabel.h"

#include "datafile/numbers.h"
#include "erabox.h"
#include "screen.h"

namespace gaikyo {

namespace {
constexpr int heiseiToWestern = 1988;
} // namespace

QString eraLabel(const QString& heiseiYear, const QString& month) {
    const std::optional<qint32> year = strictInteger(heiseiYear);
    if (!year || *year < 1 || *year > 9999 - heiseiToWestern)
        return {};
    const int western = heiseiToWestern + *year;
    const qint32 m = strictInteger(month).value_or(0);
    // 平成 years before 2019 are plain in their boxes: the western year is enough.
    if (erayear::eraOf(*year, m) == erayear::Era::Heisei && *year < 31)
        return QStringLiteral("%1年").arg(western);
    return QStringLiteral("%1 / %2年").arg(erayear::shownYear(*year, m)).arg(western);
}

void addEraLabel(Screen& screen, const EraDateBoxes& date, const QString& label,
                 const QRect& geometry, const QString& prefix) {
    const auto shown = [&screen, date, prefix] {
        const erayear::Typed year = erabox::typed(screen, date);
        const QString era = year.storedYear
                                ? eraLabel(plainDecimal(*year.storedYear), screen.text(date.month))
                                : QString();
        return era.isEmpty() ? QString() : prefix + era;
    };
    Control& c = screen.addControl(controls::label(label, shown(), geometry));
    c.font = FontSpec{{}, 9, false};
    c.foreground = QColor(0, 0, 128);
    QObject::connect(&screen, &Screen::textChanged, &screen,
                     [&screen, date, label, shown](const QString& name) {
                         if (name == date.year || name == date.month || name == date.word)
                             screen.setText(label, shown());
                     });
}

} // namespace gaikyo
