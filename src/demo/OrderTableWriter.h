#pragma once

#include <filesystem>
#include <vector>

namespace varn::demo {

// arrange_data_H.txt, arrange_data_X.txt and combine.txt: one integer per line, values[first]
// to values[last]. No header: the line number is the index.
bool writeOrderTable(const std::filesystem::path& path, const std::vector<int>& values, int first, int last);

} // namespace varn::demo
