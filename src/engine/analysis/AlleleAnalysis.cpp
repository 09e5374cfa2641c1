// The allele analysis as named stages: centres -> bAlleleFraction -> informativeSnps ->
// alleleSegments -> alleleCopyNumbers, each a plain struct the next one reads.
#include "AlleleAnalysis.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"
#include "document/SampleName.h"
#include "engine/alleles/AlleleModelCentres.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/analysis/AlleleReadings.h"
#include "engine/analysis/DocumentProfile.h"
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
// without a copy number, cut by its alleles alone. The profile holds one array, t.
std::vector<CopyNumberSegment> pairedSegments(const Profile& profile, int t, const AlleleFitInput& fit) {
    std::vector<CopyNumberSegment> out;
    const int array = t - kXba;
    const double noise = profileNoise(profile, array);
    for (CopyNumberSegment s : segmentProfile(profile, array, noise)) {
        int best = 0;
        for (int k = 1; k < kStates; ++k)
            if (std::fabs(s.meanLn - fit.levels[k]) < std::fabs(s.meanLn - fit.levels[best])) best = k;
        s.copyNumber = best;
        out.push_back(s);
    }
    int first = -1, last = -1;
    for (std::size_t i = 0; i < profile.size(); ++i) {
        if (profile.chromosome[i] != kChromosomeX || !std::isfinite(profile.logRatio[i])) continue;
        if (first < 0) first = static_cast<int>(i);
        last = static_cast<int>(i);
    }
    if (first >= 0) {
        CopyNumberSegment x;
        x.chromosome = kChromosomeX;
        x.start = profile.position[static_cast<std::size_t>(first)];
        x.end = profile.position[static_cast<std::size_t>(last)];
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
    out.profile = documentProfile(doc, out.baf, paired, true);
    out.profile.sample = out.sample;
    const AlleleFitInput fit = alleleFitInput(doc, t, paired, out.informative.homozygousNoise);
    const std::vector<CopyNumberSegment> logRatioSegments =
        paired ? pairedSegments(out.profile, t, fit) : buildSegments(doc, t);
    out.segments = alleleSegments(out.profile, out.informative, logRatioSegments,
                                  paired ? std::vector<float>() : documentLohScores(doc, out.baf));
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
