// vexo-pack: writes a font library file (basgl.bgd, embedded/emb*.gld) from a
// list of font files, in the scrambled stream layout the program loads.
//
//   vexo-pack OUT LIST
//
// LIST holds one record a line, in library order: the label stored with the
// face, a tab, the path of the font file. An empty list gives a library with no
// faces. The output is written only when every font file could be read.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "render/LibraryFile.h"
#include "shell/AtomicFile.h"
#include "shell/ReadFile.h"

namespace {

// Far above any font we pack; a guard against packing something else by mistake.
constexpr std::size_t MAX_FONT_BYTES = std::size_t{64} << 20;

int Fail(const std::string& text) {
    std::fprintf(stderr, "vexo-pack: %s\n", text.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: vexo-pack OUT LIST");
    const std::string out = argv[1];
    const std::string list = argv[2];

    std::ifstream in(list);
    if (!in) return Fail(list + ": cannot be opened");
    std::vector<vx::LibraryRecord> records;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (line.empty()) continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            return Fail(list + ":" + std::to_string(n) + ": expected LABEL<tab>FILE");
        vx::LibraryRecord r;
        r.label = line.substr(0, tab);
        const std::string path = line.substr(tab + 1);
        const vx::Result read = vx::ReadWholeFile(path, MAX_FONT_BYTES, r.font);
        if (!read) return Fail(path + ": " + read.message());
        if (r.font.empty()) return Fail(path + ": empty file");
        records.push_back(std::move(r));
    }

    const std::vector<std::uint8_t> data = vx::PackLibrary(records);
    if (const vx::Result written = vx::WriteFileAtomically(out, data); !written)
        return Fail(out + ": " + written.message());
    return 0;
}
