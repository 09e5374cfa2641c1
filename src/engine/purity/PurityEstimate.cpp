// The tumour cell fraction from the levels a profile's segments sit at. Every copy number has
// its expected level at each fraction p (the pure-tumour means mixed with the normal cells'
// diploid DNA); the fraction at which the segment levels lie closest to that ladder is the
// estimate. A homozygous deletion or a high gain pins the scale, since no other fraction can
// reach its level; a profile without changes fits every p alike and says so. A paired profile
// adds the allelic contrast at the normal's heterozygous SNPs, which a lost parental allele ties
// to p directly.
#include "PurityEstimate.h"

#include "document/CVARNDoc.h"
#include "engine/analysis/PurityPloidySegments.h"
#include "engine/hmm/MeansForPurity.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace varn {

namespace {

constexpr int kGridSteps = 90; // 0.10 .. 1.00 by 0.01
// A segment that fits no copy number (an artefact, a subclone) costs at most this much per
// marker, so that it cannot drag the fit.
constexpr double kMisfitCap = 0.15;
// A change is a segment this many standard errors and at least this far from the baseline.
constexpr double kChangeZ = 5.0;
constexpr double kChangeLevel = 0.03;
// Too little of the genome changed to read a fraction from.
constexpr double kMinChangedShare = 0.01;
// Another local minimum this close to the best makes the fit ambiguous.
constexpr double kAmbiguousRatio = 1.25;
constexpr double kAmbiguousDistance = 0.10;

double gridPurity(int i) { return kPurityLow + i * (kPurityHigh - kPurityLow) / kGridSteps; }

struct Ladder {
    double level[kStates];
};

// Segment levels stray from the ladder by a little more than their noise (the compensation
// leaves slow waves, segment ends blur): distances within this much (natural log) count as a
// fit, so that the finer ladder of a low fraction gains nothing from them.
constexpr double kLevelTolerance = 0.01;

double tolerance(const PurityFitInput& in) { return in.log2Scale ? kLevelTolerance / std::log(2.0) : kLevelTolerance; }

Ladder ladderAt(const PurityFitInput& in, double p) {
    float means[kStates];
    meansForPurity(in.pureMeans, p, in.log2Scale, means);
    Ladder l{};
    const double base = means[in.baseCopyNumber];
    for (int k = 0; k < kStates; ++k) l.level[k] = means[k] - base;
    return l;
}

double segmentMisfit(const Ladder& l, double level, double tolerance) {
    double best = kMisfitCap * kMisfitCap;
    for (double m : l.level) {
        const double d = std::max(0.0, std::fabs(level - m) - tolerance);
        best = std::min(best, d * d);
    }
    return best;
}

// The allelic contrast a stretch of k copies, j of them from the minor parent, shows at tumour
// fraction p: each allele's DNA is 1 - p parts the normal cells' single copy and p parts the
// tumour's (its share of the tumour's compressed total), and each allele probe also answers to
// the other allele with the array's cross-hybridisation share c. With no copy left only the
// normal cells' alleles remain, in balance.
double expectedContrast(const PurityFitInput& in, double p, int k, int j, double c) {
    const double tumour = 2.0 * (in.log2Scale ? std::exp2(in.pureMeans[k]) : std::exp(in.pureMeans[k]));
    const double minor = (1.0 - p) + (k == 0 ? 0.5 : static_cast<double>(j) / k) * p * tumour;
    const double major = (1.0 - p) + (k == 0 ? 0.5 : static_cast<double>(k - j) / k) * p * tumour;
    return std::log((major + c * minor) / (minor + c * major));
}

// The mean z^2 of a stretch is its expected contrast squared plus the noise's; it scatters by
// about sqrt((2 s^4 + 4 d^2 s^2) / n) over n SNPs, and the model itself is taken to hold to a
// tenth of the squared contrast (probe response is not quite linear). The chi-square of that,
// in the units of the total level's squared distance (times its noise variance), spread over
// the stretch's markers and capped as a total-level misfit is.
constexpr double kContrastModelError = 0.1;

double alleleChi(const PurityFitInput& in, std::size_t s, double expected) {
    const SegmentAlleles& a = in.alleles[s];
    const double noise = in.contrastNoise[in.segments[s].arrayType];
    const double e2 = expected * expected;
    const double variance = (2.0 * noise * noise + 4.0 * e2 * noise) / a.count +
                            (kContrastModelError * e2) * (kContrastModelError * e2) + 1e-12;
    const double d = a.meanSquare - noise - e2;
    return d * d / variance;
}

double alleleMisfit(const PurityFitInput& in, std::size_t s, double expected) {
    return std::min(kMisfitCap * kMisfitCap, in.noise * in.noise * alleleChi(in, s, expected) / in.segments[s].count);
}

// Total level and allelic contrast together: the copy number and minor-parent count that fit
// both best.
double jointMisfit(const PurityFitInput& in, const Ladder& l, double p, std::size_t s) {
    const ProfileSegment& segment = in.segments[s];
    const double c = in.crossTalk[segment.arrayType];
    double best = 2.0 * kMisfitCap * kMisfitCap;
    for (int k = 0; k < kStates; ++k) {
        const double d = std::max(0.0, std::fabs(segment.level - l.level[k]) - tolerance(in));
        const double total = std::min(kMisfitCap * kMisfitCap, d * d);
        for (int j = 0; 2 * j <= k; ++j)
            best = std::min(best, total + alleleMisfit(in, s, expectedContrast(in, p, k, j, c)));
    }
    return best;
}

// Stretches with fewer heterozygous SNPs than this say nothing about their balance.
constexpr int kMinAlleleSnps = 10;

bool hasAlleles(const PurityFitInput& in, std::size_t s) {
    return s < in.alleles.size() && in.alleles[s].count >= kMinAlleleSnps;
}

// The interval is a likelihood-ratio interval on the fit around the estimate. Each segment's
// distance to its nearest level (and, given alleles, its contrast's to its state's) is counted in
// standard errors: its noise over its markers plus the model's own error, for segment levels
// stray from the ladder by about 0.02 beyond their noise (the compensation leaves slow waves).
// Capped as the misfit is, summed, and scaled by the sum's dispersion at the estimate (its mean
// per segment, at least 1), it is read as a chi-square: the fractions within 3.84 of the
// estimate's, walked out from it, form the interval. (Resampling the segments instead let the
// interval jump to another local minimum whenever some resamples favoured it.)
constexpr double kLevelModelError = 0.02;
constexpr double kSegmentChiCap = 25.0;
constexpr double kIntervalChi2 = 3.84;

double segmentChi(const PurityFitInput& in, const Ladder& l, double p, std::size_t s) {
    const ProfileSegment& segment = in.segments[s];
    const double modelError = in.log2Scale ? kLevelModelError / std::log(2.0) : kLevelModelError;
    const double se2 = in.noise * in.noise / segment.count + modelError * modelError;
    const bool alleles = hasAlleles(in, s);
    const double c = alleles ? in.crossTalk[segment.arrayType] : 0.0;
    double best = kSegmentChiCap;
    for (int k = 0; k < kStates; ++k) {
        const double d = segment.level - l.level[k];
        const double level = d * d / se2;
        if (!alleles) {
            best = std::min(best, level);
            continue;
        }
        for (int j = 0; 2 * j <= k; ++j)
            best = std::min(best, level + alleleChi(in, s, expectedContrast(in, p, k, j, c)));
    }
    return best;
}

void likelihoodInterval(const PurityFitInput& in, int best, PurityEstimate& e) {
    std::vector<double> chi;
    for (int i = 0; i <= kGridSteps; ++i) {
        const Ladder l = ladderAt(in, gridPurity(i));
        double sum = 0.0;
        for (std::size_t s = 0; s < in.segments.size(); ++s) sum += segmentChi(in, l, gridPurity(i), s);
        chi.push_back(sum);
    }
    const double segments = static_cast<double>(in.segments.size());
    const double dispersion = std::max(1.0, chi[static_cast<std::size_t>(best)] / std::max(1.0, segments - 1.0));
    const double bound = chi[static_cast<std::size_t>(best)] + kIntervalChi2 * dispersion;
    int lo = best, hi = best;
    while (lo > 0 && chi[static_cast<std::size_t>(lo - 1)] <= bound) --lo;
    while (hi < kGridSteps && chi[static_cast<std::size_t>(hi + 1)] <= bound) ++hi;
    e.low = gridPurity(lo);
    e.high = gridPurity(hi);
}

// misfit[i][s]: segment s against the ladder at grid point i, per marker.
std::vector<std::vector<double>> misfitTable(const PurityFitInput& in) {
    std::vector<std::vector<double>> table(kGridSteps + 1);
    for (int i = 0; i <= kGridSteps; ++i) {
        const Ladder l = ladderAt(in, gridPurity(i));
        for (std::size_t s = 0; s < in.segments.size(); ++s)
            table[static_cast<std::size_t>(i)].push_back(hasAlleles(in, s)
                                                             ? jointMisfit(in, l, gridPurity(i), s)
                                                             : segmentMisfit(l, in.segments[s].level, tolerance(in)));
    }
    return table;
}

// A stretch whose contrast stands clear of the noise is a change even at the baseline level
// (a copy-neutral loss of heterozygosity).
constexpr double kChangeContrast = 0.1;

bool imbalanced(const PurityFitInput& in, std::size_t s) {
    if (!hasAlleles(in, s)) return false;
    const SegmentAlleles& a = in.alleles[s];
    const double noise = in.contrastNoise[in.segments[s].arrayType];
    const double excess = a.meanSquare - noise;
    return excess > kChangeContrast * kChangeContrast && excess > kChangeZ * noise * std::sqrt(2.0 / a.count);
}

int bestGridPoint(const std::vector<std::vector<double>>& table, const std::vector<int>& weight,
                  const std::vector<ProfileSegment>& segments) {
    int best = kGridSteps;
    double bestCost = 0.0;
    for (int i = kGridSteps; i >= 0; --i) {
        double cost = 0.0;
        for (std::size_t s = 0; s < segments.size(); ++s)
            if (weight[s] != 0) cost += weight[s] * segments[s].count * table[static_cast<std::size_t>(i)][s];
        if (i == kGridSteps || cost < bestCost) {
            bestCost = cost;
            best = i;
        }
    }
    return best;
}

// The mean profile over the baseline region of array t.
double regionLevel(const CVARNDoc& doc, int t, const float* values) {
    double sum = 0.0;
    int n = 0;
    for (int pos = std::max(doc.regionStart[t], doc.snpFirst[t]); pos <= std::min(doc.regionEnd[t], doc.snpLast[t]); ++pos) {
        if (doc.positionUsable[pos] != 1 || !std::isfinite(values[pos])) continue;
        sum += values[pos];
        ++n;
    }
    return n > 0 ? sum / n : 0.0;
}

// The paired normal's allele signals: the total segments cut where the allelic balance steps,
// each with its heterozygous SNPs' contrast, the array's cross-hybridisation share, and the
// contrast noise alone gives, read from the quietest tenth of the stretches (by SNPs; most of a
// genome keeps both parents' alleles).
constexpr int kNoiseStretchSnps = 50;

void addAlleles(const CVARNDoc& doc, int t, std::vector<ProfileSegment>& segments, PurityFitInput& in) {
    std::vector<SegmentAlleles> alleles;
    splitAtAlleleChanges(doc, t, doc.logRatio[0], alleleContrast(doc, t), segments, alleles);
    std::vector<std::pair<double, int>> quiet;
    int snps = 0;
    for (const SegmentAlleles& a : alleles)
        if (a.count >= kNoiseStretchSnps) {
            quiet.push_back({a.meanSquare, a.count});
            snps += a.count;
        }
    std::sort(quiet.begin(), quiet.end());
    int seen = 0;
    for (const auto& [meanSquare, count] : quiet) {
        in.contrastNoise[t] = meanSquare;
        seen += count;
        if (10 * seen >= snps) break;
    }
    in.crossTalk[t] = crossTalkOf(doc, t);
    // Without a noise figure or usable probes, the total levels alone decide.
    if (quiet.empty() || !(in.crossTalk[t] > 0.0 && in.crossTalk[t] < 1.0)) alleles.assign(segments.size(), {});
    in.alleles.insert(in.alleles.end(), alleles.begin(), alleles.end());
}

} // namespace

PurityEstimate fitPurity(const PurityFitInput& in) {
    PurityEstimate e;
    e.segments = static_cast<int>(in.segments.size());
    for (std::size_t i = 0; i < in.segments.size(); ++i) {
        const ProfileSegment& s = in.segments[i];
        e.markers += s.count;
        const double distance = std::fabs(s.level);
        if ((distance > kChangeLevel && distance > kChangeZ * in.noise / std::sqrt(s.count)) || imbalanced(in, i))
            e.changedMarkers += s.count;
    }
    if (e.markers == 0) {
        e.why = "no usable marker";
        return e;
    }
    const auto table = misfitTable(in);
    for (int i = 0; i <= kGridSteps; ++i) {
        double cost = 0.0;
        for (std::size_t s = 0; s < in.segments.size(); ++s)
            cost += in.segments[s].count * table[static_cast<std::size_t>(i)][s];
        e.curve.push_back({gridPurity(i), cost / e.markers});
    }
    const std::vector<int> all(in.segments.size(), 1);
    const int best = bestGridPoint(table, all, in.segments);
    e.purity = gridPurity(best);

    // The other local minima of the curve, the best of them first.
    for (int i = 0; i <= kGridSteps; ++i) {
        if (i == best) continue;
        const double m = e.curve[static_cast<std::size_t>(i)].misfit;
        const bool lowerLeft = i == 0 || m < e.curve[static_cast<std::size_t>(i - 1)].misfit;
        const bool lowerRight = i == kGridSteps || m <= e.curve[static_cast<std::size_t>(i + 1)].misfit;
        if (lowerLeft && lowerRight) e.candidates.push_back(e.curve[static_cast<std::size_t>(i)]);
    }
    std::sort(e.candidates.begin(), e.candidates.end(),
              [](const PurityFitPoint& a, const PurityFitPoint& b) { return a.misfit < b.misfit; });

    likelihoodInterval(in, best, e);

    const double bestMisfit = e.curve[static_cast<std::size_t>(best)].misfit;
    char text[160];
    if (e.changedMarkers < kMinChangedShare * e.markers) {
        e.why = "no copy-number change to measure";
    } else {
        for (const PurityFitPoint& c : e.candidates) {
            if (std::fabs(c.purity - e.purity) < kAmbiguousDistance) continue;
            if (c.misfit <= kAmbiguousRatio * bestMisfit + 1e-6) {
                std::snprintf(text, sizeof text, "%.0f %% and %.0f %% fit about as well", 100 * e.purity,
                              100 * c.purity);
                e.why = text;
            }
            break;
        }
    }
    e.decided = e.why.empty();
    return e;
}

void pureMeansOf(const CVARNDoc& doc, bool log2Scale, float out[kStates]) {
    if (doc.hmmMeansPurity >= 1.0f || !pureMeansFrom(doc.hmmMean, doc.hmmMeansPurity, log2Scale, out))
        std::copy(doc.hmmMean, doc.hmmMean + kStates, out);
}

namespace {

// The estimate's fields from the joint fit: the best solution, the cost per segment along p (the
// constraint's path, else the best over psi at each p) and the other solutions as candidates.
void fromJointFit(PurityEstimate& e) {
    const PurityPloidyFit& fit = e.fit;
    const PurityPloidySolution& best = fit.solutions.front();
    e.joint = true;
    e.decided = fit.decided;
    e.why = fit.why;
    e.purity = best.purity;
    e.low = best.purityLow;
    e.high = best.purityHigh;
    e.segments = fit.segments;
    const double perSegment = 1.0 / std::max(1, fit.segments);
    if (!fit.path.empty()) {
        for (std::size_t i = 0; i < fit.path.size(); ++i)
            e.curve.push_back({fit.path[i].first, fit.pathCost[i] * perSegment});
    } else {
        const PurityPloidyMap& m = fit.map;
        for (int i = 0; i < m.purities; ++i) {
            double low = m.at(i, 0);
            for (int j = 1; j < m.ploidies; ++j) low = std::min(low, static_cast<double>(m.at(i, j)));
            e.curve.push_back({m.purityAt(i), low * perSegment});
        }
    }
    for (std::size_t n = 1; n < fit.solutions.size(); ++n)
        e.candidates.push_back({fit.solutions[n].purity, fit.solutions[n].cost * perSegment});
}

} // namespace

bool estimatePurity(const CVARNDoc& doc, int t, bool paired, PurityEstimate& estimate, std::string& reason,
                    const PurityFitOptions& options) {
    PurityPloidyInput joint;
    // Without the alleles the joint fit still places a fraction and a ploidy both given.
    const bool bothGiven = std::isfinite(options.fixedPurity) && std::isfinite(options.fixedPloidy);
    if (purityPloidySegments(doc, t, paired, joint, estimate.alleleReason) &&
        (estimate.alleleReason.empty() || bothGiven)) {
        if (options.dataDecideBaseline) joint.baselineCopyNumber = 0;
        joint.fixedPurity = options.fixedPurity;
        joint.fixedPloidy = options.fixedPloidy;
        estimate.fit = fitPurityPloidy(joint);
        if (estimate.fit.available) {
            for (const FitSegment& s : joint.segments) estimate.markers += s.markers;
            estimate.changedMarkers =
                static_cast<int>(std::lround(estimate.fit.solutions.front().alteredShare * estimate.markers));
            fromJointFit(estimate);
            return true;
        }
        if (estimate.alleleReason.empty()) estimate.alleleReason = estimate.fit.why;
    }
    const int first = firstArrayOf(t), last = lastArrayOf(t);
    PurityFitInput in;
    // The means are natural-log ratios of the signal; a paired profile reads the same signal
    // ratios in base 2.
    pureMeansOf(doc, false, in.pureMeans);
    if (paired)
        for (float& m : in.pureMeans) m = static_cast<float>(m / std::log(2.0));
    in.log2Scale = paired;
    in.baseCopyNumber = baselineCopyNumberOf(doc);
    double noiseSum = 0.0;
    int arrays = 0;
    for (int a = first; a <= last; ++a) {
        const double noise = profileNoise(doc, a, doc.logRatio[0]);
        if (!(noise > 0) || !std::isfinite(noise)) continue;
        auto segments = segmentProfile(doc, a, doc.logRatio[0], noise);
        if (paired) addAlleles(doc, a, segments, in);
        // Levels are read against the baseline region, which holds the copy number the user
        // gave it: the averaging of the references on the linear scale and the normalisation
        // leave the profile a little off zero there.
        const double offset = regionLevel(doc, a, doc.logRatio[0]);
        for (ProfileSegment& s : segments) s.level -= offset;
        in.segments.insert(in.segments.end(), segments.begin(), segments.end());
        noiseSum += noise;
        ++arrays;
    }
    if (arrays == 0 || in.segments.empty()) {
        reason = "There is no decoded profile to estimate the tumour cell fraction from.";
        return false;
    }
    in.noise = noiseSum / arrays;
    const std::string alleleReason = estimate.alleleReason;
    estimate = fitPurity(in);
    estimate.alleleReason = alleleReason;
    return true;
}

std::string purityText(const PurityEstimate& e) {
    char text[200];
    if (e.joint && e.decided) return solutionText(e.fit.solutions.front());
    if (!e.decided) {
        std::snprintf(text, sizeof text, "Tumour cells: cannot tell (%s)", e.why.c_str());
        return text;
    }
    std::snprintf(text, sizeof text, "Tumour cells %.0f %% (%.0f\u2013%.0f %%)", 100 * e.purity, 100 * e.low,
                  100 * e.high);
    return text;
}

} // namespace varn
