// The joint fit of tumour cell fraction and ploidy on segments drawn from the demo tumours'
// planted states through the mixture model with the arrays' noise: the search, the baseline
// constraint, the doubling that levels alone cannot tell, and what the fit needs.
#include "engine/purity/PurityPloidyFit.h"
#include "commands/CAverage.h"
#include "demo/DemoFixture.h"
#include "demo/DemoRandom.h"
#include "demo/DemoTumours.h"
#include "demo/TruthFile.h"
#include "document/CVARNDoc.h"
#include "document/HmmDefaults.h"
#include "engine/EngineFixtures.h"
#include "engine/analysis/ResultWording.h"
#include "engine/purity/PurityEstimate.h"
#include "support/ScriptedUi.h"
#include "view/CVARNView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace varn {
namespace {

constexpr double kLevelNoise = 0.26, kBafNoise = 0.04, kHeterozygosity = 0.3;

// Each planted stretch of an autosome as one segment of each array (a marker every 52 kb), its
// level the mixture's against the genome's mean plus an offset of the array, its informative SNPs'
// mirrored B-allele fraction drawn around the mixture's band.
PurityPloidyInput syntheticInput(const demo::DemoTumour& tumour, std::uint64_t seed,
                                 bool withAlleles = true) {
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
            const double minorCopies =
                (1 - share) * minorOf(s.copyNumber, s.minorCopies()) +
                share * minorOf(s.subcloneCopyNumber, s.subcloneCopyNumber - s.subcloneMajorCopies);
            const double total = p * tumourCopies + 2 * (1 - p);
            signal.push_back(total);
            signalSum += f.markers * total;
            markerSum += f.markers;
            const double minorShare =
                s.copyNumber == 0 && !s.subclonal() ? 0.5 : ((1 - p) + p * minorCopies) / total;
            f.expectedHeterozygous = kHeterozygosity * f.markers;
            const bool visible = minorShare >= 0.03;
            f.informative =
                withAlleles ? static_cast<int>(f.expectedHeterozygous * (visible ? 0.95 : 0.02)) : 0;
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
            std::printf("[ figures  ] %s %s: planted %.2f / %.2f; %s; %zu solutions%s%s\n",
                        tumour.name.c_str(), constrained ? "baseline" : "free", planted, ploidy,
                        solutionText(s).c_str(), fit.solutions.size(),
                        fit.decided ? "" : ", undecided: ", fit.why.c_str());
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

// Alleles drowned in noise (five times the arrays'): a doubled genome's quiet stretches at four
// copies sit where two copies would at a lower fraction, so the levels leave both readings, and
// the fit lists them and says it cannot choose.
TEST(PurityPloidyFit, WeakAllelesLeaveTheDoublingOpenAndSaySo) {
    for (const demo::DemoTumour& tumour : demo::demoTumours()) {
        if (tumour.name != "Tumor4") continue;
        PurityPloidyInput in = syntheticInput(tumour, 1);
        for (int a : {kXba, kHind}) in.arrays[a].bafNoise = 5 * kBafNoise;
        const PurityPloidyFit fit = fitPurityPloidy(in);
        ASSERT_GE(fit.solutions.size(), 2u);
        EXPECT_FALSE(fit.decided);
        EXPECT_NE(fit.why.find(" fit about as well"), std::string::npos) << fit.why;
        const double ratio = fit.solutions[1].ploidy / fit.solutions[0].ploidy;
        EXPECT_TRUE(ratio > 1.7 && ratio < 2.3) << fit.why;
    }
}

// The doubled tumour held at two copies in its baseline region: the path that constraint leaves
// runs down to fractions where the region's level would need less than one copy on average;
// none of those is a tumour, and none is listed.
TEST(PurityPloidyFit, ListsNoSolutionBelowOneCopyOnAverage) {
    for (const demo::DemoTumour& tumour : demo::demoTumours()) {
        if (!tumour.genomeDoubled) continue;
        PurityPloidyInput in = syntheticInput(tumour, 1);
        in.baselineCopyNumber = 2;
        for (const PurityPloidySolution& s : fitPurityPloidy(in).solutions)
            EXPECT_GE(s.ploidy, 1.0) << solutionText(s);
    }
}

// One ranking for the list and the map: the solutions by their fit, best first, and the map's
// darkest cell first in the list even where the baseline is held at a copy number that does not
// fit (the doubled tumour held at two copies), so that the best reading is never missing.
TEST(PurityPloidyFit, ListsByFitWithTheMapsBestCellFirst) {
    for (const demo::DemoTumour& tumour : demo::demoTumours()) {
        for (const int baseline : {0, 2}) {
            PurityPloidyInput in = syntheticInput(tumour, 1);
            in.baselineCopyNumber = baseline;
            in.listMapBest = true;
            const PurityPloidyFit fit = fitPurityPloidy(in);
            ASSERT_TRUE(fit.available && !fit.solutions.empty()) << fit.why;
            for (std::size_t n = 1; n < fit.solutions.size(); ++n)
                EXPECT_GE(fit.solutions[n - 1].fit, fit.solutions[n].fit) << tumour.name << " " << n;
            const PurityPloidyMap& m = fit.map;
            const auto cell = std::min_element(m.cost.begin(), m.cost.end()) - m.cost.begin();
            const PurityPloidySolution& first = fit.solutions.front();
            EXPECT_NEAR(first.purity, m.purityAt(static_cast<int>(cell) / m.ploidies), 0.02) << tumour.name;
            EXPECT_NEAR(first.ploidy / m.ploidyAt(static_cast<int>(cell) % m.ploidies), 1.0, 0.02) << tumour.name;
            EXPECT_EQ(first.doubled, tumour.genomeDoubled) << tumour.name << " held at " << baseline;
        }
    }
}

namespace fs = std::filesystem;

// A document over the demo installation holding one tumour's analysis: against both pools, or
// (paired) on one array against its own normal. The baseline region is chr1:1-100,000,000, the
// short arm that every demo tumour leaves balanced, at the copy number the truth gives it.
struct DemoAnalysis {
    test::ScriptedUi ui;
    CVARNDoc doc;
    CVARNView view;

    explicit DemoAnalysis(const fs::path& root) : doc(InstallRoot(root), ui), view(doc) {}

    void region(int t) {
        doc.regionStart[t] = -1;
        for (int pos = doc.snpFirst[t]; pos <= doc.autosomeLast[t]; ++pos) {
            const int snp = doc.arrangeOrder[pos];
            if (doc.snpChromosome[snp] != 1 || doc.snpPosition[snp] > 100000000) continue;
            if (doc.regionStart[t] < 0) doc.regionStart[t] = pos;
            doc.regionEnd[t] = pos;
        }
    }

    void readTumour(const fs::path& root, const std::string& tumour, int t, bool paired) {
        const std::string a = t == kXba ? "X" : "H";
        ASSERT_EQ(doc.ReadSignalFile(t, root / ("tumorsample" + a) / (tumour + a + ".txt"), 0, 1), 0);
        ASSERT_EQ(doc.ReadSnpCallFile(t, root / ("SNPtumorsample" + a) / (tumour + a + ".txt"), 0), 0);
        std::snprintf(doc.poolSampleName[t][0], kNameSize, "%s", (tumour + a).c_str());
        if (paired) {
            ASSERT_EQ(doc.ReadSignalFile(t, root / ("sampledata" + a) / (tumour + "N" + a + ".txt"), 1, 2),
                      0);
            ASSERT_EQ(doc.ReadSnpCallFile(t, root / ("sampledata" + a) / (tumour + "N" + a + "_snp.txt"), 1),
                      0);
        }
        doc.sampleAllelesHeld[t] = true;
        region(t);
    }

    void pool(const fs::path& root, const std::string& tumour, int baseCopies) {
        for (int t : {kXba, kHind}) {
            ASSERT_TRUE(doc.OnOpenDocument(root / (t == kXba ? "XbaPool.ref" : "HindPool.ref")));
            readTumour(root, tumour, t, false);
            doc.baseCopyNumber = baseCopies;
            ASSERT_TRUE(test::sortWithEveryReference(view, ui, t));
        }
    }

    void paired(const fs::path& root, const std::string& tumour, int t, int baseCopies) {
        doc.referenceMode = kSelfReference;
        doc.arrayType = t;
        readTumour(root, tumour, t, true);
        doc.baseCopyNumber = baseCopies;
        ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
        doc.computePairedRatio(doc.regionStart[t], doc.regionEnd[t], t);
    }
};

// The tumour cells' mean copy number over the autosomes, weighted by bases.
double autosomalPloidy(const std::vector<demo::TruthSegment>& truth) {
    double sum = 0.0, bases = 0.0;
    for (const demo::TruthSegment& s : truth)
        if (s.chromosome <= 22) {
            sum += s.tumourCopyNumber() * (s.end - s.start + 1.0);
            bases += s.end - s.start + 1.0;
        }
    return sum / bases;
}

// On the demo (three references) every tumour, pool analysis of each array and of both and the
// paired analyses of each array, the data deciding the baseline and the baseline held at the copy
// number it has: the best solution near the planted fraction and ploidy, an interval that holds
// the fraction and stays narrow, the doubled genome called doubled and no other.
TEST(PurityPloidyFit, FindsThePlantedFractionAndPloidyOfEveryDemoTumour) {
    test::DemoInstallationFixture& demo = test::demoInstallation();
    ASSERT_TRUE(demo.made) << demo.errors;
    for (int n = 1; n <= 7; ++n) {
        const std::string tumour = "Tumor" + std::to_string(n);
        demo::TruthHeader header;
        std::vector<demo::TruthSegment> truth;
        ASSERT_TRUE(demo::readTruthHeader(demo.root / "truth" / (tumour + ".txt"), header));
        ASSERT_TRUE(demo::readTruthFile(demo.root / "truth" / (tumour + ".txt"), truth));
        const double planted = 1.0 - header.normalFraction, ploidy = autosomalPloidy(truth);
        const int baseCopies = demo::truthAt(truth, 1, 1000000)->copyNumber;
        struct Case {
            std::string what;
            DemoAnalysis* analysis;
            int t;
            bool paired;
        };
        DemoAnalysis pool(demo.root), pairedX(demo.root), pairedH(demo.root);
        pool.pool(demo.root, tumour, baseCopies);
        pairedX.paired(demo.root, tumour, kXba, baseCopies);
        pairedH.paired(demo.root, tumour, kHind, baseCopies);
        const Case cases[] = {{"pool Xba", &pool, kXba, false},
                              {"pool Hind", &pool, kHind, false},
                              {"pool both", &pool, kCombined, false},
                              {"paired Xba", &pairedX, kXba, true},
                              {"paired Hind", &pairedH, kHind, true}};
        for (const Case& c : cases)
            for (const bool free : {true, false}) {
                const std::string where = tumour + " " + c.what + (free ? " free" : " baseline");
                PurityFitOptions options;
                options.dataDecideBaseline = free;
                PurityEstimate e;
                std::string reason;
                ASSERT_TRUE(estimatePurity(c.analysis->doc, c.t, c.paired, e, reason, options))
                    << where << reason;
                ASSERT_TRUE(e.joint) << where << ": " << e.alleleReason;
                const PurityPloidySolution& s = e.fit.solutions.front();
                std::printf("[ figures  ] %s: planted %.2f, ploidy %.2f; %s%s%s\n", where.c_str(), planted,
                            ploidy, solutionText(s).c_str(),
                            e.fit.decided ? "" : "; undecided: ", e.fit.why.c_str());
                for (std::size_t k = 1; k < e.fit.solutions.size(); ++k)
                    std::printf("[ figures  ]     next: %s\n", solutionText(e.fit.solutions[k]).c_str());
                EXPECT_TRUE(e.fit.decided) << where << ": " << e.fit.why;
                EXPECT_NEAR(s.purity, planted, 0.05) << where;
                EXPECT_NEAR(s.ploidy, ploidy, 0.25) << where;
                EXPECT_TRUE(s.purityLow <= planted + 1e-9 && planted <= s.purityHigh + 1e-9) << where;
                EXPECT_LE(s.purityHigh - s.purityLow, 0.10 + 1e-9) << where;
                EXPECT_EQ(s.doubled, header.genomeDoubled) << where;
            }
    }
}

} // namespace
} // namespace varn
