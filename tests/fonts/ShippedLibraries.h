#pragma once

// The libraries the data build put into the program folder, loaded once for a
// test suite as the program loads them, and the manifests they were built from.

#include <string>
#include <vector>

#include "render/FtText.h"
#include "support/Recorders.h"

namespace vx::test {

// One line of a tab-separated manifest, split into its fields.
using ManifestRow = std::vector<std::string>;

// The rows of a manifest, without its comments and blank lines.
std::vector<ManifestRow> ReadManifest(const std::string& path);

// The name a text face is shown with: the manifest's new family and style
// where it gives them, otherwise the name FreeType gives the font file.
std::string ShownName(const ManifestRow& row);

class ShippedLibraries : public RecordingTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    // Whether the shape table offers glyph `glyph` of symbol face `face`.
    // The shape table, in order.
    static std::vector<SymEntry> Shapes();
    static bool Offered(const std::string& face, int glyph);
};

}  // namespace vx::test
