#include "HeteroRateTableWriter.h"

#include "DemoGenome.h"
#include "TextFileOut.h"

namespace varn::demo {

bool writeHeteroRateTable(const std::filesystem::path& path, const DemoGenome& genome) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    for (std::size_t pos = 0; pos < genome.heteroRate.size(); ++pos)
        out.printf("%zu %.6f\n", pos, static_cast<double>(genome.heteroRate[pos]));
    return out.close();
}

} // namespace varn::demo
