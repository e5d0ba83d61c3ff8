#pragma once

// A fresh temporary folder for one test, removed with everything in it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vx::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    // Writes `bytes` as the file `name` of the folder; returns its path.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path dir_;
};

}  // namespace vx::test
