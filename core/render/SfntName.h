#pragma once

// The lookup name of a face ("Family Style") read from the `name` table of a
// TrueType or OpenType file, as FreeType names the face it opens from that
// file, without opening it: only the table directory, `name` and `OS/2` are
// read. For any file whose naming it cannot vouch for (collections, variable
// fonts, other formats, unusual or damaged tables) it gives nothing, and the
// caller asks FreeType.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vx {

// Copies `n` bytes at `offset` of the font file to `out`; false when they
// cannot be read.
using FontReader = std::function<bool(std::size_t offset, std::size_t n, std::uint8_t* out)>;

std::optional<std::string> SfntFaceName(const FontReader& read, std::size_t size);

}  // namespace vx
