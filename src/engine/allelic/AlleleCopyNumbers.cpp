#include "AlleleCopyNumbers.h"

#include "engine/allelic/AlleleParameters.h"
#include "engine/allelic/MixtureModel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varn {

namespace {

const AlleleParameters& kP = kAlleleParameters;

// How well one (k, j) explains a segment, as a log-likelihood.
struct Fit {
    double logLikelihood = -std::numeric_limits<double>::infinity();
    double bafZ = 0.0; // how far the mirrored B-allele fraction lies from the band, in SEs
    double band = std::nan("");
};

double logPoisson(int n, double lambda) {
    return n * std::log(lambda) - lambda;
}

double logGaussian(double x, double mean, double variance) {
    return -0.5 * (x - mean) * (x - mean) / variance - 0.5 * std::log(variance);
}

// The alleles' side: whether the minor allele shows at all (a deficit of informative SNPs against
// the population rates when it does not) and where its band lies.
Fit alleleFit(const AlleleSegment& s, const AlleleFitInput& in, double bafNoise, double share, int k, int j) {
    Fit f;
    const double major = majorShare(in, k, j);
    const bool shows =
        std::isfinite(major) &&
        (in.informativeFromNormal || 1.0 - major > kP.detectableHomozygousSds * in.homozygousNoise);
    const double expected = std::max(s.expectedHeterozygous, 1.0);
    f.logLikelihood =
        logPoisson(s.informative, shows ? share * expected : std::max(kP.strayShare * expected, 0.5));
    if (s.informative == 0) {
        f.band = shows ? major : std::nan("");
        return f;
    }
    const double observed = s.mirroredBaf - 0.5;
    double mean = 0.0, variance = 0.0;
    if (shows) {
        // The mirrored values of a band at 0.5 +- delta under noise fold onto |delta + noise|.
        const double delta = major - 0.5;
        mean = foldedMean(delta, bafNoise);
        const double spread = std::max(1e-6, bafNoise * bafNoise + delta * delta - mean * mean);
        variance = spread / s.informative + kP.bafModelError * kP.bafModelError;
        f.band = major;
    } else {
        // Strays anywhere between balanced and homozygous.
        mean = 0.25;
        variance = 1.0 / (48.0 * s.informative) + kP.bafModelError * kP.bafModelError;
    }
    f.logLikelihood += logGaussian(observed, mean, variance);
    f.bafZ = shows ? std::fabs(observed - mean) / std::sqrt(variance) : 0.0;
    return f;
}

double levelFit(const AlleleSegment& s, const AlleleFitInput& in, int k) {
    const double variance = in.levelNoise * in.levelNoise / std::max(1, s.total.markers) +
                            kP.levelModelError * kP.levelModelError;
    return logGaussian(s.total.meanLn, in.levels[k], variance);
}

struct Choice {
    int k = 0;
    int j = 0;
    Fit fit;
};

// The best split of copy number k, or with free k the best (k, j) of level and alleles together.
enum class Level { Ignored, Fitted, Unknown };

Choice bestSplit(const AlleleSegment& s, const AlleleFitInput& in, double bafNoise, double share, int kFirst,
                 int kLast, Level level) {
    Choice best;
    for (int k = kFirst; k <= kLast; ++k)
        // The balanced split first: without allelic evidence the segment keeps both parents.
        for (int j = k / 2; j >= 0; --j) {
            Fit f = alleleFit(s, in, bafNoise, share, k, j);
            if (j == 0 && k >= 2) f.logLikelihood += kP.minorLossLogPrior;
            if (level == Level::Fitted) f.logLikelihood += levelFit(s, in, k);
            if (level == Level::Unknown) f.logLikelihood -= kP.undecodedCopyPenalty * std::abs(k - 2);
            if (f.logLikelihood > best.fit.logLikelihood) best = {k, j, f};
        }
    return best;
}

} // namespace

double majorShare(const AlleleFitInput& in, int k, int j) {
    // No copy left in a pure tumour: no DNA of either parent.
    if (k == 0 && !(2.0 * (1.0 - in.purity) > 1e-6)) return std::nan("");
    float pure[kStates];
    for (int n = 0; n < kStates; ++n) pure[n] = static_cast<float>(in.pureMeans[n]);
    return mirroredBaf(effectiveCopiesOf(pure, false), k, j, in.purity);
}

AlleleCopyNumbers alleleCopyNumbers(const AlleleSegments& segments, const AlleleFitInput& in) {
    AlleleCopyNumbers out;
    out.purity = in.purity;
    const double noise = segments.bafNoise > 0.0 ? segments.bafNoise : 0.03;
    const double share = std::clamp(segments.informativeShare, 0.3, 1.5);
    for (const AlleleSegment& s : segments.segments) {
        AlleleCopyNumber c;
        const int hmm = s.total.copyNumber;
        if (hmm < 0) {
            // Not decoded: only whether a second allele is there.
            const Choice best = bestSplit(s, in, noise, share, 1, kStates - 1, Level::Unknown);
            c.loh = best.j == 0;
            c.expectedBand = best.fit.band;
        } else if (hmm == 0) {
            c.nMajor = c.nMinor = 0;
            c.expectedBand = majorShare(in, 0, 0);
        } else {
            Choice best = bestSplit(s, in, noise, share, hmm, hmm, Level::Ignored);
            if (s.informative >= kP.minSegmentSnps && best.fit.bafZ > kP.disagreeZ) {
                const Choice any = bestSplit(s, in, noise, share, 0, kStates - 1, Level::Fitted);
                if (any.k != hmm) {
                    best = any;
                    c.mismatch = true;
                }
            }
            c.nMajor = best.k - best.j;
            c.nMinor = best.j;
            c.loh = c.nMinor == 0 && c.nMajor >= 1;
            c.expectedBand = best.fit.band;
        }
        out.segments.push_back(c);
    }
    return out;
}

} // namespace varn
