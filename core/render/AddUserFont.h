#pragma once

// Adding one of the user's own fonts while the program runs (File > Add
// Fonts...): the file is checked with FreeType, copied into the user's fonts
// folder and its face appended to the loaded faces, in the letter tab of its
// name, usable at once. The face table never moves (its room is reserved
// when the libraries load), so faces already in use stay where they are;
// the new face sorts among the other user fonts from the next start.

#include <string>

#include "shell/Result.h"

namespace vx {

// Adds the font file `source` to `folder` (created if need be) and to the
// loaded faces; `name` receives the face's name. Refused, with the message for
// the user and nothing copied: a file FreeType cannot open
// (MSG_FONT_NOT_OPENED), a face whose name is already loaded
// (MSG_FONT_NAME_TAKEN), a full face table, or a copy that fails.
Result AddUserFont(const std::string& source, const std::string& folder, std::string& name);

}  // namespace vx
