#pragma once

// A temporary program folder for library tests: library files packed from the
// small test fonts, with `ep` pointing at the folder while it exists.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "render/LibraryFile.h"
#include "support/TempDir.h"

namespace vx::test {

// The bytes of a test font made by make_test_fonts.py ("sym-a.ttf", ...).
std::vector<std::uint8_t> TestFont(const std::string& name);

// A record of `label` holding the test font `name`.
LibraryRecord Record(const std::string& name, const std::string& label = "L");

class LibraryFolder {
public:
    LibraryFolder();
    ~LibraryFolder();
    LibraryFolder(const LibraryFolder&) = delete;
    LibraryFolder& operator=(const LibraryFolder&) = delete;

    // Writes `relative` ("basgl.bgd", "embedded/emb1.gld") as packed by the
    // data build, or as the raw bytes given.
    void Write(const std::string& relative, const std::vector<LibraryRecord>& records);
    void WriteRaw(const std::string& relative, const std::vector<std::uint8_t>& bytes);
    // The three files the program always reads, as libraries of these records.
    void WriteAll(const std::vector<LibraryRecord>& symbols, const std::vector<LibraryRecord>& cat0,
                  const std::vector<LibraryRecord>& cat1);

    std::string Path(const std::string& relative) const { return dir_.Path(relative); }

private:
    TempDir dir_;
    std::string old_ep_;
};

}  // namespace vx::test
