#include "session/TypedText.h"

#include "shell/Cp1252.h"

namespace vx {

std::string TypedText(const std::string& utf8) {
    std::string text = Utf8ToCp1252Filtered(utf8);
    if (text.size() > static_cast<std::size_t>(MAX_TYPED_CHARS)) text.resize(MAX_TYPED_CHARS);
    return text;
}

}  // namespace vx
