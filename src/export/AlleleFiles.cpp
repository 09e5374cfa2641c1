#include "AlleleFiles.h"

#include "document/CVARNDoc.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "view/GenomeLayout.h"

#include <cmath>
#include <cstdio>

namespace varn {

AscatFiles ascatFilesText(const CVARNDoc& doc, const AlleleAnalysis& a) {
    AscatFiles out;
    const std::string header = "\tChr\tPosition\t" + a.sample + "\n";
    out.logR = header;
    out.baf = header;
    out.logR.reserve(a.baf.snps.size() * 36 + header.size());
    out.baf.reserve(a.baf.snps.size() * 36 + header.size());
    // A pool profile is a natural logarithm, ASCAT's LogR base 2.
    const double toLog2 = a.paired ? 1.0 : 1.0 / std::log(2.0);
    char place[64], value[32];
    for (const AlleleSnp& s : a.baf.snps) {
        const float ln = doc.logRatio[0][s.pos];
        if (!std::isfinite(ln) || !std::isfinite(s.baf)) continue;
        if (s.chromosome == kChromosomeX)
            std::snprintf(place, sizeof place, "SNP_%d\tX\t%d\t", s.record, s.position);
        else
            std::snprintf(place, sizeof place, "SNP_%d\t%d\t%d\t", s.record, s.chromosome, s.position);
        std::snprintf(value, sizeof value, "%.6f\n", ln * toLog2);
        out.logR += place;
        out.logR += value;
        std::snprintf(value, sizeof value, "%.6f\n", static_cast<double>(clippedBaf(s.baf)));
        out.baf += place;
        out.baf += value;
        ++out.snps;
    }
    return out;
}

SegmentedSample alleleSegmentedSample(const CVARNDoc& doc, const AlleleAnalysis& a) {
    SegmentedSample sample;
    sample.name = a.sample;
    sample.purity = doc.hmmMeansPurity;
    for (std::size_t i = 0; i < a.segments.segments.size(); ++i) {
        const AlleleSegment& s = a.segments.segments[i];
        const AlleleCopyNumber& c = a.copyNumbers.segments[i];
        sample.segments.push_back(s.total);
        sample.alleles.push_back({c.nMajor, c.nMinor, s.mirroredBaf, c.loh, c.mismatch});
    }
    return sample;
}

} // namespace varn
