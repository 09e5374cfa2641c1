#include "IdTableWriter.h"

#include "DemoGenome.h"
#include "TextFileOut.h"

namespace varn::demo {

bool writeIdTable(const std::filesystem::path& path, const DemoGenome& genome, int first, int last) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    out.put("# VARN demo annotation: one SNP per line in record order\n");
    out.put("probe_set chromosome position fragment_length gc_content\n");
    for (int snp = first; snp <= last; ++snp) {
        const auto k = static_cast<std::size_t>(snp);
        out.printf("%d %d %d %d %.4f\n", genome.snpId[k], genome.chromosome[k], genome.position[k],
                   genome.fragmentLength[k], static_cast<double>(genome.gcContent[k]));
    }
    return out.close();
}

} // namespace varn::demo
