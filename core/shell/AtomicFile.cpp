#include "shell/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace vx {

namespace {

// The permissions a newly created file would get: those of the file being
// replaced, else the usual 0666 less the umask.
mode_t TargetMode(const std::string& target) {
    struct stat st {};
    if (stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) close(fd_);
    if (!committed_ && !temp_.empty()) unlink(temp_.c_str());
}

bool AtomicFile::Fail(const char* what) {
    error_ = std::string(what) + ": " + std::strerror(errno);
    return false;
}

bool AtomicFile::Open() {
    std::string pattern = target_ + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) return Fail("cannot create a temporary file");
    temp_ = name.data();
    if (fchmod(fd_, TargetMode(target_)) != 0) return Fail("cannot set permissions");
    return true;
}

bool AtomicFile::Write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fail("write failed");
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFile::Commit() {
    if (temp_.empty()) {
        error_ = "nothing was written";
        return false;
    }
    if (fd_ >= 0) {
        if (fsync(fd_) != 0) return Fail("cannot flush");
        const int fd = std::exchange(fd_, -1);
        if (close(fd) != 0) return Fail("cannot close");
    }
    if (rename(temp_.c_str(), target_.c_str()) != 0) return Fail("cannot replace the file");
    committed_ = true;
    return true;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error) {
    AtomicFile file(path);
    const bool ok = file.Open() && file.Write(bytes) && file.Commit();
    if (!ok && error) *error = file.error();
    return ok;
}

}  // namespace vx
