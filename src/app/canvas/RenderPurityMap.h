#pragma once

#include <filesystem>

namespace varn {

struct PurityPloidyFit;

// The map of a joint fit of tumour cell fraction and ploidy drawn with labels into a white
// 800 x 600 image, written as PNG. False when the file could not be written.
bool renderPurityMap(const PurityPloidyFit& fit, const std::filesystem::path& path);

} // namespace varn
