#include "shell/ProgramFolder.h"

#include <unistd.h>

#include <algorithm>
#include <array>

#include "shell/Checked.h"

namespace vx {

std::string ep;

int InitProgramFolder() {
    std::array<char, 4096> exe{};
    ssize_t n = 0;
    VX_CHECK((n = readlink("/proc/self/exe", exe.data(), exe.size() - 1)) > 0,
             "readlink(\"/proc/self/exe\",exe,size)>0");
    const std::string path(exe.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
    const std::size_t slash = path.rfind('/');
    VX_CHECK(slash != std::string::npos, "ne!=-1");
    ep = slash == std::string::npos ? path : path.substr(0, slash);
    return 0;
}

std::string ProgramPath(const std::string& backslash_path) {
    std::string path = ep + backslash_path;
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(ep.size()), path.end(), '\\', '/');
    return path;
}

}  // namespace vx
