#include "columnchoice.h"

#include "seam.h"

namespace gaikyo::columnchoice {

Handler install(Handler handler) {
    return seam::install(std::move(handler));
}

Answer ask(const Request& request) {
    const Handler& handler = seam::installed<Handler>();
    return handler ? handler(request) : Answer{};
}

} // namespace gaikyo::columnchoice
