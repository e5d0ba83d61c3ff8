#include "shell/ReadFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

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

ReadFileResult Fail(const std::string& why) {
    return {false, why};
}

}  // namespace

ReadFileResult ReadWholeFile(const std::string& path, std::size_t max_bytes,
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
        if (n < 0) return Fail(std::strerror(errno));
        if (n == 0) {
            out.clear();
            return Fail("the file shrank while it was read");
        }
        done += static_cast<std::size_t>(n);
    }
    return {true, {}};
}

}  // namespace vx
