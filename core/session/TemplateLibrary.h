#pragma once

// The program's template library: the store of the program folder's
// "templates" folder, read during the loading screen (ReloadTmps) and released
// at exit (FreeTmps). Previews are GIF pictures whatever their extension.

#include <string>

#include "document/TemplateStore.h"

namespace vx {

// The one store every template window shows.
TemplateStore& ProgramTemplates();

// The folder of the user's own templates, listed with the program folder's
// ones; empty (the default) for none. The window sets it at start-up.
void SetUserTemplateFolder(const std::string& folder);
const std::string& UserTemplateFolder();

// Reads ep + "/templates" and the user's template folder into
// ProgramTemplates(). Returns 0.
int ReloadTmps(const TemplateProgress& progress = {});
// Releases ProgramTemplates(). Returns 0.
int FreeTmps();

// Decodes the picture at `path` with the GIF decoder.
bool LoadTemplatePicture(const std::string& path, TemplatePicture& out);

}  // namespace vx
