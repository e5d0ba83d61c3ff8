#pragma once

// The blurred coverage that outline and shadow are painted from. On screen it
// is `passes` binomial passes, a spread of about √passes pixels. Drawn `scale`
// times larger (scaled export), the spread must be `scale` times wider to look
// the same. Blurring the large coverage with
// passes × scale² passes would cost the square of the scale twice over (and
// lose ever more of the thin tails to the truncation of each pass), so the
// blur runs on the coverage reduced by a whole factor k of about the scale,
// where about as many passes as on screen give the spread, and the result is
// stretched and interpolated back to full size. The spread at the reduced
// size is at least that of one pass, so the interpolation stays smooth.

#include <cstdint>
#include <vector>

#include "render/EffectFilter.h"

namespace vx {

// `cov` (w x h) blurred into `eff` (w x h) and stretched to the full range
// (at scale 1 exactly `passes` passes at full size). False (reported as out of
// memory) when a buffer cannot be had. `stretched`, when given, receives the
// range the stretch mapped.
bool EffectBlur(const std::vector<std::uint8_t>& cov, int w, int h, int passes, float scale,
                std::vector<std::uint8_t>& eff, StretchRange* stretched = nullptr);

// The whole reduction factor used for `passes` at `scale`: 1 below 2, else
// the largest that still leaves a few passes to do at the reduced size.
int BlurReduction(float scale, int passes);

// Binomial passes at the reduced size: the spread of `passes` on-screen
// passes at `scale` for a reduction by `k` (less what the resampling adds),
// at least one pass.
int ScaledPassCount(int passes, float scale, int k);

}  // namespace vx
