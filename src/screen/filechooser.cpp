#include "filechooser.h"

#include "seam.h"

namespace gaikyo::filechooser {

Handler install(Handler handler) {
    return seam::install(std::move(handler));
}

std::optional<QString> askSavePath(const SaveRequest& request) {
    return seam::ask<Handler>(request);
}

OpenHandler installOpen(OpenHandler handler) {
    return seam::install(std::move(handler));
}

std::optional<QString> askOpenPath(const OpenRequest& request) {
    return seam::ask<OpenHandler>(request);
}

} // namespace gaikyo::filechooser
