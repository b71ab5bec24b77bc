#include "shorttext.h"

#include <QLocale>

namespace gaikyo::shorttext {

namespace {

// Where a name in a sentence ends: a space, a quote or a bracket.
bool endsRun(QChar c) {
    static const QString marks = QStringLiteral("「」『』（）()【】[]、。,＋・");
    return c.isSpace() || marks.contains(c);
}

} // namespace

QString shortened(const QString& text) {
    if (text.size() <= longestRun)
        return text;
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = i;
        while (end < text.size() && !endsRun(text.at(end)))
            ++end;
        const qsizetype run = end - i;
        if (run > longestRun)
            out += text.mid(i, longestRun) +
                   QStringLiteral("…（全%1文字）").arg(QLocale(QLocale::Japanese).toString(run));
        else
            out += text.mid(i, run);
        if (end < text.size())
            out += text.at(end);
        i = end + 1;
    }
    return out;
}

} // namespace gaikyo::shorttext
