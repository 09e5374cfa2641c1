// The joint fit of tumour cell fraction and ploidy on segments drawn from the demo tumours'
// planted states through the mixture model with the arrays' noise: the search, the baseline
// constraint, the doubling that levels alone cannot tell, and what the fit needs.
#include "engine/PurityPloidyFit.h"
#include "demo/DemoRandom.h"
#include "demo/DemoTumours.h"
#include "document/HmmDefaults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace varn {
namespace {

constexpr double kLevelNoise = 0.26, kBafNoise = 0.04, kHeterozygosity = 0.3;

// Each planted stretch of an autosome as one segment of each array (a marker every 52 kb), its
// level the mixture's against the genome's mean plus an offset of the array, its informative SNPs'
// mirrored B-allele fraction drawn around the mixture's band.
PurityPloidyInput syntheticInput(const demo::DemoTumour& tumour, std::uint64_t seed, bool withAlleles = true) {
    demo::DemoRandom random(seed, 7);
    PurityPloidyInput in;
    const EffectiveCopies g = effectiveCopiesOf(kDefaultHmmMean, false);
    const double p = tumour.tumourFraction();
    double signalSum = 0.0, markerSum = 0.0;
    std::vector<double> signal;
    for (int a : {kXba, kHind}) {
        in.arrays[a] = {g, kLevelNoise, kBafNoise, 0.95, 0.03, false, 0.0};
        for (const demo::PlantedSegment& s : demo::wholeGenomeSegments(tumour)) {
            if (s.chromosome > 22) continue;
            FitSegment f;
            f.arrayType = a;
            f.chromosome = s.chromosome;
            f.bases = s.end - s.start + 1.0;
            f.markers = std::max(10, static_cast<int>(f.bases / 52000.0));
            const double share = s.subclonal() ? s.subcloneShare : 0.0;
            const double tumourCopies = (1 - share) * g.g[s.copyNumber] + share * g.g[s.subcloneCopyNumber];
            auto minorOf = [&](int k, int minor) { return k == 0 ? 0.0 : g.g[k] * minor / k; };
            const double minorCopies = (1 - share) * minorOf(s.copyNumber, s.minorCopies()) +
                                       share * minorOf(s.subcloneCopyNumber, s.subcloneCopyNumber - s.subcloneMajorCopies);
            const double total = p * tumourCopies + 2 * (1 - p);
            signal.push_back(total);
            signalSum += f.markers * total;
            markerSum += f.markers;
            const double minorShare = s.copyNumber == 0 && !s.subclonal() ? 0.5 : ((1 - p) + p * minorCopies) / total;
            f.expectedHeterozygous = kHeterozygosity * f.markers;
            const bool visible = minorShare >= 0.03;
            f.informative = withAlleles ? static_cast<int>(f.expectedHeterozygous * (visible ? 0.95 : 0.02)) : 0;
            if (f.informative > 0) {
                double folded = 0.0;
                for (int n = 0; n < f.informative; ++n)
                    folded += std::fabs(random.normal(visible ? 0.5 - minorShare : 0.0, kBafNoise));
                f.mirroredBaf = 0.5 + folded / f.informative;
            }
            in.segments.push_back(f);
        }
    }
    // Levels against the genome's mean signal, each array a little off it, with noise.
    for (std::size_t i = 0; i < in.segments.size(); ++i) {
        FitSegment& f = in.segments[i];
        const double offset = f.arrayType == kXba ? 0.05 : -0.03;
        f.level = std::log(signal[i] / (signalSum / markerSum)) + offset +
                  random.normal(0.0, std::sqrt(kLevelNoise * kLevelNoise / f.markers + 0.01 * 0.01));
        if (f.chromosome == 1 && !in.arrays[f.arrayType].hasRegion) {
            in.arrays[f.arrayType].hasRegion = true; // 1p: unchanged in every demo tumour
            in.arrays[f.arrayType].regionLevel = f.level;
        }
    }
    return in;
}

double ploidyOf(const demo::DemoTumour& tumour) {
    std::vector<demo::PlantedSegment> autosomes;
    for (const demo::PlantedSegment& s : demo::wholeGenomeSegments(tumour))
        if (s.chromosome <= 22) autosomes.push_back(s);
    return demo::tumourPloidy(autosomes);
}

TEST(PurityPloidyFit, FindsEveryDemoTumourFreeAndAgainstItsBaseline) {
    for (const demo::DemoTumour& tumour : demo::demoTumours()) {
        const double planted = tumour.tumourFraction(), ploidy = ploidyOf(tumour);
        for (const bool constrained : {false, true}) {
            PurityPloidyInput in = syntheticInput(tumour, 1);
            if (constrained) in.baselineCopyNumber = tumour.genomeDoubled ? 4 : 2;
            const PurityPloidyFit fit = fitPurityPloidy(in);
            ASSERT_TRUE(fit.available) << fit.why;
            ASSERT_FALSE(fit.solutions.empty());
            const PurityPloidySolution& s = fit.solutions.front();
            std::printf("[ figures  ] %s %s: planted %.2f / %.2f; %s; %zu solutions%s%s\n", tumour.name.c_str(),
                        constrained ? "baseline" : "free", planted, ploidy, solutionText(s).c_str(),
                        fit.solutions.size(), fit.decided ? "" : ", undecided: ", fit.why.c_str());
            for (std::size_t n = 1; n < fit.solutions.size(); ++n)
                std::printf("[ figures  ]    next: %s\n", solutionText(fit.solutions[n]).c_str());
            EXPECT_TRUE(fit.decided) << tumour.name << ": " << fit.why;
            EXPECT_NEAR(s.purity, planted, 0.05) << tumour.name;
            EXPECT_NEAR(s.ploidy, ploidy, 0.25) << tumour.name;
            EXPECT_TRUE(s.purityLow <= planted && planted <= s.purityHigh) << tumour.name;
            EXPECT_LE(s.purityHigh - s.purityLow, 0.10) << tumour.name;
            EXPECT_EQ(s.doubled, tumour.genomeDoubled) << tumour.name;
        }
    }
}

} // namespace
} // namespace varn
