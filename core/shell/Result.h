#pragma once

// The outcome of an operation that can fail for a reason the user or a script
// should read: success, or failure with its message. The window shows the
// message in a message box, the command-line tool prints it, tests compare it.
// Data an operation produces goes to the caller's output parameter; the
// result only says whether it is valid and, if not, why.

#include <string>
#include <utility>

namespace vx {

class [[nodiscard]] Result {
public:
    // Success.
    Result() = default;
    static Result Failure(std::string message) { return Result(std::move(message)); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    // Why it failed; empty on success.
    const std::string& message() const { return message_; }

private:
    explicit Result(std::string message) : ok_(false), message_(std::move(message)) {}

    bool ok_ = true;
    std::string message_;
};

}  // namespace vx
