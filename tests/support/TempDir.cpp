#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "shell/AtomicFile.h"

namespace vx::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vexo-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make " << pattern;
    dir_ = pattern;
    remover_ = std::shared_ptr<void>(nullptr, [dir = dir_](void*) {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    });
}

std::string TempDir::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    const std::string path = Path(name);
    EXPECT_TRUE(WriteFileAtomically(path, bytes)) << path;
    return path;
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.is_open()) << path;
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
    const std::string text = FileText(path);
    return {text.begin(), text.end()};
}

}  // namespace vx::test
