#include "filechooser.h"

#include <utility>

namespace gaikyo::filechooser {

namespace {
Handler& currentHandler() {
    static Handler handler;
    return handler;
}
OpenHandler& currentOpenHandler() {
    static OpenHandler handler;
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

OpenHandler installOpen(OpenHandler handler) {
    return std::exchange(currentOpenHandler(), std::move(handler));
}

std::optional<QString> askOpenPath(const OpenRequest& request) {
    if (!currentOpenHandler())
        return std::nullopt;
    return currentOpenHandler()(request);
}

} // namespace gaikyo::filechooser
