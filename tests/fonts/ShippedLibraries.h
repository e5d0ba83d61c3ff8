#pragma once

// The libraries the data build put into the program folder, loaded once for a
// test suite as the program loads them, and the manifests they were built from.

#include <string>
#include <vector>

#include "render/FtText.h"
#include "support/Recorders.h"

namespace vx::test {

// The rows of a tab-separated manifest, split into fields, without its
// comments and blank lines.
using ManifestRow = std::vector<std::string>;
std::vector<ManifestRow> ReadManifest(const std::string& path);

// The name a text face is shown with: the manifest's new family and style
// where it gives them, otherwise the name FreeType gives the font file.
std::string ShownName(const ManifestRow& row);

class ShippedLibraries : public RecordingTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite() { FtText::FreeFt(); }

    // The shape table, in order, and whether it offers glyph `glyph` of `face`.
    static std::vector<SymEntry> Shapes();
    static bool Offered(const std::string& face, int glyph);
};

}  // namespace vx::test
