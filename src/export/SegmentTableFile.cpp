// The segment table: the SEG columns followed by both means, the copy number (empty on X, which
// the HMM does not decode), the LOH call and the mean and highest LOH score. When the HMM means
// were mixed for a sample with normal cells, a first comment line names the tumour fraction, so
// that a reader knows the copy numbers are those of the tumour cells. An allele analysis appends
// the allele-specific copy numbers (empty where not decoded), the mean mirrored B-allele
// fraction of the informative SNPs (empty without any), LOH from the alleles and the mark of a
// segment whose alleles fit another copy number than the HMM's.
#include "SegmentFiles.h"

#include <cmath>
#include <cstdio>

namespace varn {

namespace {

std::string countOrEmpty(int n) { return n >= 0 ? std::to_string(n) : std::string(); }

std::string alleleFields(const SegmentAlleleColumns& a) {
    char baf[32] = "";
    if (std::isfinite(a.mirroredBaf)) std::snprintf(baf, sizeof baf, "%.3f", a.mirroredBaf);
    return "\t" + countOrEmpty(a.nMajor) + "\t" + countOrEmpty(a.nMinor) + "\t" + baf + "\t" +
           (a.loh ? "yes" : "no") + "\t" + (a.mismatch ? "yes" : "no");
}

} // namespace

std::string segmentTableText(const SegmentedSample& sample) {
    std::string out;
    const std::string note = tumourCellsNote(sample.purity);
    if (!note.empty()) out += "# " + note + "\n";
    const bool alleles = !sample.alleles.empty();
    std::string header = kSegmentTableHeader;
    if (alleles) header.insert(header.size() - 1, kSegmentAlleleColumns);
    out += header;
    char line[256];
    for (std::size_t i = 0; i < sample.segments.size(); ++i) {
        const CopyNumberSegment& s = sample.segments[i];
        const std::string copy = countOrEmpty(s.copyNumber);
        std::snprintf(line, sizeof line, "\t%d\t%d\t%d\t%d\t%.6f\t%.6f\t%s\t%s\t%.3f\t%.3f", s.chromosome, s.start,
                      s.end, s.markers, s.meanLn, log2Mean(s), copy.c_str(), s.loh ? "yes" : "no", s.lohMean,
                      s.lohMax);
        out += sample.name;
        out += line;
        if (alleles && i < sample.alleles.size()) out += alleleFields(sample.alleles[i]);
        out += '\n';
    }
    return out;
}

} // namespace varn
