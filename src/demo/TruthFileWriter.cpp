#include "TruthFile.h"

#include "DemoTumours.h"
#include "TextFileOut.h"

#include <algorithm>

namespace varn::demo {

bool writeTruthFile(const std::filesystem::path& path, const DemoTumour& tumour) {
    const std::vector<PlantedSegment> segments = wholeGenomeSegments(tumour);
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    out.put("chromosome\tstart\tend\tcopy_number\tloh\tminor_copies\tsubclone_copy_number\t"
            "subclone_minor_copies\tsubclone_fraction");
    if (tumour.normalFraction > 0.0) out.printf("\tnormal_cells=%.2f", tumour.normalFraction);
    out.printf("\tploidy=%.2f\tgenome_doubled=%d\tsex=%s\n", tumourPloidy(segments), tumour.genomeDoubled ? 1 : 0,
               tumour.male ? "male" : "female");
    for (const PlantedSegment& s : segments) {
        // The subclone's parents are named as in the clone: its minor copies are those of
        // whichever parent it now holds fewer of.
        const int subcloneCopies = s.subclonal() ? s.subcloneCopyNumber : s.copyNumber;
        const int subcloneMajor = s.subclonal() ? s.subcloneMajorCopies : s.majorCopies;
        out.printf("%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%.2f\n", s.chromosome, s.start, s.end, s.copyNumber,
                   s.loh() ? 1 : 0, s.minorCopies(), subcloneCopies,
                   std::min(subcloneMajor, subcloneCopies - subcloneMajor), s.subclonal() ? s.subcloneShare : 1.0);
    }
    return out.close();
}

} // namespace varn::demo
