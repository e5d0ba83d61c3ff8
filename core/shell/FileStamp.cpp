#include "shell/FileStamp.h"

#include <sys/stat.h>

namespace vx {

FileStamp StampOf(const std::string& path) {
    FileStamp s;
    s.path = path;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return s;
    s.size = static_cast<std::int64_t>(st.st_size);
    s.mtime = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return s;
}

}  // namespace vx
