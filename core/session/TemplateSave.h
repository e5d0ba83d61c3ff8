#pragma once

// "Save As Template...": the document becomes a template of the library, the
// project file NAME.zeb with its two GIF previews NAMEa.bpr and NAMEc.bpr. An
// installed program cannot write its own folder; the user's templates then go
// to their own folder, which the library lists beside the program's.

#include <string>

#include "document/LeFile.h"
#include "shell/Result.h"

namespace vx {

// Where a new template goes: `program_folder` when it is, or can be made, a
// writable folder, else `user_folder` (made when missing). Empty when neither
// can be written.
std::string TemplateSaveFolder(const std::string& program_folder, const std::string& user_folder);

// Why `name` cannot name a template file (empty, a path separator, a control
// character, "." or ".."); empty when it can.
std::string TemplateNameProblem(const std::string& name);

// Whether `folder` already holds a template of that name.
bool TemplateExists(const std::string& folder, const std::string& name);

// Writes the template `name` of `lf` into `folder`: both previews, drawn from
// a copy so `lf` and the shared canvas stay as they are, then the project. A
// failure carries the message for the user.
Result SaveTemplate(const LeFile& lf, const std::string& folder, const std::string& name);

}  // namespace vx
