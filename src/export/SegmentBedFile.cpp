// BED9 of the changed segments for genome browsers: 0-based start, end exclusive, so a segment
// from its first to its last SNP covers both. Copy number 2 without LOH is the normal state and
// is left out. The name gives the copy number and the LOH call ("CN3", "CN2 LOH"; "LOH" on X,
// which has no copy number); itemRgb colours gains red, losses blue and copy-neutral LOH green.
// The track line switches the colours on and names the tumour fraction the means stood for.
// An allele analysis names the allele-specific state too (see nameOf).
#include "SegmentFiles.h"

#include <cstdio>

namespace varn {

namespace {

const char* colourOf(const CopyNumberSegment& s) {
    if (s.copyNumber > 2) return "200,0,0";
    if (s.copyNumber >= 0 && s.copyNumber < 2) return "0,0,200";
    return "0,140,0";
}

// In an allele analysis the name carries the allele-specific state after the copy number,
// "CN3 (2+1)", and the LOH mark is the alleles' own; a segment whose alleles fit another copy
// number than the HMM's shows both ("CN2 (2+1)").
std::string nameOf(const CopyNumberSegment& s, const SegmentAlleleColumns* alleles) {
    std::string name = s.copyNumber >= 0 ? "CN" + std::to_string(s.copyNumber) : std::string();
    const bool loh = alleles != nullptr ? alleles->loh : s.loh;
    if (alleles != nullptr && alleles->nMajor >= 0) {
        if (name == "CN2" && alleles->nMajor == 1 && alleles->nMinor == 1 && !loh) return name;
        name += " (" + std::to_string(alleles->nMajor) + "+" + std::to_string(alleles->nMinor) + ")";
    }
    if (loh) name += name.empty() ? "LOH" : " LOH";
    return name;
}

// A track line's values are quoted; a quote inside would end them early.
std::string quotable(std::string text) {
    for (char& c : text)
        if (c == '"') c = '\'';
    return text;
}

} // namespace

std::string segmentBedText(const SegmentedSample& sample) {
    const std::string note = tumourCellsNote(sample.purity);
    std::string out = "track name=\"" + quotable(sample.name) +
                      " segments\" description=\"VARN segments of " + quotable(sample.name) +
                      (note.empty() ? "" : ", " + note) + "\" itemRgb=\"On\"\n";
    char line[200];
    for (std::size_t i = 0; i < sample.segments.size(); ++i) {
        const CopyNumberSegment& s = sample.segments[i];
        const std::string name = nameOf(s, i < sample.alleles.size() ? &sample.alleles[i] : nullptr);
        if (name.empty() || name == "CN2") continue;
        const std::string chrom = s.chromosome == 23 ? "chrX" : "chr" + std::to_string(s.chromosome);
        std::snprintf(line, sizeof line, "%s\t%d\t%d\t%s\t0\t.\t%d\t%d\t%s\n", chrom.c_str(), s.start - 1,
                      s.end, name.c_str(), s.start - 1, s.end, colourOf(s));
        out += line;
    }
    return out;
}

} // namespace varn
