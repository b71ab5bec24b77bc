#include "markbox.h"

#include "datafile/numbers.h"

#include <QStringList>

namespace gaikyo::markbox {

namespace {

const QString circle = QStringLiteral("○");

bool isSpace(QChar c) {
    return c.isSpace() || c == QChar(0x3000);
}

} // namespace

std::optional<qint32> read(const QString& typed) {
    qsizetype start = 0, end = typed.size();
    while (start < end && isSpace(typed.at(start)))
        ++start;
    while (end > start && isSpace(typed.at(end - 1)))
        --end;
    const QString mark = typed.mid(start, end - start);
    if (mark.isEmpty() || mark == u"0" || mark == u"０")
        return 0;
    // ○ and its half-width form, the kanji zero 〇 and the large circle ◯ that an input
    // method offers for まる; レ and its half-width form; the check marks; 1.
    static const QStringList ticks{QStringLiteral("○"), QStringLiteral("￮"),  QStringLiteral("〇"),
                                   QStringLiteral("◯"), QStringLiteral("レ"), QStringLiteral("ﾚ"),
                                   QStringLiteral("✓"), QStringLiteral("✔"),  QStringLiteral("1"),
                                   QStringLiteral("１")};
    if (ticks.contains(mark))
        return 1;
    return std::nullopt;
}

QString shown(qint32 stored) {
    if (stored == 0)
        return QString();
    return stored == 1 ? circle : plainDecimal(stored);
}

QString refusal(const QString& boxCaption, const QString& typed) {
    return QStringLiteral("「%1」の「%2」は印として使えません。印を付けるときは ○ を入力し、"
                          "付けないときは空欄にしてください（〇、レ、✓、1 も ○ として使えます）。")
        .arg(boxCaption, typed.trimmed());
}

} // namespace gaikyo::markbox
