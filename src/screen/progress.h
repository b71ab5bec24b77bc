#pragma once

#include <QString>
#include <functional>
#include <memory>

// A progress window for work that may take a while, with a button to stop it; behind a
// seam like the message boxes: the window layer installs the real window, tests install
// an indicator that records and may stop.
namespace gaikyo::progress {

struct Request {
    QString title;
    QString label;
};

// One piece of work under way. The window opens only where the work takes longer than a
// moment, and closes when the indicator goes.
class Indicator {
public:
    virtual ~Indicator() = default;
    // How far the work has come; false once the user has stopped it.
    virtual bool update(qint64 done, qint64 total) = 0;
};

using Handler = std::function<std::unique_ptr<Indicator>(const Request&)>;

Handler install(Handler handler);
// An indicator for the work; without a handler one that never stops it.
std::unique_ptr<Indicator> start(const Request& request);

} // namespace gaikyo::progress
