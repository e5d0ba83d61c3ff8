// TEMPORARY: stands in for LogoObject::LoadCustomBitmap until the bitmap import
// lands; remove this file when it does. It loads nothing, so an imported bitmap
// without pixels is not painted.

#include "document/LogoObject.h"

namespace vx {

int LogoObject::LoadCustomBitmap() {
    return 0;
}

}  // namespace vx
