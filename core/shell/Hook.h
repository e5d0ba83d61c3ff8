#pragma once

// A replaceable callback with a default, for the places where the window layer,
// the command-line tool and tests each decide what happens: fatal reports,
// messages, ending the program.

#include <functional>
#include <utility>

namespace vx {

template <class Signature>
class Hook {
public:
    using Function = std::function<Signature>;

    explicit Hook(Function fallback) : fallback_(fallback), current_(std::move(fallback)) {}

    // Installs `f` (an empty one restores the default) and returns the previous one.
    Function Set(Function f) {
        if (!f) f = fallback_;
        return std::exchange(current_, std::move(f));
    }

    // Calls the installed function through a copy, so a handler that installs
    // another does not destroy itself while it runs.
    template <class... Args>
    void operator()(Args&&... args) const {
        const Function f = current_;
        f(std::forward<Args>(args)...);
    }

private:
    Function fallback_;
    Function current_;
};

}  // namespace vx
