#pragma once

// A temporary program folder for library tests: library files packed from the
// small fonts of tests/data/fonts, with `ep` pointing at the folder while it
// exists, and a data folder of the user's own fonts (XDG_DATA_HOME) beside it.

#include <optional>
#include <string>
#include <vector>

#include "render/FtText.h"
#include "render/LibraryFile.h"
#include "support/Recorders.h"
#include "support/TempDir.h"

namespace vx::test {

using Bytes = std::vector<std::uint8_t>;

// The bytes of a test font ("sym-a.ttf", ...).
Bytes TestFont(const std::string& name);
// A record of `label` holding the test font `name`.
LibraryRecord Record(const std::string& name, const std::string& label = "L");

class LibraryFolder {
public:
    LibraryFolder();
    ~LibraryFolder();
    LibraryFolder(const LibraryFolder&) = delete;
    LibraryFolder& operator=(const LibraryFolder&) = delete;

    // Writes `relative` ("basgl.bgd", "embedded/emb1.gld") as packed by the
    // data build, or as the raw bytes given; returns its path.
    void Write(const std::string& relative, const std::vector<LibraryRecord>& records) {
        WriteRaw(relative, PackLibrary(records));
    }
    std::string WriteRaw(const std::string& relative, const Bytes& bytes);
    // Writes a file into the user's fonts folder; returns its path.
    std::string WriteUserFont(const std::string& file, const Bytes& bytes) {
        return WriteRaw("share/Vexo Logo/fonts/" + file, bytes);
    }

    std::string Path(const std::string& relative) const { return dir_.Path(relative); }

private:
    TempDir dir_;
    std::string old_ep_;
    std::optional<std::string> old_data_home_;
};

// Records fatal reports and messages, and frees the loaded faces after each
// test, also after a failed expectation.
class LibraryTest : public RecordingTest {
protected:
    void TearDown() override {
        FtText::FreeFt();
        RecordingTest::TearDown();
    }
    // Writes the three files the program always reads, as libraries of these
    // records, and loads them.
    void Load(const std::vector<LibraryRecord>& symbols, const std::vector<LibraryRecord>& cat0,
              const std::vector<LibraryRecord>& cat1) {
        folder.Write("basgl.bgd", symbols);
        folder.Write("embedded/emb1.gld", cat0);
        folder.Write("embedded/emb0.gld", cat1);
        FtText::InitFt();
    }
    LibraryFolder folder;
};

}  // namespace vx::test
