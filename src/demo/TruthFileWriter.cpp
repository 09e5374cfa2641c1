#include "TruthFile.h"

#include "DemoTumours.h"
#include "TextFileOut.h"

namespace varn::demo {

bool writeTruthFile(const std::filesystem::path& path, const std::vector<PlantedSegment>& segments,
                    double normalFraction) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    out.put("chromosome\tstart\tend\tcopy_number\tloh");
    if (normalFraction > 0.0) out.printf("\tnormal_cells=%.2f", normalFraction);
    out.put("\n");
    for (const PlantedSegment& s : segments)
        out.printf("%d\t%d\t%d\t%d\t%d\n", s.chromosome, s.start, s.end, s.copyNumber, s.loh() ? 1 : 0);
    return out.close();
}

} // namespace varn::demo
