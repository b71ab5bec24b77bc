#include "columnchoice.h"

#include "seam.h"

namespace gaikyo::columnchoice {

Handler install(Handler handler) {
    return seam::install(std::move(handler));
}

Answer ask(const Request& request) {
    return seam::ask<Handler>(request);
}

} // namespace gaikyo::columnchoice
