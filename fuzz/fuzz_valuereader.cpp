// The value reader on any bytes: values come out in order until the end, as texts or
// integers in an order the input itself chooses, and reading never runs on forever.
#include "datafile/valuefile.h"
#include "fuzzsupport.h"

using namespace gaikyo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks, bit by bit, whether each value is read as a text or an integer.
    const uint8_t kinds = data[0];
    const QByteArray bytes = fuzz::fileBytes(data + 1, size - 1);
    ValueReader reader(bytes);
    // Every value uses up at least one character, so there cannot be more values than
    // bytes (a double-byte character still decodes to at least one character).
    const qsizetype limit = bytes.size() + 1;
    qsizetype values = 0;
    for (;; ++values) {
        fuzz::check(values <= limit);
        const bool asText = (kinds >> (values % 8)) & 1;
        const bool read = asText ? reader.text().has_value() : reader.integer().has_value();
        if (!read)
            break;
    }
    fuzz::check(reader.atEnd());
    return 0;
}
