#include "checklist.h"

#include <utility>

namespace gaikyo::checklist {

namespace {
Handler& currentHandler() {
    static Handler handler;
    return handler;
}
} // namespace

Handler install(Handler handler) {
    return std::exchange(currentHandler(), std::move(handler));
}

bool proceed(const Request& request) {
    if (!currentHandler())
        return true;
    return currentHandler()(request);
}

} // namespace gaikyo::checklist
