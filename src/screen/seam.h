#pragma once

#include <utility>

// The one handler a seam holds for a modal dialog: the window layer installs the real
// dialog, tests install answers. Each handler type has a slot of its own.
namespace gaikyo::seam {

template <typename Handler> Handler& installed() {
    static Handler handler;
    return handler;
}

// Installs a handler and returns the one it replaces.
template <typename Handler> Handler install(Handler handler) {
    return std::exchange(installed<Handler>(), std::move(handler));
}

// What the installed handler answers, or an empty answer where none is installed.
// (Built in place: handing an empty std::optional<QString> through a parameter makes
// GCC's optimiser warn of a value that may be used uninitialised.)
template <typename Handler, typename Request>
auto ask(const Request& request) -> decltype(std::declval<const Handler&>()(request)) {
    const Handler& handler = installed<Handler>();
    if (handler)
        return handler(request);
    return {};
}

// What the installed handler answers, or `otherwise` where none is installed.
template <typename Handler, typename Request, typename Answer>
Answer ask(const Request& request, Answer otherwise) {
    const Handler& handler = installed<Handler>();
    return handler ? handler(request) : std::move(otherwise);
}

} // namespace gaikyo::seam
