// The allele analysis as named stages: centres -> bAlleleFraction -> informativeSnps ->
// alleleSegments -> alleleCopyNumbers, each a plain struct the next one reads.
#include "AlleleAnalysis.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"
#include "document/SampleName.h"
#include "engine/alleles/AlleleModelCentres.h"
#include "engine/alleles/AlleleReadings.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/hmm/MeansForPurity.h"
#include "engine/purity/PurityEstimate.h"
#include "engine/signal/BaselineRegionLevel.h"

#include <cmath>

namespace varn {

namespace {

// A paired profile has no HMM: its segments come from the profile's own segmentation, each at
// the copy number whose expected level (the means for the tumour fraction, base 2, read against
// the baseline region) lies nearest; X, which the HMM would not decode either, is one segment
// without a copy number, cut by its alleles alone.
std::vector<CopyNumberSegment> pairedSegments(const CVARNDoc& doc, int t, const AlleleFitInput& fit) {
    std::vector<CopyNumberSegment> out;
    const double noise = profileNoise(doc, t, doc.logRatio[0]);
    for (const ProfileSegment& p : segmentProfile(doc, t, doc.logRatio[0], noise)) {
        CopyNumberSegment s = asCopyNumberSegment(doc, p);
        int best = 0;
        for (int k = 1; k < kStates; ++k)
            if (std::fabs(p.level - fit.levels[k]) < std::fabs(p.level - fit.levels[best])) best = k;
        s.copyNumber = best;
        out.push_back(s);
    }
    int first = -1, last = -1;
    for (int pos = kChromosomeStart[t][kChromosomeX]; pos < kChromosomeStart[t][kChromosomeX + 1]; ++pos) {
        if (doc.positionUsable[pos] != 1 || !std::isfinite(doc.logRatio[0][pos])) continue;
        if (first < 0) first = pos;
        last = pos;
    }
    if (first >= 0) {
        CopyNumberSegment x;
        x.chromosome = kChromosomeX;
        x.start = doc.snpPosition[doc.arrangeOrder[first]];
        x.end = doc.snpPosition[doc.arrangeOrder[last]];
        x.copyNumber = -1;
        out.push_back(x);
    }
    return out;
}

// The tumour fraction: the one the HMM means stand for (the estimate applied, or the user's); a
// paired analysis, whose means nobody sets, reads its own estimate when it decides.
double purityFor(const CVARNDoc& doc, int t, bool paired) {
    if (paired && doc.hmmMeansPurity >= 1.0f) {
        PurityEstimate e;
        std::string reason;
        if (estimatePurity(doc, t, true, e, reason) && e.decided) return e.purity;
    }
    return doc.hmmMeansPurity;
}

} // namespace

AlleleFitInput alleleFitInput(const CVARNDoc& doc, int t, bool paired, double homozygousNoise) {
    AlleleFitInput in;
    in.purity = purityFor(doc, t, paired);
    float pure[kStates];
    pureMeansOf(doc, false, pure);
    for (int k = 0; k < kStates; ++k) in.pureMeans[k] = pure[k];
    if (paired) {
        float pure2[kStates], mixed[kStates];
        for (int k = 0; k < kStates; ++k) pure2[k] = static_cast<float>(pure[k] / std::log(2.0));
        meansForPurity(pure2, in.purity, true, mixed);
        const int base = baselineCopyNumberOf(doc);
        const double offset = baselineRegionLevel(doc, t).value_or(0.0) - mixed[base];
        for (int k = 0; k < kStates; ++k) in.levels[k] = mixed[k] + offset;
    } else {
        for (int k = 0; k < kStates; ++k) in.levels[k] = doc.hmmMean[k];
    }
    double noise = 0.0;
    for (int a = firstArrayOf(t); a <= lastArrayOf(t); ++a) noise += profileNoise(doc, a, doc.logRatio[0]);
    in.levelNoise = noise / (lastArrayOf(t) - firstArrayOf(t) + 1);
    in.homozygousNoise = homozygousNoise;
    in.informativeFromNormal = paired;
    return in;
}

namespace {

std::string sampleOf(const CVARNDoc& doc, int a) {
    return std::string(sampleName(doc.poolSampleName[a][0]));
}

} // namespace

std::string alleleAnalysisMissing(const CVARNDoc& doc, int t, bool paired) {
    for (int a = firstArrayOf(t); a <= lastArrayOf(t); ++a) {
        if (!paired) {
            const std::string why = alleleModelMissing(doc, a);
            if (!why.empty()) return why;
        }
        if (!doc.sampleAllelesHeld[a])
            return doc.sampleAllelesMissing[a].empty()
                       ? "the allele sums of " + sampleOf(doc, a) + " are not in memory"
                       : doc.sampleAllelesMissing[a];
    }
    return {};
}

AlleleAnalysis analyseAlleles(const CVARNDoc& doc, int t, bool paired) {
    AlleleAnalysis out;
    out.arrayType = t;
    out.paired = paired;
    out.sample = paired ? sampleOf(doc, t) : segmentSampleName(doc, t);
    out.why = alleleAnalysisMissing(doc, t, paired);
    if (!out.why.empty()) return out;

    const std::shared_ptr<const AlleleReadings> readings = keptAlleleReadings(doc, t, paired);
    out.why = readings->why;
    if (!out.why.empty()) return out;
    out.baf = readings->baf;
    out.informative = readings->informative;
    const AlleleFitInput fit = alleleFitInput(doc, t, paired, out.informative.homozygousNoise);
    const std::vector<CopyNumberSegment> logRatioSegments =
        paired ? pairedSegments(doc, t, fit) : buildSegments(doc, t);
    out.segments = alleleSegments(doc, out.baf, out.informative, logRatioSegments,
                                  paired ? nullptr : doc.lohScore.data());
    out.copyNumbers = alleleCopyNumbers(out.segments, fit);
    // The allele-specific decoder's states are the segments' allele-specific copy numbers.
    for (std::size_t i = 0; i < out.segments.segments.size(); ++i) {
        const CopyNumberSegment& total = out.segments.segments[i].total;
        if (total.minorCopies < 0 || total.copyNumber < 0) continue;
        AlleleCopyNumber& c = out.copyNumbers.segments[i];
        c.nMajor = total.copyNumber - total.minorCopies;
        c.nMinor = total.minorCopies;
        c.loh = c.nMinor == 0 && c.nMajor >= 1;
        c.mismatch = false;
        c.expectedBand = std::nan("");
    }
    out.available = true;
    return out;
}

} // namespace varn
