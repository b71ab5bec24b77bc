#include "cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace gaikyo::cp932 {

namespace {
constexpr const char* codecName = "windows-31j";
}

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

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder(codecName, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace gaikyo::cp932
