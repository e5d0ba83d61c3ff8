#include "ShippedLibraries.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "shell/ProgramFolder.h"

namespace vx::test {

std::vector<ManifestRow> ReadManifest(const std::string& path) {
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

std::string ShownName(const ManifestRow& row) {
    return row.size() >= 6 && !row[4].empty() ? row[4] + " " + row[5] : row.at(2);
}

void ShippedLibraries::SetUpTestSuite() {
    ep = VX_PROGRAM_DIR;
    FtText::InitFt();
}

std::vector<SymEntry> ShippedLibraries::Shapes() {
    std::vector<SymEntry> out;
    for (int n = 0; n < FtText::ShapeCount(); ++n) out.push_back(FtText::Shape(n));
    return out;
}

bool ShippedLibraries::Offered(const std::string& face, int glyph) {
    const std::vector<SymEntry> shapes = Shapes();
    return std::any_of(shapes.begin(), shapes.end(),
                       [&](const SymEntry& s) { return s.font == face && s.glyph == glyph; });
}

}  // namespace vx::test
