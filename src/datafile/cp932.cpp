#include "cp932.h"

#include "cp932table.h"

#include <array>

namespace gaikyo::cp932 {

namespace {

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

bool isLead(uchar byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

int leadIndex(uchar byte) {
    return byte <= 0x9F ? byte - 0x81 : byte - 0xE0 + 0x1F;
}

// The column of a trail byte, or -1 for a byte that cannot end a pair.
int trailIndex(uchar byte) {
    if (byte < 0x40 || byte > 0xFC || byte == 0x7F)
        return -1;
    return byte < 0x7F ? byte - 0x40 : byte - 0x41;
}

// The bytes of each character of the Basic Multilingual Plane (the code page has none
// beyond it), high byte first; 0 where the code page has no place for it (and for NUL).
using EncodeTable = std::array<unsigned short, 0x10000>;

EncodeTable makeEncodeTable() {
    EncodeTable bytes{};
    auto place = [&](char16_t character, unsigned short sequence) {
        if (character != 0 && bytes[character] == 0)
            bytes[character] = sequence;
    };
    for (int byte = 0; byte < 256; ++byte)
        if (!isLead(uchar(byte)))
            place(table::single[byte], static_cast<unsigned short>(byte));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLead(uchar(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const int column = trailIndex(uchar(trail));
            if (column >= 0)
                place(table::pairs[leadIndex(uchar(lead))][column],
                      static_cast<unsigned short>(lead << 8 | trail));
        }
    }
    for (int i = 0; i < table::exceptionCount; ++i)
        bytes[table::exceptions[i].character] = table::exceptions[i].bytes;
    return bytes;
}

const EncodeTable& encodeTable() {
    static const EncodeTable table = makeEncodeTable();
    return table;
}

// The bytes of one character, or -1 when the code page has no place for it.
int encodedCharacter(char16_t character) {
    if (character == 0)
        return 0;
    const unsigned short bytes = encodeTable()[character];
    return bytes == 0 ? -1 : bytes;
}

} // namespace

bool available() {
    return true;
}

std::optional<QByteArray> encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        // A surrogate (half of a character beyond the plane) has no place.
        const int sequence = c.isSurrogate() ? -1 : encodedCharacter(c.unicode());
        if (sequence < 0)
            return std::nullopt;
        if (sequence > 0xFF)
            bytes.append(char(sequence >> 8));
        bytes.append(char(sequence & 0xFF));
    }
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
    QString text;
    text.reserve(bytes.size());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const uchar byte = uchar(bytes.at(i));
        if (!isLead(byte)) {
            text.append(QChar(table::single[byte]));
            continue;
        }
        // A lead byte at the very end is dropped; one before a byte that cannot end a
        // pair becomes SUB, and that byte is read again on its own.
        if (i + 1 == size)
            break;
        const int column = trailIndex(uchar(bytes.at(i + 1)));
        if (column < 0) {
            text.append(QChar(u'\u001A'));
            continue;
        }
        text.append(QChar(table::pairs[leadIndex(byte)][column]));
        ++i;
    }
    return text;
}

} // namespace gaikyo::cp932
