#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace gaikyo::fuzz {

// The fuzzer's input as the bytes of a file, without copying.
inline QByteArray fileBytes(const uint8_t* data, size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                   static_cast<qsizetype>(size));
}

// A broken promise of the code under test: stop, so that the fuzzer keeps the input.
inline void check(bool promise) {
    if (!promise)
        std::abort();
}

} // namespace gaikyo::fuzz
