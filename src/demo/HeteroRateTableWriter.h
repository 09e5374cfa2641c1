#pragma once

#include <filesystem>

namespace varn::demo {

struct DemoGenome;

// japanesehetero.txt: per display position 0..116203 "position rate"; the loader ignores the
// first number.
bool writeHeteroRateTable(const std::filesystem::path& path, const DemoGenome& genome);

} // namespace varn::demo
