// The segment table: the SEG columns followed by both means, the copy number (empty on X, which
// the HMM does not decode), the LOH call and the mean and highest LOH score. When the HMM means
// were mixed for a sample with normal cells, a first comment line names the tumour fraction, so
// that a reader knows the copy numbers are those of the tumour cells.
#include "SegmentFiles.h"

#include <cstdio>

namespace varn {

std::string segmentTableText(const SegmentedSample& sample) {
    std::string out;
    const std::string note = tumourCellsNote(sample.purity);
    if (!note.empty()) out += "# " + note + "\n";
    out += kSegmentTableHeader;
    char line[256];
    for (const CopyNumberSegment& s : sample.segments) {
        const std::string copy = s.copyNumber >= 0 ? std::to_string(s.copyNumber) : std::string();
        std::snprintf(line, sizeof line, "\t%d\t%d\t%d\t%d\t%.6f\t%.6f\t%s\t%s\t%.3f\t%.3f\n", s.chromosome,
                      s.start, s.end, s.markers, s.meanLn, log2Mean(s), copy.c_str(), s.loh ? "yes" : "no",
                      s.lohMean, s.lohMax);
        out += sample.name;
        out += line;
    }
    return out;
}

} // namespace varn
