#pragma once

// A transparent background for export: the logo painted over black and over
// white gives back, per pixel, how much background shows through (the
// difference between the two) and the logo's own colour. Where the logo is
// opaque both pictures agree and alpha is exactly 255; where nothing is drawn
// they differ by 255 and alpha is exactly 0; anti-aliased edges, soft
// shadows and outlines get the alpha in between.

#include <cstddef>
#include <cstdint>

namespace vx {

inline constexpr std::uint32_t ALPHA_BLACK = 0x000000;
inline constexpr std::uint32_t ALPHA_WHITE = 0xFFFFFF;

// From `n` pixels painted over ALPHA_BLACK and over ALPHA_WHITE (0x00RRGGBB),
// writes alpha (0 transparent .. 255 opaque) and the unassociated colour into
// `colour`, which may be `over_black`. Fully transparent pixels get `clear`,
// so they share one colour in a palette.
void RecoverAlpha(const std::uint32_t* over_black, const std::uint32_t* over_white, std::size_t n,
                  std::uint32_t clear, std::uint32_t* colour, std::uint8_t* alpha);

// GIF keeps one bit of alpha. Before that cut, partly transparent pixels are
// blended with `matte` (the logo's background colour), so soft edges and
// shadows look right on a page near that colour instead of turning solid or
// vanishing. Clear and opaque pixels keep their colour; alpha is unchanged.
void MatteForOneBitAlpha(std::uint32_t* colour, const std::uint8_t* alpha, std::size_t n,
                         std::uint32_t matte);

}  // namespace vx
