#include "LibraryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "shell/ProgramFolder.h"

namespace vx::test {

Bytes TestFont(const std::string& name) {
    return FileBytes(std::string(VX_TEST_FONTS_DIR) + "/" + name);
}

LibraryRecord Record(const std::string& name, const std::string& label) {
    return LibraryRecord{label, TestFont(name)};
}

LibraryFolder::LibraryFolder() : old_ep_(ep) {
    ep = dir_.path().string();
    if (const char* old = std::getenv("XDG_DATA_HOME")) old_data_home_ = old;
    setenv("XDG_DATA_HOME", dir_.Path("share").c_str(), 1);
}

LibraryFolder::~LibraryFolder() {
    ep = old_ep_;
    if (old_data_home_)
        setenv("XDG_DATA_HOME", old_data_home_->c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

std::string LibraryFolder::WriteRaw(const std::string& relative, const Bytes& bytes) {
    std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
    return dir_.Write(relative, bytes);
}

}  // namespace vx::test
