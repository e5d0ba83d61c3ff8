#pragma once

// Writes a file the user owns without ever leaving it half-written: the data
// goes to a temporary file in the target's folder, which replaces the target
// only when everything was written and flushed. Until Commit succeeds the old
// file is untouched; a destroyed, uncommitted AtomicFile removes its temporary.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vx {

class AtomicFile {
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file. Returns false with error() set on failure.
    bool Open();
    // Descriptor and path of the temporary file, for writers that need either.
    int fd() const { return fd_; }
    const std::string& temp_path() const { return temp_; }

    bool Write(std::span<const std::uint8_t> bytes);
    // Flushes, closes and renames the temporary over the target.
    bool Commit();

    const std::string& error() const { return error_; }

private:
    bool Fail(const char* what);

    std::string target_;
    std::string temp_;
    std::string error_;
    int fd_ = -1;
    bool committed_ = false;
};

// Writes `bytes` to `path` through an AtomicFile. Returns false with `error` set.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error = nullptr);

}  // namespace vx
