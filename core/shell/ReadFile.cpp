#include "shell/ReadFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

namespace vx {

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

Result Fail(std::string why) {
    return Result::Failure(std::move(why));
}

}  // namespace

Result ReadWholeFile(const std::string& path, std::size_t max_bytes,
                     std::vector<std::uint8_t>& out) {
    out.clear();
    // O_NONBLOCK: opening a FIFO with no writer must not hang the program.
    const Fd fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return Fail(std::strerror(errno));

    struct stat st {};
    if (fstat(fd.get(), &st) != 0) return Fail(std::strerror(errno));
    if (!S_ISREG(st.st_mode)) return Fail("not a regular file");
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > max_bytes)
        return Fail("file too large");

    try {
        out.resize(static_cast<std::size_t>(st.st_size));
    } catch (const std::bad_alloc&) {
        return Fail("not enough memory");
    }
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = read(fd.get(), out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string why =
                n < 0 ? std::strerror(errno) : "the file shrank while it was read";
            out.clear();
            return Fail(why);
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

}  // namespace vx
