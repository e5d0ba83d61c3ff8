// export: what the export dialog's Save does, from the command line. The
// logo is opened for export (fixed canvas, or the objects centred), then drawn
// at the scale with the margins and written in the format that --format names
// or, without it, the output file's extension asks for.

#include <charconv>
#include <climits>
#include <optional>

#include "cli/Commands.h"
#include "document/ProjectFile.h"
#include "export/LogoExport.h"
#include "render/FtText.h"

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

// Reads the arguments; an empty text means success, otherwise it says what is wrong.
std::string ParseRequest(Args args, ExportRequest& req) {
    req.in = args[0];
    req.out = args[1];
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--transparent") {
            req.options.transparent = true;
            continue;
        }
        if (i + 1 >= args.size()) return "missing value after " + flag;
        const std::string& value = args[++i];
        int number = 0;
        if (flag == "--format") {
            req.format = FormatNamed(value);
            if (!req.format)
                return "--format must be one of " + std::string(FORMAT_NAMES) + ": " + value;
        } else if (flag == "--scale" || flag == "--margin" || flag == "--quality") {
            if (!ParseDigits(value, number)) return flag + " must be a whole number: " + value;
            if (flag == "--scale") req.scale = number;
            if (flag == "--margin") req.options.margin = number;
            if (flag == "--quality") req.options.quality = number;
        } else {
            return "unknown option " + flag;
        }
    }
    if (!req.format) req.format = ExportFormatForPath(req.out);
    if (!req.format)
        return "cannot tell the image format from the name " + req.out + "; give --format " +
               FORMAT_NAMES;
    req.options.format = *req.format;
    if (req.scale) req.options.scale = *req.scale;
    return {};
}

}  // namespace

int Export(Args args) {
    if (args.size() < 2) return Misuse("export");
    ExportRequest req;
    if (const std::string wrong = ParseRequest(args, req); !wrong.empty()) return Fail(wrong);

    LeFile lf;
    const ProjectResult r = ReadProjectFile(req.in, lf);
    if (r.status == ProjectStatus::REFUSED)
        return Fail(req.in + ": " + MSG_WRONG_VERSION + " (" + r.detail + ")");
    if (r.status != ProjectStatus::OK)
        return Fail(MSG_CANNOT_OPEN + req.in + " (" + r.detail + ")");

    FtText::InitFt();
    const ExportLogo logo = OpenExport(lf);
    int status = 0;
    if (!logo.scalable && req.scale && ClampExportScale(*req.scale) != 100) {
        // The dialog disables the scale for such a logo; a script asked for it.
        status = Fail(req.in + " holds an imported picture and exports at 100 % only");
    } else if (!SaveLogoImage(lf, logo, req.options, req.out)) {
        status = 1;  // the message is out already
    }
    lf.Clear();  // every face the objects borrowed goes with FreeFt
    FtText::FreeFt();
    return status;
}

}  // namespace vx::cli
