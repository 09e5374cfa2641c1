#include "AlleleSegments.h"

#include "document/profile/Profile.h"
#include "engine/allelic/AlleleParameters.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/common/RobustStatistics.h"
#include "engine/common/SideBySide.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace varn {

namespace {

const AlleleParameters& kP = kAlleleParameters;

double mirrored(float baf) { return std::fabs(baf - 0.5) + 0.5; }

double weightedMedian(std::vector<std::pair<double, double>> valueWeight) {
    if (valueWeight.empty()) return std::nan("");
    std::sort(valueWeight.begin(), valueWeight.end());
    double total = 0.0;
    for (const auto& [value, weight] : valueWeight) total += weight;
    double seen = 0.0;
    for (const auto& [value, weight] : valueWeight) {
        seen += weight;
        if (2.0 * seen >= total) return value;
    }
    return valueWeight.back().first;
}

// The noise of one stretch's B-allele fractions around its band by the method of moments: with
// x = baf - 0.5 = +-delta + noise, mean x^2 = delta^2 + sd^2 and mean |x| = foldedMean(delta, sd).
double stretchNoise(double meanAbs, double meanSquare) {
    const double rms = std::sqrt(meanSquare);
    if (!(rms > 0.0)) return 0.0;
    if (meanAbs <= foldedMean(0.0, rms)) return rms; // balanced, within its own scatter
    double lo = 0.0, hi = rms;
    for (int i = 0; i < 50; ++i) {
        const double delta = 0.5 * (lo + hi);
        const double sd = std::sqrt(std::max(0.0, meanSquare - delta * delta));
        (foldedMean(delta, sd) < meanAbs ? lo : hi) = delta;
    }
    return std::sqrt(std::max(0.0, meanSquare - lo * lo));
}

struct Piece {
    int first;
    int last; // inclusive, indices of the profile's SNPs
};

// Where the alleles of one chromosome, SNPs [first, last], step: in the mirrored B-allele
// fraction of the informative SNPs, and in the share of SNPs that are informative against the
// population rates. Found over the whole chromosome, so that a step a few SNPs beside a log-ratio
// boundary is still seen; cuts are the index of the first SNP after a step.
std::vector<int> stepsOf(const Profile& profile, const InformativeSnps& inf, Piece p, double bafNoise,
                         double deficitNoise) {
    std::vector<double> band, deficit;
    std::vector<int> bandAt, deficitAt;
    for (int i = p.first; i <= p.last; ++i) {
        const std::size_t r = static_cast<std::size_t>(i);
        const float baf = profile.baf[r];
        if (!std::isfinite(baf)) continue;
        const bool informative = inf.informative[r] != 0;
        deficit.push_back((informative ? 1.0 : 0.0) - profile.heterozygosity[r]);
        deficitAt.push_back(i);
        if (!informative) continue;
        band.push_back(mirrored(baf));
        bandAt.push_back(i);
    }
    std::vector<int> cuts;
    if (bafNoise > 0.0)
        for (int c : binarySegmentation(band, kP.splitZ * kP.splitZ * bafNoise * bafNoise, kP.minSegmentSnps))
            cuts.push_back(bandAt[static_cast<std::size_t>(c)]);
    const std::size_t bandCuts = cuts.size();
    if (deficitNoise > 0.0)
        for (int c : binarySegmentation(deficit, kP.splitZ * kP.splitZ * deficitNoise * deficitNoise,
                                        kP.minSegmentSnps)) {
            const int at = deficitAt[static_cast<std::size_t>(c)];
            bool same = false; // the B-allele fraction places a step it also sees
            for (std::size_t k = 0; k < bandCuts; ++k) same = same || std::abs(cuts[k] - at) < kP.sameStepSnps;
            if (!same) cuts.push_back(at);
        }
    std::sort(cuts.begin(), cuts.end());
    return cuts;
}

AlleleSegment summarise(const Profile& profile, const InformativeSnps& inf, const CopyNumberSegment& parent,
                        Piece p, const std::vector<float>& lohScore) {
    AlleleSegment a;
    a.total = parent;
    a.firstSnp = p.first;
    a.lastSnp = p.last;
    a.total.markers = 0;
    double sumLn = 0.0, sumLoh = 0.0, maxLoh = 0.0, sumMirrored = 0.0, sumSquare = 0.0;
    for (int i = p.first; i <= p.last; ++i) {
        const std::size_t r = static_cast<std::size_t>(i);
        const float ln = profile.logRatio[r];
        if (!std::isfinite(ln)) continue;
        if (a.total.markers == 0) a.total.start = profile.position[r];
        a.total.end = profile.position[r];
        ++a.total.markers;
        sumLn += ln;
        if (!lohScore.empty()) {
            sumLoh += lohScore[r];
            maxLoh = a.total.markers == 1 ? lohScore[r] : std::max<double>(maxLoh, lohScore[r]);
        }
        if (!profile.hasBaf()) continue;
        a.expectedHeterozygous += profile.heterozygosity[r];
        const float baf = profile.baf[r];
        if (!inf.informative[r] || !std::isfinite(baf)) continue;
        ++a.informative;
        sumMirrored += mirrored(baf);
        sumSquare += (baf - 0.5) * (baf - 0.5);
    }
    if (a.total.markers > 0) {
        a.total.meanLn = sumLn / a.total.markers;
        a.total.lohMean = sumLoh / a.total.markers;
        a.total.lohMax = maxLoh;
    }
    a.mirroredBaf = a.informative > 0 ? sumMirrored / a.informative : std::nan("");
    a.meanSquare = a.informative > 0 ? sumSquare / a.informative : 0.0;
    return a;
}

// The profile's SNPs inside each log-ratio segment, by chromosome and base (both are in genome
// order).
std::vector<Piece> rangesOf(const Profile& profile, const std::vector<CopyNumberSegment>& segments) {
    std::vector<Piece> out(segments.size(), Piece{0, -1});
    const std::size_t n = profile.size();
    std::size_t i = 0;
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const CopyNumberSegment& s = segments[k];
        auto before = [&](std::size_t x) {
            return profile.chromosome[x] < s.chromosome ||
                   (profile.chromosome[x] == s.chromosome && profile.position[x] < s.start);
        };
        while (i < n && before(i)) ++i;
        std::size_t j = i;
        while (j < n && profile.chromosome[j] == s.chromosome && profile.position[j] <= s.end) ++j;
        if (j > i) out[k] = {static_cast<int>(i), static_cast<int>(j) - 1};
        i = j;
    }
    return out;
}

// The B-allele fraction's noise before any cut: the robust SD of the informative SNPs' values
// around 0.5 (most of a genome keeps both parents' alleles in balance).
double firstNoise(const Profile& profile, const InformativeSnps& inf) {
    std::vector<double> offsets;
    for (std::size_t i = 0; i < profile.baf.size(); ++i)
        if (inf.informative[i] && std::isfinite(profile.baf[i]))
            offsets.push_back(std::fabs(profile.baf[i] - 0.5));
    if (offsets.empty()) return 0.0;
    return kMadToSd * medianOf(offsets);
}

// One pass: the log-ratio segments cut at the allele steps found with this noise. Each
// chromosome's steps are found over its own SNPs alone, so the chromosomes (each run of segments
// on one) are cut side by side and their pieces joined in order.
std::vector<AlleleSegment> cutSegments(const Profile& profile, const InformativeSnps& inf,
                                       const std::vector<CopyNumberSegment>& logRatioSegments,
                                       const std::vector<Piece>& ranges, const std::vector<float>& lohScore,
                                       double bafNoise, double deficitNoise) {
    std::vector<std::size_t> runs;
    for (std::size_t k = 0; k < logRatioSegments.size(); ++k)
        if (k == 0 || logRatioSegments[k].chromosome != logRatioSegments[k - 1].chromosome) runs.push_back(k);
    runs.push_back(logRatioSegments.size());
    std::vector<std::vector<AlleleSegment>> pieces(runs.size() - 1);
    sideBySide(pieces.size(), [&](std::size_t r) {
        std::vector<int> steps;
        bool stepsFound = false;
        for (std::size_t k = runs[r]; k < runs[r + 1]; ++k) {
            const Piece whole = ranges[k];
            if (whole.last < whole.first) continue;
            const int ch = logRatioSegments[k].chromosome;
            if (!stepsFound && profile.hasBaf()) {
                Piece chromosome = whole;
                while (chromosome.last + 1 < static_cast<int>(profile.size()) &&
                       profile.chromosome[static_cast<std::size_t>(chromosome.last + 1)] == ch)
                    ++chromosome.last;
                while (chromosome.first > 0 &&
                       profile.chromosome[static_cast<std::size_t>(chromosome.first - 1)] == ch)
                    --chromosome.first;
                steps = stepsOf(profile, inf, chromosome, bafNoise, deficitNoise);
                stepsFound = true;
            }
            // A step this close to the segment's own ends is the same step as its boundary.
            std::vector<int> cuts;
            for (int step : steps)
                if (step - whole.first >= kP.sameStepSnps && whole.last + 1 - step >= kP.sameStepSnps)
                    cuts.push_back(step);
            cuts.push_back(whole.last + 1);
            int first = whole.first;
            for (int cut : cuts) {
                AlleleSegment piece =
                    summarise(profile, inf, logRatioSegments[k], {first, cut - 1}, lohScore);
                if (piece.total.markers > 0) pieces[r].push_back(piece);
                first = cut;
            }
        }
    });
    std::vector<AlleleSegment> out;
    for (std::vector<AlleleSegment>& run : pieces) out.insert(out.end(), run.begin(), run.end());
    return out;
}

// The noise of the B-allele fraction around the bands of the pieces, each with enough
// informative SNPs measuring it (the median, weighted by those SNPs).
double pieceNoise(const std::vector<AlleleSegment>& pieces, double otherwise) {
    std::vector<std::pair<double, double>> noise;
    for (const AlleleSegment& a : pieces)
        if (a.informative >= 3 * kP.minSegmentSnps)
            noise.push_back({stretchNoise(a.mirroredBaf - 0.5, a.meanSquare), static_cast<double>(a.informative)});
    return noise.empty() ? otherwise : weightedMedian(noise);
}

} // namespace

double foldedMean(double delta, double sd) {
    delta = std::fabs(delta);
    if (!(sd > 0.0)) return delta;
    const double z = delta / sd;
    return sd * std::sqrt(2.0 / std::numbers::pi) * std::exp(-0.5 * z * z) + delta * std::erf(z / std::sqrt(2.0));
}

AlleleSegments alleleSegments(const Profile& profile, const InformativeSnps& inf,
                              const std::vector<CopyNumberSegment>& logRatioSegments,
                              const std::vector<float>& lohScore) {
    AlleleSegments out;
    const std::vector<Piece> ranges = rangesOf(profile, logRatioSegments);
    if (!profile.hasBaf()) {
        // Without alleles the log-ratio segments stand as they are.
        out.segments = cutSegments(profile, inf, logRatioSegments, ranges, lohScore, 0.0, 0.0);
        return out;
    }
    double varianceSum = 0.0;
    int varianceCount = 0;
    for (std::size_t i = 0; i < profile.size(); ++i) {
        if (!std::isfinite(profile.baf[i])) continue;
        const double h = profile.heterozygosity[i];
        varianceSum += h * (1.0 - h);
        ++varianceCount;
    }
    const double deficitNoise = varianceCount > 0 ? std::sqrt(varianceSum / varianceCount) : 0.0;

    // The first cut reads the noise off all informative SNPs at once, which imbalanced stretches
    // inflate; the pieces then measure it around their own bands, and the cut is made again.
    const double first = firstNoise(profile, inf);
    const double refined =
        pieceNoise(cutSegments(profile, inf, logRatioSegments, ranges, lohScore, first, deficitNoise), first);
    out.segments = cutSegments(profile, inf, logRatioSegments, ranges, lohScore, refined, deficitNoise);
    out.bafNoise = pieceNoise(out.segments, refined);

    // The informative share where the sample keeps both alleles: the median over the pieces.
    std::vector<std::pair<double, double>> share;
    for (const AlleleSegment& a : out.segments)
        if (a.expectedHeterozygous >= kP.minSegmentSnps)
            share.push_back({a.informative / a.expectedHeterozygous, a.expectedHeterozygous});
    if (!share.empty()) out.informativeShare = weightedMedian(share);
    return out;
}

} // namespace varn
