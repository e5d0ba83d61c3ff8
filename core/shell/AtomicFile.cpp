#include "shell/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace vx {

namespace {

// As the kernel's own limit on links followed while opening a path.
constexpr int MAX_LINK_HOPS = 40;

// `path` with the symbolic links at its end followed: the file a save writes.
// A link pointing nowhere names the file to create.
Result FollowLinks(std::filesystem::path path, std::string& target) {
    namespace fs = std::filesystem;
    for (int hops = 0; hops < MAX_LINK_HOPS; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) {
            target = path.string();
            return {};
        }
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) return Result::Failure("cannot follow the link: " + ec.message());
        path = path.parent_path() / link;  // an absolute link replaces the whole path
    }
    return Result::Failure(std::string("cannot follow the link: ") + std::strerror(ELOOP));
}

// The permissions a newly created file would get: those of the file being
// replaced, else the usual 0666 less the umask.
mode_t TargetMode(const std::string& target) {
    struct stat st {};
    if (stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

AtomicFile::AtomicFile(std::string path) : target_(std::move(path)) {}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) close(fd_);
    if (!committed_) RemoveTemporary();
}

Result AtomicFile::Fail(const char* what) {
    return Result::Failure(std::string(what) + ": " + std::strerror(errno));
}

void AtomicFile::RemoveTemporary() {
    if (!temp_.empty()) unlink(temp_.c_str());
    temp_.clear();
}

Result AtomicFile::Open() {
    if (Result followed = FollowLinks(target_, target_); !followed) return followed;
    std::string pattern = target_ + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) return OpenInPlace(errno);
    temp_ = name.data();
    if (fchmod(fd_, TargetMode(target_)) != 0) return Fail("cannot set permissions");
    return {};
}

// Only a folder that refuses new files is worked around; any other failure
// (a full disk, a missing folder) would fail in place too, or worse.
Result AtomicFile::OpenInPlace(int create_error) {
    if ((create_error == EACCES || create_error == EPERM) && IsRegularFile(target_)) {
        fd_ = open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd_ >= 0) {
            in_place_ = true;
            return {};
        }
    }
    errno = create_error;
    return Fail("cannot create a temporary file");
}

Result AtomicFile::Write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fail("write failed");
        done += static_cast<std::size_t>(n);
    }
    return {};
}

Result AtomicFile::Commit() {
    if (fd_ < 0) return Result::Failure("nothing was written");
    if (fsync(fd_) != 0) return Fail("cannot flush");
    if (close(std::exchange(fd_, -1)) != 0) return Fail("cannot close");
    if (!in_place_ && rename(temp_.c_str(), target_.c_str()) != 0) {
        Result failed = Fail("cannot replace the file");
        RemoveTemporary();
        return failed;
    }
    committed_ = true;
    return {};
}

Result WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    AtomicFile file(path);
    Result result = file.Open();
    if (result) result = file.Write(bytes);
    if (result) result = file.Commit();
    return result;
}

}  // namespace vx
