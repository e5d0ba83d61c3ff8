#include "LibraryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "shell/ProgramFolder.h"

namespace vx::test {

std::vector<std::uint8_t> TestFont(const std::string& name) {
    std::ifstream in(std::string(VX_TEST_FONTS_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "test font " << name << " missing";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

LibraryRecord Record(const std::string& name, const std::string& label) {
    return LibraryRecord{label, TestFont(name)};
}

LibraryRecord Unopenable(const std::string& name) {
    LibraryRecord r = Record(name);
    for (std::size_t at = 12; at + 16 <= r.font.size(); at += 16)
        if (std::memcmp(r.font.data() + at, "head", 4) == 0) r.font[at] = 'H';
    return r;
}

LibraryFolder::LibraryFolder() : old_ep_(ep) {
    std::filesystem::create_directory(dir_.path() / "embedded");
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

std::string LibraryFolder::WriteUserFont(const std::string& file,
                                         const std::vector<std::uint8_t>& bytes) {
    const std::string relative = "share/Vexo Logo/fonts/" + file;
    std::filesystem::create_directories(dir_.path() / "share/Vexo Logo/fonts");
    return dir_.Write(relative, bytes);
}

void LibraryFolder::Write(const std::string& relative, const std::vector<LibraryRecord>& records) {
    WriteRaw(relative, PackLibrary(records));
}

void LibraryFolder::WriteRaw(const std::string& relative, const std::vector<std::uint8_t>& bytes) {
    dir_.Write(relative, bytes);
}

void LibraryFolder::WriteAll(const std::vector<LibraryRecord>& symbols,
                             const std::vector<LibraryRecord>& cat0,
                             const std::vector<LibraryRecord>& cat1) {
    Write("basgl.bgd", symbols);
    Write("embedded/emb1.gld", cat0);
    Write("embedded/emb0.gld", cat1);
}

}  // namespace vx::test
