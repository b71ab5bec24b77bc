#include "checklist.h"

#include "seam.h"

namespace gaikyo::checklist {

Handler install(Handler handler) {
    return seam::install(std::move(handler));
}

bool proceed(const Request& request) {
    const Handler& handler = seam::installed<Handler>();
    return handler ? handler(request) : true;
}

} // namespace gaikyo::checklist
