// A profile from any array through the same stages as the 50K pair: prepared with its platform's
// row, informative SNPs, level segments cut where the alleles step, the joint fit of purity and
// ploidy (the data deciding the baseline: a profile has no baseline region), the allele-specific
// HMM at the solution, and its runs of states as segments.
#include "ProfileAnalysis.h"

#include "document/ChromosomeTable.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/analysis/CompressionFit.h"
#include "engine/analysis/LevelWaves.h"
#include "engine/analysis/ResultWording.h"
#include "engine/analysis/ShortEvents.h"
#include "engine/analysis/TwinSolutions.h"
#include "engine/purity/FitSegments.h"
#include "engine/purity/PurityPloidyCost.h"

#include <cmath>
#include <cstdio>

namespace varn {

namespace {

// The compression measured at a solution is taken within these bounds (a log ratio that moves
// less than a fifth, or more than one and a half times, of log2 of the copy ratio is no array's),
// and the fit made again at most this many times, until the measured value moves by less than
// this share.
constexpr double kLowestCompression = 0.2, kHighestCompression = 1.5;
constexpr int kCompressionRounds = 3;
constexpr double kCompressionAgrees = 0.01;
// A segment shorter than this is the waves' as much as the tumour's (a dense array resolves every
// wave of a megabase as a segment of its own): the fit reads the longer ones, the decoder all.
constexpr double kFitSegmentBases = 2.0 * kWaveReach;

int autosomalSnps(const Profile& p) {
    int n = 0;
    for (std::size_t i = 0; i < p.size(); ++i) n += p.chromosome[i] <= 22 && std::isfinite(p.logRatio[i]);
    return n;
}

// The levels of the decoder at (purity, ploidy): the fit's reading of each array at that point
// (its log ratio against the genome's mean signal) gives the level of two copies.
DecodingLevels levelsAt(const ProfileAnalysis& a, const PurityPloidyInput& in, double purity, double ploidy,
                        const ProfileAnalysisOptions& options) {
    const Profile& p = a.prepared.profile;
    DecodingLevels s;
    s.copies = in.arrays[1].copies;
    s.purity = purity;
    s.baseCopyNumber = 2;
    s.scale = p.logBase == LogBase::Two ? 1.0 / std::log(2.0) : 1.0;
    const jointfit::Prepared pr(in, kPurityPloidyParameters);
    const jointfit::Point pt = pr.freePoint(purity, ploidy);
    for (int a1 = 1; a1 <= 2; ++a1) {
        s.baseline[a1] = s.scale * (std::log(mixedSignal(s.copies, 2, purity)) - pt.shift[a1]);
        s.noise[a1] = in.arrays[a1].levelNoise * s.scale;
    }
    s.referenceMaleShare = a.prepared.platform.referenceMaleShare;
    s.male = options.male;
    return s;
}

std::vector<ProfileCall> callsOf(const Profile& read, const PreparedProfile& prepared,
                                 const InformativeSnps& inf, const ProfileDecoding& d) {
    std::vector<ProfileCall> out;
    const double toNatural = read.logBase == LogBase::Two ? std::log(2.0) : 1.0;
    const Profile& p = prepared.profile;
    double sumLog = 0.0, sumMirrored = 0.0;
    auto close = [&] {
        if (out.empty()) return;
        ProfileCall& c = out.back();
        c.segment.meanLn = sumLog / c.segment.markers * toNatural;
        if (c.informative > 0) c.mirroredBaf = sumMirrored / c.informative;
    };
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (!std::isfinite(read.logRatio[i])) continue;
        const int total = d.totalCopies[i], minor = d.minorCopies[i];
        ProfileCall* c = out.empty() ? nullptr : &out.back();
        if (c == nullptr || c->segment.chromosome != read.chromosome[i] || c->segment.copyNumber != total ||
            c->segment.minorCopies != minor) {
            close();
            out.push_back({});
            c = &out.back();
            c->segment.chromosome = read.chromosome[i];
            c->segment.start = read.position[i];
            c->segment.copyNumber = total;
            c->segment.minorCopies = minor;
            c->segment.loh = total >= 1 && minor == 0;
            sumLog = sumMirrored = 0.0;
        }
        c->segment.end = read.position[i];
        ++c->segment.markers;
        sumLog += read.logRatio[i];
        if (p.hasBaf() && inf.informative[i] && std::isfinite(p.baf[i])) {
            ++c->informative;
            sumMirrored += std::fabs(p.baf[i] - 0.5) + 0.5;
        }
    }
    close();
    return out;
}

// The solution asked for (--solution N), else the best where the fit decides or where both the
// purity and the ploidy were given; 0 for none. False, with the refusal, for an N beyond the fit.
bool chooseSolution(ProfileAnalysis& a, const ProfileAnalysisOptions& options, bool bothGiven) {
    const std::size_t found = a.fit.available ? a.fit.solutions.size() : 0;
    a.solution = 0;
    if (options.solution > 0 && static_cast<std::size_t>(options.solution) > found) {
        a.refusal =
            "there is no solution " + std::to_string(options.solution) +
            (found == 0 ? " (" + (a.fitWhy.empty() ? std::string("the fit found none") : a.fitWhy) + ")"
                        : " (the fit found " + std::to_string(found) + ")");
        return false;
    }
    if (options.solution > 0 || (found > 0 && (a.fit.decided || bothGiven)))
        a.solution = std::max(1, options.solution);
    return true;
}

} // namespace

ProfileAnalysis analyseProfile(const Profile& read, const ProfileAnalysisOptions& options) {
    ProfileAnalysis a;
    a.prepared = prepareProfile(read);
    Profile& p = a.prepared.profile;
    const bool alleles = p.hasBaf();
    if (alleles) a.informative = p.hasNormal() ? informativeFromNormal(p) : informativeFromSample(p);

    PurityPloidyInput in;
    in.informativeFromNormal = alleles && p.hasNormal();
    in.baselineCopyNumber = 0;
    in.fixedPurity = options.purity;
    in.fixedPloidy = options.ploidy;
    const EffectiveCopies copies = effectiveCopiesOf(a.prepared.platform.pureMeans, false);
    const int arrays = static_cast<int>(std::min<std::size_t>(p.arrays.size(), 2));
    for (int a1 = 1; a1 <= 2; ++a1) in.arrays[a1].copies = copies;
    // The level model's error: the 50K arrays' own, and the profile's waves beside it.
    PurityPloidyParameters parameters = kPurityPloidyParameters;
    const double toNatural = p.logBase == LogBase::Two ? std::log(2.0) : 1.0;
    LevelWaves waves[3];
    for (int array = 0; array < arrays; ++array) {
        waves[array + 1] = levelWaves(p, array);
        addFitSegments(p, array, alleles ? &a.informative : nullptr, in, waves[array + 1].sd, kFitSegmentBases);
        parameters.levelModelError =
            std::max(parameters.levelModelError,
                     std::hypot(kPurityPloidyParameters.levelModelError, waves[array + 1].sd * toNatural));
    }

    const bool bothGiven = std::isfinite(options.purity) && std::isfinite(options.ploidy);
    std::string twinNote; // the twins passed over for the undoubled solution, if any
    const int snps = autosomalSnps(p);
    if (snps < kFitSnps) {
        a.fitWhy = "the fit needs at least " + std::to_string(kFitSnps) +
                   " autosomal SNPs with a log ratio; " + p.sample + " has " + std::to_string(snps);
    } else if (!alleles && !bothGiven) {
        a.fitWhy = "the profile has no B-allele fraction";
    } else {
        a.fit = fitPurityPloidy(in, parameters);
        twinNote = preferUndoubledTwin(a.fit, parameters);
        a.fitWhy = a.fit.why;
    }
    if (!chooseSolution(a, options, bothGiven)) return a;

    // The platform's compression is where the fit starts; at its solution (the best, where it
    // cannot tell yet: the solutions a doubling tells apart read the same compression) the
    // segments measure their own, and the fit is made again with it until the two agree.
    const double assumed = a.prepared.platform.compression;
    double gamma = assumed;
    for (int round = 0; round < kCompressionRounds && alleles && a.fit.available && !a.fit.solutions.empty();
         ++round) {
        const int at = a.solution > 0 ? a.solution : 1;
        const double measured =
            measuredCompression(in, a.fit.solutions[static_cast<std::size_t>(at - 1)], gamma, parameters);
        if (!(measured >= kLowestCompression && measured <= kHighestCompression) ||
            std::fabs(measured - gamma) < kCompressionAgrees * gamma)
            break;
        recompress(in, gamma, measured);
        // The waves were measured decompressed by the old value: they scale with the levels.
        parameters.levelModelError =
            std::hypot(kPurityPloidyParameters.levelModelError,
                       std::sqrt(std::max(0.0, parameters.levelModelError * parameters.levelModelError -
                                                   kPurityPloidyParameters.levelModelError *
                                                       kPurityPloidyParameters.levelModelError)) *
                           gamma / measured);
        gamma = measured;
        a.fit = fitPurityPloidy(in, parameters);
        twinNote = preferUndoubledTwin(a.fit, parameters);
        a.fitWhy = a.fit.why;
        if (!chooseSolution(a, options, bothGiven)) return a;
    }
    if (gamma != assumed)
        for (float& l : p.logRatio) l = static_cast<float>(l * (assumed / gamma));
    a.prepared.platform.compression = gamma;

    if (a.solution > 0) {
        const PurityPloidySolution& s = a.fit.solutions[static_cast<std::size_t>(a.solution - 1)];
        a.purity = s.purity;
        a.ploidy = s.ploidy;
        a.solutionLine =
            (options.solution > 0 ? "solution " + std::to_string(a.solution) + ": " : std::string()) +
            solutionText(s) + (a.solution == 1 && !twinNote.empty() ? "; " + twinNote : std::string());
    } else {
        a.purity = std::isfinite(options.purity) ? options.purity : 1.0;
        a.ploidy = std::isfinite(options.ploidy) ? options.ploidy : 2.0;
        char decoded[96];
        std::snprintf(decoded, sizeof decoded, "; decoded at %.0f %% tumour cells, ploidy %.2f",
                      100 * a.purity, a.ploidy);
        a.solutionLine = "Tumour cells: cannot tell (" + a.fitWhy + ")" + decoded;
    }

    a.levels = levelsAt(a, in, a.purity, a.ploidy, options);
    const DecodingLevels fineLevels = a.levels;
    // The waves move whole stretches: a stretch of the waves' reach tells the decoder no more about
    // its level than its mean with the waves' error does, so each SNP's level counts as if its
    // noise held the waves of that many SNPs as well.
    for (int a1 = 1; a1 <= 2; ++a1) {
        const double w = waves[a1].sd * assumed / gamma;
        a.levels.noise[a1] =
            std::sqrt(a.levels.noise[a1] * a.levels.noise[a1] + waves[a1].snpsPerStretch * w * w);
    }
    AlleleSegments noise;
    noise.bafNoise = in.arrays[1].bafNoise;
    noise.informativeShare = in.arrays[1].informativeShare;
    a.decoding = decodeProfile(p, a.informative, noise, a.levels, p.sample);
    const double baseShift = std::log((a.purity * copies.g[2] + 2.0 * (1.0 - a.purity)) / 2.0);
    for (int k = 0; k < kStates; ++k)
        a.levelOfTotal.push_back(static_cast<float>(
            gamma * (a.levels.baseline[1] +
                     a.levels.scale *
                         (std::log((a.purity * copies.g[k] + 2.0 * (1.0 - a.purity)) / 2.0) - baseShift))));
    if (waves[1].sd > 0.0) {
        const ProfileDecoding fine = decodeProfile(p, a.informative, noise, fineLevels, p.sample);
        ShortEventLevels shortLevels;
        shortLevels.levelOfTotal = a.levelOfTotal;
        // One copy in every cell, the normal's too.
        shortLevels.germlineLoss =
            gamma * (a.levels.baseline[1] + a.levels.scale * (std::log(copies.g[1] / 2.0) - baseShift));
        shortLevels.noise = profileNoise(read, 0);
        shortLevels.waves = levelWaves(read, 0).sd;
        shortLevels.informative = &a.informative.informative;
        // The paired normal's heterozygous SNPs stay informative over a deletion in the tumour
        // cells; the sample's own show only where normal cells are left (as the allele HMM has it).
        shortLevels.deletionShowsAlleles = a.informative.fromNormal || a.purity <= 0.9;
        takeShortEvents(read, fine, a.decoding, shortLevels);
    }
    a.calls = callsOf(read, a.prepared, a.informative, a.decoding);
    return a;
}

} // namespace varn
