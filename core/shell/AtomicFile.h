#pragma once

// Saves a file without ever leaving it half-written where that can be helped:
// the data goes to a temporary file in the target's folder, which replaces the
// target only when everything was written and flushed. Until Commit succeeds
// the old file is untouched; an AtomicFile destroyed uncommitted, or whose
// rename failed, removes its temporary.
//
// Saving through a symbolic link writes the file the link points to, and the
// link stays a link. When the folder refuses new files but the file itself
// may be written (the user owns a file in someone else's folder), the file is
// written in place instead: truncated, written and flushed. A failure half-way
// then leaves it cut, which is still better than not saving at all.

#include <cstdint>
#include <span>
#include <string>

#include "shell/Result.h"

namespace vx {

class AtomicFile {
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Follows the links and creates the temporary file, or opens the target
    // for writing in place when its folder refuses the temporary.
    Result Open();
    Result Write(std::span<const std::uint8_t> bytes);
    // Flushes and closes, then renames the temporary over the target.
    Result Commit();

    // Whether Open fell back to writing the target in place.
    bool in_place() const { return in_place_; }

private:
    Result OpenInPlace(int create_error);
    Result Fail(const char* what);
    void RemoveTemporary();

    std::string target_;  // the path given, then with its symbolic links followed
    std::string temp_;
    int fd_ = -1;
    bool in_place_ = false;
    bool committed_ = false;
};

// Writes `bytes` to `path` through an AtomicFile.
Result WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace vx
