#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varn {

// The names of the stored analyses (*.temp, in any case) directly inside folder, in name order,
// so that when two files name the same sample the same one wins on every run. Empty when the
// folder cannot be read.
std::vector<std::string> storedAnalysisFiles(const std::filesystem::path& folder);

} // namespace varn
