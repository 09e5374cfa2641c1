#pragma once

#include <filesystem>
#include <iosfwd>

namespace varn::demo {

struct DemoGenome;

// Writes the eight annotation tables of a genome into a data folder: IDH3.txt, IDX3.txt,
// arrange_data_H.txt, arrange_data_X.txt, cytoband_H.txt, cytoband_X.txt, combine.txt and
// japanesehetero.txt. On failure names the file on err and returns false.
bool writeDemoAnnotation(const std::filesystem::path& dataFolder, const DemoGenome& genome, std::ostream& err);

} // namespace varn::demo
