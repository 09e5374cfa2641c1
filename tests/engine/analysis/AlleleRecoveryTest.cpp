// The allele analysis of every demo tumour and array against what was planted: which SNPs are
// informative, LOH from the alleles, and nMajor / nMinor. The pool's allele model, the tumour's
// allele sums, the baseline region (the unchanged short arm of chromosome 1 at its planted copy
// number), every reference ticked, then the tumour cell fraction as a user sets it.
#include "demo/DemoFixture.h"
#include "demo/DemoGenome.h"
#include "demo/DemoSamples.h"
#include "demo/DemoTumours.h"
#include "document/CVARNDoc.h"
#include "engine/EngineFixtures.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/PurityEstimate.h"
#include "export/Segments.h"
#include "support/ScriptedUi.h"
#include "view/CVARNView.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace varn {
namespace {

namespace fs = std::filesystem;

constexpr int kLongStretch = 5000000;

struct Share {
    int of = 0;
    int hits = 0;
    double value() const { return of > 0 ? static_cast<double>(hits) / of : 1.0; }
    void count(bool hit) {
        ++of;
        hits += hit;
    }
};

struct Figures {
    double estimate = 0.0;   // the purity estimate
    double purity = 0.0;     // the fraction the analysis used
    Share informative;       // truly heterozygous SNPs found informative
    Share germline;          // germline heterozygous SNPs found informative
    Share falseInformative;  // informative SNPs that are not truly heterozygous
    std::map<std::pair<int, int>, Share> lohStretches; // LOH stretches >= 5 Mb: positions called LOH
    Share lohRetained;       // positions keeping both parents' alleles that are called LOH
    std::map<std::pair<int, int>, Share> callStretches; // the same from the calls' LOH score
    Share callRetained;
    Share copies; // clonal autosomal positions with nMajor / nMinor as planted
};

bool hasSubclone(const demo::DemoTumour& tumour) {
    for (const demo::PlantedSegment& s : tumour.segments)
        if (s.subclonal()) return true;
    return false;
}

// Sort on the unchanged short arm of chromosome 1 at its planted copy number, then the tumour
// fraction: the estimate as --purity auto applies it, except for a tumour with a subclone, whose
// levels the estimate cannot read (it fits clonal levels only): there the planted fraction, as a
// user who knows it from the pathology would set it.
void analyse(CVARNDoc& doc, CVARNView& view, test::ScriptedUi& ui, const fs::path& root,
             const demo::DemoTumour& tumour, int t, Figures& f) {
    const std::string a = t == kXba ? "X" : "H";
    ASSERT_TRUE(doc.OnOpenDocument(root / (t == kXba ? "XbaPool.ref" : "HindPool.ref")));
    ASSERT_TRUE(doc.alleleModelProblem[t].empty()) << doc.alleleModelProblem[t];
    // As File New reads a new sample: slot 1 keeps its allele sums.
    ASSERT_EQ(doc.ReadSignalFile(t, root / ("tumorsample" + a) / (tumour.name + a + ".txt"), 0, 1), 0);
    doc.sampleAllelesHeld[t] = true;
    ASSERT_EQ(doc.ReadSnpCallFile(t, root / ("SNPtumorsample" + a) / (tumour.name + a + ".txt"), 0), 0);
    doc.regionStart[t] = kChromosomeStart[t][1];
    doc.regionEnd[t] = kChromosomeStart[t][1] + (kChromosomeStart[t][2] - kChromosomeStart[t][1]) / 3;
    doc.baseCopyNumber = demo::tumourStateAt(tumour, 1, 1).copyNumber;
    ASSERT_TRUE(test::sortWithEveryReference(view, ui, t));
    PurityEstimate e;
    std::string reason;
    ASSERT_TRUE(estimatePurity(doc, t, false, e, reason)) << reason;
    f.estimate = e.purity;
    f.purity = hasSubclone(tumour) ? tumour.tumourFraction() : e.purity;
    setHmmMeansForPurity(doc, f.purity, false);
    doc.computePoolRatio(doc.regionStart[t], doc.regionEnd[t], doc.refSelected[t], doc.analysedRow[t], 0, t);
}

void score(const CVARNDoc& doc, const AlleleAnalysis& a, const demo::DemoTumour& tumour,
           const std::vector<signed char>& germline, int first, Figures& f) {
    for (std::size_t i = 0; i < a.baf.snps.size(); ++i) {
        const AlleleSnp& s = a.baf.snps[i];
        if (!std::isfinite(s.baf)) continue;
        const demo::PlantedSegment state = demo::tumourStateAt(tumour, s.chromosome, s.position);
        const bool heterozygous = germline[static_cast<std::size_t>(s.record - first)] == kCallAB;
        // Both alleles are still in the sample: the tumour kept the minor one, or normal cells
        // bring it back. A germline heterozygote in a pure tumour's LOH or homozygous deletion
        // shows one allele or none and is homozygous for every purpose.
        const bool truly = heterozygous && (state.minorCopies() > 0 || tumour.normalFraction > 0.0);
        const bool informative = a.informative.informative[i] != 0;
        if (truly) f.informative.count(informative);
        if (heterozygous) f.germline.count(informative);
        if (informative) f.falseInformative.count(!truly);
    }
    for (std::size_t k = 0; k < a.segments.segments.size(); ++k) {
        const AlleleSegment& seg = a.segments.segments[k];
        const AlleleCopyNumber& c = a.copyNumbers.segments[k];
        for (int i = seg.firstSnp; i <= seg.lastSnp; ++i) {
            const AlleleSnp& s = a.baf.snps[static_cast<std::size_t>(i)];
            const demo::PlantedSegment state = demo::tumourStateAt(tumour, s.chromosome, s.position);
            if (state.subclonal()) continue;
            const bool callLoh = doc.lohScore[s.index] > kLohCallThreshold;
            if (state.loh() && state.end - state.start + 1 >= kLongStretch) {
                f.lohStretches[{state.chromosome, state.start}].count(c.loh);
                f.callStretches[{state.chromosome, state.start}].count(callLoh);
            }
            if (state.copyNumber >= 1 && state.minorCopies() >= 1) {
                f.lohRetained.count(c.loh);
                f.callRetained.count(callLoh);
            }
            if (s.chromosome <= 22) f.copies.count(c.nMajor == state.majorCopies && c.nMinor == state.minorCopies());
        }
    }
}

double worstStretch(const std::map<std::pair<int, int>, Share>& stretches) {
    double worst = 1.0;
    for (const auto& [where, share] : stretches) worst = std::min(worst, share.value());
    return worst;
}

TEST(AlleleRecovery, InformativeSnpsLohAndAlleleCopyNumbersOnEveryDemoTumourAndArray) {
    test::DemoInstallationFixture& demo = test::demoInstallation();
    ASSERT_TRUE(demo.made) << demo.errors;
    const demo::DemoGenome genome = demo::makeDemoGenome(test::kDemoSeed);
    for (const demo::DemoTumour& tumour : demo::demoTumours()) {
        for (int t : {kXba, kHind}) {
            test::ScriptedUi ui;
            CVARNDoc doc(InstallRoot(demo.root), ui);
            CVARNView view(doc);
            Figures f;
            analyse(doc, view, ui, demo.root, tumour, t, f);
            if (HasFatalFailure()) return;
            const AlleleAnalysis a = analyseAlleles(doc, t, false);
            ASSERT_TRUE(a.available) << a.why;
            const demo::ArrayModel model = demo::makeArrayModel(test::kDemoSeed, t);
            score(doc, a, tumour, demo::drawGermline(genome, model, test::kDemoSeed, tumour.name, tumour.male),
                  model.first, f);

            const std::string what = tumour.name + (t == kXba ? " Xba" : " Hind");
            std::printf("[ figures  ] %s (%.0f %% normal cells, p estimated %.2f, used %.2f): informative %.1f %% of "
                        "%d truly heterozygous (%.1f %% of all %d germline), %.2f %% false; LOH stretches >= 5 Mb: "
                        "alleles %.1f %% (worst), calls %.1f %%; retained positions called LOH: alleles %.2f %%, "
                        "calls %.2f %% of %d; nMajor/nMinor right at %.1f %% of %d\n",
                        what.c_str(), 100 * tumour.normalFraction, f.estimate, f.purity,
                        100 * f.informative.value(), f.informative.of, 100 * f.germline.value(), f.germline.of,
                        100 * f.falseInformative.value(), 100 * worstStretch(f.lohStretches),
                        100 * worstStretch(f.callStretches), 100 * f.lohRetained.value(),
                        100 * f.callRetained.value(), f.lohRetained.of, 100 * f.copies.value(), f.copies.of);
            EXPECT_GE(f.informative.value(), 0.95) << what;
            EXPECT_LE(f.falseInformative.value(), 0.02) << what;
            for (const auto& [where, share] : f.lohStretches)
                EXPECT_GE(share.value(), 0.95) << what << " LOH stretch on " << where.first << " at " << where.second;
            EXPECT_LE(f.lohRetained.value(), 0.01) << what;
            if (tumour.normalFraction <= 0.5) {
                EXPECT_GE(f.copies.value(), 0.95) << what;
            }
        }
    }
}

} // namespace
} // namespace varn
