// The SEG format: tab-separated, the header line of kSegHeader, one line per segment with
// 1-based inclusive base positions, chromosomes 1..22 and 23 for X and seg.mean the mean log2
// ratio. Readers take several samples in one file, each sample's lines together.
#include "SegmentFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace varn {

double log2Mean(const CopyNumberSegment& segment) {
    return segment.meanLn / std::log(2.0);
}

std::string tumourCellsNote(float purity) {
    if (!(purity < 1.0f)) return {};
    // A fraction just below 1 must not read as 100%, which would say the means were the pure ones.
    const long percent = std::min(99L, std::lround(static_cast<double>(purity) * 100));
    return "tumour cells=" + std::to_string(percent) + "%";
}

std::string segFileText(const std::vector<SegmentedSample>& samples) {
    std::string out = kSegHeader;
    char line[160];
    for (const SegmentedSample& sample : samples)
        for (const CopyNumberSegment& s : sample.segments) {
            std::snprintf(line, sizeof line, "\t%d\t%d\t%d\t%d\t%.6f\n", s.chromosome, s.start, s.end,
                          s.markers, log2Mean(s));
            out += sample.name;
            out += line;
        }
    return out;
}

} // namespace varn
