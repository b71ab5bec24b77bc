#pragma once

// Code page 932 as tables (generated: see cp932table.cpp).
namespace gaikyo::cp932::table {

constexpr int leadCount = 60;   // 0x81–0x9F, 0xE0–0xFC
constexpr int trailCount = 188; // 0x40–0xFC without 0x7F

// The character of each single byte (0 at a byte that leads a pair).
extern const char16_t single[256];
// The character of each pair; U+FFFD where the pair has none.
extern const char16_t pairs[leadCount][trailCount];

// The encoding is the first byte sequence, in byte order, that decodes to a character,
// except for these: the sequence the code page writes instead, or 0 for a character it
// does not write.
struct Exception {
    char16_t character;
    unsigned short bytes;
};
extern const Exception exceptions[];
extern const int exceptionCount;

} // namespace gaikyo::cp932::table
