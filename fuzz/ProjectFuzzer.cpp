// Fuzz target for the project file reader: whatever the file holds, the
// document keeps its invariants (objs in range, exactly the first objs slots
// set, cur an object or -1).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "document/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vx::LeFile lf;
    vx::DecodeProject(std::span<const std::uint8_t>(data, size), lf);
    bool consistent = lf.objs >= 0 && lf.objs <= vx::MAX_OBJS && lf.cur >= -1 && lf.cur < lf.objs;
    for (int n = 0; n < vx::MAX_OBJS; ++n) consistent &= (lf.obj[n] != nullptr) == (n < lf.objs);
    if (!consistent) std::abort();
    return 0;
}
