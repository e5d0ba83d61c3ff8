#pragma once

// The program's template library: the store of the program folder's
// "templates" folder, read during the loading screen (ReloadTmps) and released
// at exit (FreeTmps). Previews are GIF pictures whatever their extension.

#include <string>

#include "document/TemplateStore.h"

namespace vx {

// The one store every template window shows.
TemplateStore& ProgramTemplates();

// Reads ep + "/templates" into ProgramTemplates(). Returns 0.
int ReloadTmps(const TemplateProgress& progress = {});
// Releases ProgramTemplates(). Returns 0.
int FreeTmps();

// Decodes the picture at `path` with the GIF decoder.
bool LoadTemplatePicture(const std::string& path, TemplatePicture& out);

}  // namespace vx
