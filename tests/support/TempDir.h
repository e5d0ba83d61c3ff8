#pragma once

// A fresh temporary folder for one test, removed with everything in it when
// the TempDir (and any copy of it) goes.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vx::test {

class TempDir {
public:
    TempDir();

    const std::filesystem::path& path() const { return dir_; }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    // Writes `bytes` as the file `name` of the folder; returns its path.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path dir_;
    std::shared_ptr<void> remover_;  // its deleter removes the folder
};

// The whole content of the file at `path` (a failed check if it cannot be opened).
std::string FileText(const std::filesystem::path& path);
std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path);

}  // namespace vx::test
