#pragma once

// The program folder `ep`: the folder of the running executable. Every data file
// (font libraries, styles, templates) is found relative to it.

#include <string>

namespace vx {

extern std::string ep;

// Sets `ep` from /proc/self/exe. Returns 0; a failure is a fatal report.
int InitProgramFolder();

// `ep` joined with a data path written with backslashes ("\\styles\\1.zeb").
std::string ProgramPath(const std::string& backslash_path);

}  // namespace vx
