#pragma once

#include "DocumentLimits.h"

namespace varn {

// Expected log ratio (natural log against a diploid pool) of copy numbers 0..6 in a pure tumour
// on these arrays, and the emission spread factor of each.
inline constexpr float kDefaultHmmMean[kStates] = {-1.24f, -0.49f, 0.0f, 0.365f, 0.657f, 0.899f, 1.1f};
inline constexpr float kDefaultHmmSdFactor[kStates] = {2.361f, 1.405f, 1.0f, 0.776f, 0.634f, 0.536f, 0.465f};

} // namespace varn
