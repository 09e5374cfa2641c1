#pragma once

namespace varn {

// Longest averaging window the dialog allows.
inline constexpr int kMaxAverageNumber = 10;

// Mean of one window of n values (n = 1..10). With trimExtremes 1 and n of 3 or more, exactly one
// smallest and one largest value are dropped; n = 2 is the plain mean whatever trimExtremes says.
float trimmedMean(const float* window, int n, int trimExtremes);

} // namespace varn
