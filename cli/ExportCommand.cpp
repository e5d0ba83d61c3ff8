// export: what the export dialog's Save does, from the command line. Each
// logo is opened for export (fixed canvas, or the objects centred), then drawn
// at the scale with the margins and written in the format that --format names
// or, without it, the output file's extension asks for: an image, or an SVG
// document with the same size rule. Several logos share
// one process and one load of the font libraries.

#include <charconv>
#include <climits>
#include <cstdio>
#include <fstream>
#include <optional>
#include <vector>

#include "cli/Commands.h"
#include "cli/OpenProject.h"
#include "cli/ScopedFonts.h"
#include "export/LogoExport.h"
#include "export/SvgExport.h"
#include "render/MissingFaces.h"
#include "render/Random.h"
#include "shell/Messages.h"

namespace vx::cli {

namespace {

constexpr const char* FORMAT_NAMES = "png24|png8|gif|bmp|jpeg|tiff|svg";

std::optional<ImageFormat> ImageFormatNamed(const std::string& name) {
    if (name == "png24") return ImageFormat::PNG24;
    if (name == "png8") return ImageFormat::PNG8;
    if (name == "gif") return ImageFormat::GIF8;
    if (name == "bmp") return ImageFormat::BMP24;
    if (name == "jpeg") return ImageFormat::JPEG;
    if (name == "tiff") return ImageFormat::TIFF;
    return std::nullopt;
}

// What a job writes: an image in `image`'s format, or an SVG document.
struct OutputFormat {
    ImageFormat image = ImageFormat::PNG24;
    bool svg = false;
};

std::optional<OutputFormat> FormatNamed(const std::string& name) {
    if (name == "svg") return OutputFormat{ImageFormat::PNG24, true};
    const std::optional<ImageFormat> image = ImageFormatNamed(name);
    if (!image) return std::nullopt;
    return OutputFormat{*image, false};
}

std::optional<OutputFormat> FormatForPath(const std::string& path) {
    if (IsSvgPath(path)) return OutputFormat{ImageFormat::PNG24, true};
    const std::optional<ImageFormat> image = ExportFormatForPath(path);
    if (!image) return std::nullopt;
    return OutputFormat{*image, false};
}

// A number as the dialog's numbers-only edits take it: digits only. Values
// beyond int are held at INT_MAX; the dialog's clamps then apply.
bool ParseDigits(const std::string& text, int& out) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    long long v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    out = r.ec == std::errc() && v <= INT_MAX ? static_cast<int>(v) : INT_MAX;
    return true;
}

struct ExportJob {
    std::string in;
    std::string out;
    ExportOptions options;
    bool svg = false;
};

struct ExportRequest {
    std::vector<ExportJob> jobs;
    std::optional<OutputFormat> format;
    std::optional<int> scale;
    ExportOptions options;
    bool unpaired = false;  // a FILE.zeb without its OUT
};

// A list file: one "FILE.zeb<TAB>OUT" pair per line; blank lines are skipped.
Result ReadList(const std::string& path, std::vector<std::string>& names) {
    std::ifstream in(path);
    if (!in) return Result::Failure(MSG_CANNOT_OPEN + path);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0 || tab + 1 == line.size() ||
            line.find('\t', tab + 1) != std::string::npos)
            return Result::Failure(path + ":" + std::to_string(number) +
                                   ": expected FILE.zeb<TAB>OUT");
        names.push_back(line.substr(0, tab));
        names.push_back(line.substr(tab + 1));
    }
    return {};
}

// Reads the arguments; a failure says what is wrong.
Result ParseRequest(Args args, ExportRequest& req) {
    std::vector<std::string> names;  // project and output, pair after pair
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag.rfind("--", 0) != 0) {
            names.push_back(flag);
            continue;
        }
        if (flag == "--transparent") {
            req.options.transparent = true;
            continue;
        }
        if (i + 1 >= args.size()) return Result::Failure("missing value after " + flag);
        const std::string& value = args[++i];
        int number = 0;
        if (flag == "--format") {
            req.format = FormatNamed(value);
            if (!req.format)
                return Result::Failure("--format must be one of " + std::string(FORMAT_NAMES) +
                                       ": " + value);
        } else if (flag == "--list") {
            if (Result listed = ReadList(value, names); !listed) return listed;
        } else if (flag == "--scale" || flag == "--margin" || flag == "--quality") {
            if (!ParseDigits(value, number))
                return Result::Failure(flag + " must be a whole number: " + value);
            if (flag == "--scale") req.scale = number;
            if (flag == "--margin") req.options.margin = number;
            if (flag == "--quality") req.options.quality = number;
        } else {
            return Result::Failure("unknown option " + flag);
        }
    }
    req.unpaired = names.size() % 2 != 0;
    if (req.unpaired) names.pop_back();
    if (req.scale) req.options.scale = *req.scale;
    for (std::size_t n = 0; n < names.size(); n += 2) {
        ExportJob job{names[n], names[n + 1], req.options};
        const std::optional<OutputFormat> format = req.format ? req.format : FormatForPath(job.out);
        if (!format)
            return Result::Failure("cannot tell the image format from the name " + job.out +
                                   "; give --format " + FORMAT_NAMES);
        job.options.format = format->image;
        job.svg = format->svg;
        req.jobs.push_back(std::move(job));
    }
    return {};
}

// One logo, as a run of the command for it alone would export it. Returns the
// exit status.
int ExportOne(const ExportJob& job, const std::optional<int>& scale) {
    LeFile lf;
    if (const Result opened = OpenProject(job.in, lf); !opened) return Fail(opened.message());

    for (const std::string& face : MissingFaces(lf))
        std::fprintf(stderr,
                     "vexologo-cli: %s: the face \"%s\" is not installed; drawn with \"%s\"\n",
                     job.in.c_str(), face.c_str(), FallbackFaceName().c_str());
    EngineRandom() = RandomSource();  // the gradient dither of a fresh process
    const ExportLogo logo = OpenExport(lf);
    // The dialog disables the scale for such a logo; a script asked for it.
    if (!logo.scalable && scale && ClampExportScale(*scale) != 100)
        return Fail(job.in + " holds an imported picture and exports at 100 % only");
    // lf, with the faces its objects borrowed, is gone before the fonts are freed.
    const Result saved = job.svg ? SaveLogoSvg(lf, logo, job.options, job.out)
                                 : SaveLogoImage(lf, logo, job.options, job.out);
    if (!saved) return Fail(saved.message());
    return 0;
}

}  // namespace

int Export(Args args) {
    ExportRequest req;
    if (const Result parsed = ParseRequest(args, req); !parsed) return Fail(parsed.message());
    if (req.unpaired || req.jobs.empty()) return Misuse("export");

    // One load of the libraries serves every logo; a failed logo does not stop the others.
    const ScopedFonts fonts;
    int status = 0;
    for (const ExportJob& job : req.jobs)
        if (ExportOne(job, req.scale) != 0) status = 1;
    return status;
}

}  // namespace vx::cli
