#include "filechooser.h"

#include <utility>

namespace gaikyo::filechooser {

namespace {
Handler& currentHandler() {
    static Handler handler;
    return handler;
}
} // namespace

Handler install(Handler handler) {
    return std::exchange(currentHandler(), std::move(handler));
}

std::optional<QString> askSavePath(const SaveRequest& request) {
    if (!currentHandler())
        return std::nullopt;
    return currentHandler()(request);
}

} // namespace gaikyo::filechooser
