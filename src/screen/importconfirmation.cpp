#include "importconfirmation.h"

#include <utility>

namespace gaikyo::importconfirmation {

namespace {
Handler& currentHandler() {
    static Handler handler;
    return handler;
}
} // namespace

Handler install(Handler handler) {
    return std::exchange(currentHandler(), std::move(handler));
}

Answer ask(const Request& request) {
    if (!currentHandler())
        return {};
    return currentHandler()(request);
}

} // namespace gaikyo::importconfirmation
