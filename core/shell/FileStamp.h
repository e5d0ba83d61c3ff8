#pragma once

// What identifies the state of a file on disk: its path, size and time of last
// change. Lets a failure to read a file be remembered until the file changes.

#include <cstdint>
#include <string>

namespace vx {

struct FileStamp {
    std::string path;
    std::int64_t size = -1;  // -1: the file could not be examined
    std::int64_t mtime = 0;  // nanoseconds of the last change

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path);

}  // namespace vx
