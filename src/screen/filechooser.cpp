#include "filechooser.h"

#include "seam.h"

namespace gaikyo::filechooser {

Handler install(Handler handler) {
    return seam::install(std::move(handler));
}

std::optional<QString> askSavePath(const SaveRequest& request) {
    const Handler& handler = seam::installed<Handler>();
    return handler ? handler(request) : std::nullopt;
}

OpenHandler installOpen(OpenHandler handler) {
    return seam::install(std::move(handler));
}

std::optional<QString> askOpenPath(const OpenRequest& request) {
    const OpenHandler& handler = seam::installed<OpenHandler>();
    return handler ? handler(request) : std::nullopt;
}

} // namespace gaikyo::filechooser
