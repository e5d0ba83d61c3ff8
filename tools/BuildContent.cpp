// vexo-content: builds the style and template libraries of a program folder
// from their JSON sources (the form `vexologo-cli to-json` prints).
//
//   vexo-content PROGRAM_DIR STYLE_SOURCES TEMPLATE_SOURCES
//
// The style sources, taken in name order, become styles/1.zeb, 2.zeb, ...;
// numbered files past the last are removed so the library ends where the
// sources do. Each template source T.json becomes templates/T.zeb with its
// previews Ta.bpr and Tc.bpr, drawn by the engine with the program folder's
// fonts. Any message or failed check stops the build.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/ProjectJson.h"
#include "document/ProjectFile.h"
#include "export/TemplatePreview.h"
#include "render/FtText.h"
#include "render/MissingFaces.h"
#include "shell/FatalReport.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Die(const std::string& text) {
    std::fprintf(stderr, "vexo-content: %s\n", text.c_str());
    std::exit(1);
}

std::vector<fs::path> JsonFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".json")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The document of a source, every face it names loaded.
vx::LeFile ReadSource(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const nlohmann::json j = nlohmann::json::parse(in, nullptr, /*allow_exceptions=*/false);
    if (j.is_discarded()) Die(path.string() + ": not valid JSON");
    vx::LeFile lf;
    std::uint32_t version = 0;
    if (const vx::Result r = vx::ProjectFromJson(j, lf, version); !r)
        Die(path.string() + ": " + r.message());
    if (lf.objs == 0) Die(path.string() + ": no objects");
    for (const std::string& face : vx::MissingFaces(lf))
        Die(path.string() + ": the face \"" + face + "\" is not in the libraries");
    return lf;
}

void Write(const fs::path& path, const vx::LeFile& lf) {
    if (const vx::Result r = vx::WriteProjectFile(path.string(), lf); !r)
        Die(path.string() + ": " + r.message());
}

void BuildStyles(const fs::path& sources, const fs::path& out) {
    fs::create_directories(out);
    const auto files = JsonFiles(sources);
    for (std::size_t n = 0; n < files.size(); ++n)
        Write(out / (std::to_string(n + 1) + ".zeb"), ReadSource(files[n]));
    for (std::size_t n = files.size() + 1; fs::remove(out / (std::to_string(n) + ".zeb")); ++n) {
    }
    std::printf("vexo-content: %zu styles\n", files.size());
}

void BuildTemplates(const fs::path& sources, const fs::path& out) {
    fs::create_directories(out);
    const auto files = JsonFiles(sources);
    for (const fs::path& file : files) {
        const vx::LeFile lf = ReadSource(file);
        const std::string title = file.stem().string();
        Write(out / (title + ".zeb"), lf);
        const vx::Result r = vx::WriteTemplatePreviews(lf, (out / (title + "a.bpr")).string(),
                                                       (out / (title + "c.bpr")).string());
        if (!r) Die(file.string() + ": " + r.message());
    }
    std::printf("vexo-content: %zu templates\n", files.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) Die("usage: vexo-content PROGRAM_DIR STYLE_SOURCES TEMPLATE_SOURCES");
    vx::SetFatalHandler([](const std::string& report) { Die("fatal error\n" + report); });
    vx::SetMessageHandler([](const std::string& text) { Die(text); });
    vx::ep = argv[1];
    vx::FtText::InitFt();
    BuildStyles(argv[2], fs::path(argv[1]) / "styles");
    BuildTemplates(argv[3], fs::path(argv[1]) / "templates");
    vx::FtText::FreeFt();
    return 0;
}
