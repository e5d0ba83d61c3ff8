#pragma once

// The libraries the data build put into the program folder, loaded once for a
// test suite as the program loads them, and the manifests they were built from.

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "render/FtText.h"
#include "shell/ProgramFolder.h"
#include "support/Recorders.h"

namespace vx::test {

// The rows of a tab-separated manifest, split into fields, without its
// comments and blank lines.
using ManifestRow = std::vector<std::string>;
inline std::vector<ManifestRow> ReadManifest(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<ManifestRow> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        ManifestRow row;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

// The name a text face is shown with: the manifest's new family and style
// where it gives them, otherwise the name FreeType gives the font file.
inline std::string ShownName(const ManifestRow& row) {
    return row.size() >= 6 && !row[4].empty() ? row[4] + " " + row[5] : row.at(2);
}

class ShippedLibraries : public RecordingTest {
protected:
    static void SetUpTestSuite() {
        ep = VX_PROGRAM_DIR;
        FtText::InitFt();
    }
    static void TearDownTestSuite() { FtText::FreeFt(); }

    // The shape table, in order, and whether it offers glyph `glyph` of `face`.
    static std::vector<SymEntry> Shapes() {
        std::vector<SymEntry> out;
        for (int n = 0; n < FtText::ShapeCount(); ++n) out.push_back(FtText::Shape(n));
        return out;
    }
    static bool Offered(const std::string& face, int glyph) {
        const std::vector<SymEntry> shapes = Shapes();
        return std::any_of(shapes.begin(), shapes.end(),
                           [&](const SymEntry& s) { return s.font == face && s.glyph == glyph; });
    }
};

}  // namespace vx::test
