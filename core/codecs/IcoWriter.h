#pragma once

// Windows icon writing: several square pictures in one file, each stored as a
// PNG (small and what browsers prefer) or as a 32-bit bitmap with its mask
// (what the oldest readers understand).

#include <cstdint>
#include <span>
#include <vector>

#include "shell/Result.h"

namespace vx {

enum class IcoEntryFormat { PNG, BMP };

// One picture of the icon: `px` holds size x size words 0xAARRGGBB, alpha
// unassociated, rows top first. Sizes run from 1 to 256.
struct IcoPicture {
    const std::uint32_t* px = nullptr;
    int size = 0;
    IcoEntryFormat format = IcoEntryFormat::PNG;
};

// Encodes the pictures, in the given order, as one icon file. Fails, with
// `out` empty, when there is no picture or one is out of range.
Result EncodeIco(std::span<const IcoPicture> pictures, std::vector<std::uint8_t>& out);

}  // namespace vx
