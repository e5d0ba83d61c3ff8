// export: what the export dialog's Save does, from the command line. The
// logo is opened for export (fixed canvas, or the objects centred), then drawn
// at the scale with the margins and written in the format that --format names
// or, without it, the output file's extension asks for.

#include <charconv>
#include <climits>
#include <optional>

#include "cli/Commands.h"
#include "cli/OpenProject.h"
#include "cli/ScopedFonts.h"
#include "export/LogoExport.h"

namespace vx::cli {

namespace {

constexpr const char* FORMAT_NAMES = "png24|png8|gif|bmp|jpeg|tiff";

std::optional<ImageFormat> FormatNamed(const std::string& name) {
    if (name == "png24") return ImageFormat::PNG24;
    if (name == "png8") return ImageFormat::PNG8;
    if (name == "gif") return ImageFormat::GIF8;
    if (name == "bmp") return ImageFormat::BMP24;
    if (name == "jpeg") return ImageFormat::JPEG;
    if (name == "tiff") return ImageFormat::TIFF;
    return std::nullopt;
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

struct ExportRequest {
    std::string in;
    std::string out;
    std::optional<ImageFormat> format;
    std::optional<int> scale;
    ExportOptions options;
};

// Reads the arguments; a failure says what is wrong.
Result ParseRequest(Args args, ExportRequest& req) {
    req.in = args[0];
    req.out = args[1];
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& flag = args[i];
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
    if (!req.format) req.format = ExportFormatForPath(req.out);
    if (!req.format)
        return Result::Failure("cannot tell the image format from the name " + req.out +
                               "; give --format " + FORMAT_NAMES);
    req.options.format = *req.format;
    if (req.scale) req.options.scale = *req.scale;
    return {};
}

}  // namespace

int Export(Args args) {
    if (args.size() < 2) return Misuse("export");
    ExportRequest req;
    if (const Result parsed = ParseRequest(args, req); !parsed) return Fail(parsed.message());

    LeFile lf;
    if (const Result opened = OpenProject(req.in, lf); !opened) return Fail(opened.message());

    const ScopedFonts fonts(lf);
    const ExportLogo logo = OpenExport(lf);
    if (!logo.scalable && req.scale && ClampExportScale(*req.scale) != 100) {
        // The dialog disables the scale for such a logo; a script asked for it.
        return Fail(req.in + " holds an imported picture and exports at 100 % only");
    }
    if (const Result saved = SaveLogoImage(lf, logo, req.options, req.out); !saved)
        return Fail(saved.message());
    return 0;
}

}  // namespace vx::cli
