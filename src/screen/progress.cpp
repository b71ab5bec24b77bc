#include "progress.h"

#include "seam.h"

namespace gaikyo::progress {

namespace {

class Silent : public Indicator {
public:
    bool update(qint64, qint64) override { return true; }
};

} // namespace

Handler install(Handler handler) {
    return seam::install(std::move(handler));
}

std::unique_ptr<Indicator> start(const Request& request) {
    const Handler& handler = seam::installed<Handler>();
    std::unique_ptr<Indicator> indicator = handler ? handler(request) : nullptr;
    return indicator ? std::move(indicator) : std::make_unique<Silent>();
}

} // namespace gaikyo::progress
