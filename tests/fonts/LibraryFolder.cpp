#include "LibraryFolder.h"

#include <gtest/gtest.h>

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

LibraryFolder::LibraryFolder() : old_ep_(ep) {
    std::filesystem::create_directory(dir_.path() / "embedded");
    ep = dir_.path().string();
}

LibraryFolder::~LibraryFolder() {
    ep = old_ep_;
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
