#include "cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace gaikyo::cp932 {

namespace {
constexpr const char* codecName = "windows-31j";

// What an input method types → the twin the code page stores.
constexpr struct {
    char16_t typed;
    char16_t stored;
} twins[] = {
    {u'\u301C', u'\uFF5E'}, // WAVE DASH → FULLWIDTH TILDE
    {u'\u2212', u'\uFF0D'}, // MINUS SIGN → FULLWIDTH HYPHEN-MINUS
    {u'\u2016', u'\u2225'}, // DOUBLE VERTICAL LINE → PARALLEL TO
    {u'\u2014', u'\u2015'}, // EM DASH → HORIZONTAL BAR
    {u'\u00A2', u'\uFFE0'}, // CENT SIGN → FULLWIDTH CENT SIGN
    {u'\u00A3', u'\uFFE1'}, // POUND SIGN → FULLWIDTH POUND SIGN
    {u'\u00AC', u'\uFFE2'}, // NOT SIGN → FULLWIDTH NOT SIGN
};
} // namespace

bool available() {
    return QStringEncoder(codecName).isValid() && QStringDecoder(codecName).isValid();
}

std::optional<QByteArray> encode(const QString& text) {
    QStringEncoder encoder(codecName, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!encode(character))
            return character;
        i += length - 1;
    }
    return {};
}

QString toCodePageForms(const QString& text) {
    QString stored = text;
    for (QChar& c : stored)
        for (const auto& twin : twins)
            if (c.unicode() == twin.typed)
                c = QChar(twin.stored);
    return stored;
}

QString decode(const QByteArray& bytes) {
    // One decoder for every file: opening the codec costs more than decoding a file.
    thread_local QStringDecoder decoder(codecName, QStringConverter::Flag::Stateless);
    decoder.resetState();
    return decoder.decode(bytes);
}

} // namespace gaikyo::cp932
