#pragma once

// A temporary program folder for library tests: library files packed from the
// small test fonts, with `ep` pointing at the folder while it exists, and a
// data folder of the user's own fonts (XDG_DATA_HOME) beside it.

#include <filesystem>
#include <optional>
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
// The same with the font's `head` table renamed: its tables still name it, but
// FreeType cannot open it.
LibraryRecord Unopenable(const std::string& name);

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

    // Writes a file into the user's fonts folder; returns its path.
    std::string WriteUserFont(const std::string& file, const std::vector<std::uint8_t>& bytes);

    std::string Path(const std::string& relative) const { return dir_.Path(relative); }

private:
    TempDir dir_;
    std::string old_ep_;
    std::optional<std::string> old_data_home_;
};

}  // namespace vx::test
