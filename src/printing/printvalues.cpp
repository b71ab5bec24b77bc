#include "printvalues.h"

namespace gaikyo::printvalues {

QString number(qint32 value) {
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

QStringList digitBoxes(qint32 value, int boxes) {
    const QString text = QString::number(value);
    QStringList perBox;
    for (int k = 1; k <= boxes; ++k)
        perBox.append(k <= text.size() ? QString(text.at(text.size() - k)) : QString());
    return perBox;
}

QStringList digitSplit(qint32 value, int boxes) {
    QStringList fromLeft;
    qint64 power = 1;
    for (int j = 1; j < boxes; ++j)
        power *= 10;
    for (int j = boxes; j >= 1; --j) {
        // Truncating division and remainder, as signed integers do.
        const qint64 digit = (qint64(value) % (power * 10)) / power;
        fromLeft.append(number(qint32(digit)));
        power /= 10;
    }
    return fromLeft;
}

} // namespace gaikyo::printvalues
