#include "render/FontFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <span>

namespace vx {

FontFile::~FontFile() {
    if (fd_ >= 0) close(fd_);
}

bool FontFile::Open(const std::string& path, bool scrambled) {
    scrambled_ = scrambled;
    // O_NONBLOCK: opening a FIFO with no writer must not hang the program.
    fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return false;
    struct stat st {};
    if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
        close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
    return true;
}

bool FontFile::Read(std::uint64_t offset, std::size_t n, std::uint8_t* out) const {
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = pread(fd_, out + done, n - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    if (scrambled_) UnscrambleLibrary(std::span<std::uint8_t>(out, n), offset);
    return true;
}

}  // namespace vx
