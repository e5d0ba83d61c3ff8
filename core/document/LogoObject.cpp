#include "document/LogoObject.h"

namespace vx {

void LogoObject::CopyParamsTo(LogoObject& target) const {
    target.lt = lt;
    target.file = file;
    target.lib_index = lib_index;
    target.x = x;
    target.y = y;
    target.w = w;
    target.h = h;
    target.type = type;
}

}  // namespace vx
