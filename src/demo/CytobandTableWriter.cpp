#include "CytobandTableWriter.h"

#include "DemoGenome.h"
#include "TextFileOut.h"

namespace varn::demo {

bool writeCytobandTable(const std::filesystem::path& path, const DemoGenome& genome, int first, int last) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    for (int snp = first; snp <= last; ++snp) {
        const auto k = static_cast<std::size_t>(snp);
        out.putInt(genome.bandStain[k]);
        out.put(' ');
        out.put(genome.bandName[k]);
        out.put('\n');
    }
    return out.close();
}

} // namespace varn::demo
