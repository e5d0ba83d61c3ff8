// Writes the seed corpora: the sample pictures of every kind and variant each
// reader accepts (tests/data/images), projects and a font library. Run from
// the release build: make_fuzz_seeds fuzz/corpus

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/ProjectFile.h"
#include "render/LibraryFile.h"
#include "support/Documents.h"
#include "support/SampleImages.h"

namespace {

namespace fs = std::filesystem;
using vx::test::Bytes;

void Write(const fs::path& dir, const std::string& name, const Bytes& bytes) {
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vx::test;
    if (argc != 2) return 2;
    const fs::path root = argv[1];
    // The samples' folders are named as the fuzz targets are.
    for (const auto& entry : fs::recursive_directory_iterator(VX_SAMPLE_IMAGES_DIR)) {
        const fs::path& from = entry.path();
        if (!entry.is_regular_file() || from.extension() == ".md") continue;
        const fs::path to = root / from.parent_path().filename() / from.filename();
        fs::create_directories(to.parent_path());
        fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    }
    for (int n : {0, 1, 3})
        Write(root / "project", "objects" + std::to_string(n) + ".zeb",
              vx::EncodeProject(MakeVariedDocument(n)));
    Write(root / "project", "version0.zeb", vx::EncodeProject(MakeVariedDocument(2), 0));
    Bytes library = vx::PackLibrary({{"Face One", Bytes(40, 7)}, {"Face Two", Bytes(3, 1)}});
    vx::UnscrambleLibrary(library);
    Write(root / "library", "two_records.bin", library);
    return 0;
}
