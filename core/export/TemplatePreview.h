#pragma once

// The two preview pictures of a template: "a", shown in the template library,
// and "c", shown while the pointer is over it. Both are drawn by the export
// painter from a copy of the document, so the document being edited is
// neither re-centred nor re-rendered, and the shared canvas stays as it is.

#include <string>

#include "document/LeFile.h"
#include "export/LogoExport.h"
#include "shell/Result.h"

namespace vx {

// The size of a preview cell of the template library.
constexpr int TEMPLATE_PREVIEW_W = 375;
constexpr int TEMPLATE_PREVIEW_H = 225;

struct TemplatePreviews {
    ExportImage normal;       // "a": the logo on the template's background
    ExportImage highlighted;  // "c": a little larger, on the lighter hover background
};

// Draws both pictures, TEMPLATE_PREVIEW_W x TEMPLATE_PREVIEW_H, the logo
// scaled to fit with a margin and centred. An empty logo gives the bare
// background. A failure carries the message for the user.
Result DrawTemplatePreviews(const LeFile& le, TemplatePreviews& out);

// Draws both pictures and writes them as GIF files to `normal_path` and
// `highlighted_path` (each written whole or not at all).
Result WriteTemplatePreviews(const LeFile& le, const std::string& normal_path,
                             const std::string& highlighted_path);

}  // namespace vx
