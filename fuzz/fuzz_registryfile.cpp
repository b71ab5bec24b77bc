// The corporate-tax program's company file reader on any bytes, for every number of
// values a caller asks for.
#include "fuzzsupport.h"
#include "registry/registryfile.h"

using namespace gaikyo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // Callers ask for up to 19 values; the first byte also tries counts outside that.
    const int lastValue = static_cast<int8_t>(data[0]);
    const QByteArray bytes = fuzz::fileBytes(data + 1, size - 1);
    RegistryRecord some;
    const bool readSome = registryfile::decode(bytes, lastValue, some);
    RegistryRecord all;
    const bool readAll = registryfile::decode(bytes, registryfile::valueCount, all);
    // A file that holds all values holds any fewer of them too.
    fuzz::check(!readAll || readSome);
    return 0;
}
