#pragma once

#include <filesystem>

namespace varn {

struct PurityEstimate;

// The fit curve of an estimate drawn with labels into a white 800 x 480 image, written as PNG.
// False when the file could not be written.
bool renderPurityCurve(const PurityEstimate& estimate, const std::filesystem::path& path);

} // namespace varn
