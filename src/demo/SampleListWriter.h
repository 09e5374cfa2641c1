#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varn::demo {

// A sample list for pool building: one sample name per line. Names stay within the 15
// characters that adding references keeps.
bool writeSampleList(const std::filesystem::path& path, const std::vector<std::string>& names);

} // namespace varn::demo
