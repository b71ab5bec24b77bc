#include "eralabel.h"

#include "datafile/numbers.h"
#include "screen.h"

namespace gaikyo {

namespace {
constexpr int heiseiToWestern = 1988;
constexpr int lastHeiseiYear = 31; // 2019, whose May began 令和
constexpr int lastHeiseiMonth = 4;
} // namespace

QString eraLabel(const QString& heiseiYear, const QString& month) {
    const std::optional<qint32> year = strictInteger(heiseiYear);
    if (!year || *year < 1 || *year > 9999 - heiseiToWestern)
        return {};
    const int western = heiseiToWestern + *year;
    if (*year < lastHeiseiYear)
        return QStringLiteral("%1年").arg(western);
    if (*year == lastHeiseiYear) {
        const std::optional<qint32> m = strictInteger(month);
        if (m && *m >= 1 && *m <= lastHeiseiMonth)
            return QStringLiteral("平成%1年 / %2年").arg(lastHeiseiYear).arg(western);
    }
    const int reiwa = *year - lastHeiseiYear + 1;
    const QString reiwaYear = reiwa == 1 ? QStringLiteral("元") : QString::number(reiwa);
    return QStringLiteral("令和%1年 / %2年").arg(reiwaYear).arg(western);
}

void addEraLabel(Screen& screen, const QString& yearBox, const QString& monthBox,
                 const QString& label, const QRect& geometry, const QString& prefix) {
    const auto shown = [&screen, yearBox, monthBox, prefix] {
        const QString era = eraLabel(screen.text(yearBox), screen.text(monthBox));
        return era.isEmpty() ? QString() : prefix + era;
    };
    Control& c = screen.addControl(controls::label(label, shown(), geometry));
    c.font = FontSpec{{}, 9, false};
    c.foreground = QColor(0, 0, 128);
    QObject::connect(&screen, &Screen::textChanged, &screen,
                     [&screen, yearBox, monthBox, label, shown](const QString& name) {
                         if (name == yearBox || name == monthBox)
                             screen.setText(label, shown());
                     });
}

} // namespace gaikyo
