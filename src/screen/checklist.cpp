#include "checklist.h"

#include "seam.h"

namespace gaikyo::checklist {

Handler install(Handler handler) {
    return seam::install(std::move(handler));
}

bool proceed(const Request& request) {
    return seam::ask<Handler>(request, true);
}

} // namespace gaikyo::checklist
