// Whole non-self analyses of the demo tumours: the pool, the tumour's signal and calls read from
// the demo installation, a planted diploid stretch as the region, every reference ticked, then
// Sort. Each analysis runs once for all its figures: the decoded copy numbers and the LOH score
// held against the planted truth, then the tumour cell fraction estimated from it against the
// planted fraction, and what decoding with the estimated means recovers.
#include "commands/CAverage.h"
#include "commands/CRefSelect.h"
#include "demo/DemoFixture.h"
#include "demo/TruthFile.h"
#include "document/CVARNDoc.h"
#include "engine/EngineFixtures.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/PurityEstimate.h"
#include "export/Segments.h"
#include "support/ScriptedUi.h"
#include "view/CVARNView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace varn {
namespace {

namespace fs = std::filesystem;

constexpr float kLohThreshold = 30.0f;
constexpr int kLongStretch = 5000000;
// A run of homozygous calls goes on past the end of an LOH stretch up to the first AB call of the
// heterozygous neighbour, a few SNPs at a heterozygosity of about 0.3: positions that close to a
// stretch's ends may carry the neighbour's score.
constexpr int kEdgeSnps = 50;

struct Recovery {
    int positions = 0;      // usable autosomal positions
    int stateRight = 0;     // of which the decoded state is the planted copy number
    int longLoh = 0;        // planted LOH stretches of 5 Mb or more
    int longLohFound = 0;   // of which some position scores above the threshold
    int hetPositions = 0;   // positions inside copy-neutral heterozygous stretches
    int hetAbove = 0;       // of which score above the threshold
    int hetAboveInside = 0; // of those, how many lie more than kEdgeSnps from the stretch's ends
};

// The segments against the planted changes (autosomes: X is not decoded): a planted change (copy
// number other than 2, or LOH) is found when one segment of its copy number covers at least half
// of it; a called change (likewise) is spurious when it overlaps no planted change at all. On the
// demo those are a few SNPs beside a planted change: an LOH run that goes on to the first AB call
// of the neighbour, or a state change placed a few SNPs off.
struct SegmentRecovery {
    int planted = 0;
    int found = 0;
    int called = 0;
    int spurious = 0;
    int longSpurious = 0; // spurious ones of kEdgeSnps SNPs or more
};

bool isChange(int copyNumber, bool loh) {
    return copyNumber != 2 || loh;
}

long long overlap(int start1, int end1, int start2, int end2) {
    return std::max(0LL, static_cast<long long>(std::min(end1, end2)) - std::max(start1, start2) + 1);
}

SegmentRecovery segmentRecovery(const std::vector<CopyNumberSegment>& segments,
                                const std::vector<demo::TruthSegment>& truth) {
    SegmentRecovery r;
    for (const demo::TruthSegment& p : truth) {
        if (p.chromosome > 22 || !isChange(p.copyNumber, p.loh == 1)) continue;
        ++r.planted;
        for (const CopyNumberSegment& s : segments)
            if (s.chromosome == p.chromosome && s.copyNumber == p.copyNumber &&
                2 * overlap(s.start, s.end, p.start, p.end) >= static_cast<long long>(p.end) - p.start + 1) {
                ++r.found;
                break;
            }
    }
    for (const CopyNumberSegment& s : segments) {
        if (s.chromosome > 22 || !isChange(s.copyNumber, s.loh)) continue;
        ++r.called;
        bool hit = false;
        for (const demo::TruthSegment& p : truth)
            hit = hit || (p.chromosome == s.chromosome && isChange(p.copyNumber, p.loh == 1) &&
                          overlap(s.start, s.end, p.start, p.end) > 0);
        r.spurious += !hit;
        r.longSpurious += !hit && s.markers >= kEdgeSnps;
    }
    return r;
}

struct Analysis {
    test::ScriptedUi ui;
    CVARNDoc doc;
    CVARNView view;
    std::vector<demo::TruthSegment> truth;

    explicit Analysis(const fs::path& root) : doc(InstallRoot(root), ui), view(doc) {}

    int chromosomeOf(int pos) { return doc.snpChromosome[doc.arrangeOrder[pos]]; }
    int baseOf(int pos) { return doc.snpPosition[doc.arrangeOrder[pos]]; }

    // The first diploid heterozygous stretch of chromosome 1 (the short arm in both tumours).
    bool chooseRegion(int t) {
        const demo::TruthSegment* baseline = nullptr;
        for (const demo::TruthSegment& s : truth)
            if (s.chromosome == 1 && s.copyNumber == 2 && s.loh == 0) {
                baseline = &s;
                break;
            }
        if (baseline == nullptr) return false;
        doc.regionStart[t] = -1;
        for (int pos = doc.snpFirst[t]; pos <= doc.autosomeLast[t]; ++pos) {
            if (chromosomeOf(pos) != 1 || baseOf(pos) < baseline->start || baseOf(pos) > baseline->end)
                continue;
            if (doc.regionStart[t] < 0) doc.regionStart[t] = pos;
            doc.regionEnd[t] = pos;
        }
        return doc.regionStart[t] >= 0;
    }

    int t = kXba;

    void run(const fs::path& root, const std::string& tumour, int array) {
        t = array;
        const std::string a = t == kXba ? "X" : "H";
        ASSERT_TRUE(doc.OnOpenDocument(root / (t == kXba ? "XbaPool.ref" : "HindPool.ref")));
        ASSERT_EQ(doc.ReadSignalFile(t, root / ("tumorsample" + a) / (tumour + a + ".txt"), 0, 0), 0);
        ASSERT_EQ(doc.ReadSnpCallFile(t, root / ("SNPtumorsample" + a) / (tumour + a + ".txt"), 0), 0);
        ASSERT_TRUE(demo::readTruthFile(root / "truth" / (tumour + ".txt"), truth));
        ASSERT_TRUE(chooseRegion(t));
        ASSERT_TRUE(test::sortWithEveryReference(view, ui, t));
        EXPECT_EQ(doc.refUsedCount[t], doc.refCount[t] - 1);
    }

    Recovery recovery() {
        Recovery r;
        for (int pos = doc.snpFirst[t]; pos <= doc.autosomeLast[t]; ++pos) {
            if (doc.positionUsable[pos] != 1) continue;
            const demo::TruthSegment* s = demo::truthAt(truth, chromosomeOf(pos), baseOf(pos));
            if (s == nullptr) continue;
            ++r.positions;
            r.stateRight += doc.hmmState[0][pos] == s->copyNumber;
        }
        for (const demo::TruthSegment& s : truth) {
            if (s.chromosome > 23) continue;
            const bool longLoh = s.loh == 1 && s.end - s.start + 1 >= kLongStretch;
            const bool het = s.loh == 0 && s.copyNumber == 2;
            if (!longLoh && !het) continue;
            float best = 0;
            std::vector<int> inside;
            for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos)
                if (chromosomeOf(pos) == s.chromosome && baseOf(pos) >= s.start && baseOf(pos) <= s.end)
                    inside.push_back(pos);
            const int count = static_cast<int>(inside.size());
            for (int i = 0; i < count; ++i) {
                const float score = doc.lohScore[inside[static_cast<std::size_t>(i)]];
                best = std::max(best, score);
                if (!het) continue;
                ++r.hetPositions;
                if (score <= kLohThreshold) continue;
                ++r.hetAbove;
                r.hetAboveInside += i >= kEdgeSnps && i < count - kEdgeSnps;
            }
            if (longLoh) {
                ++r.longLoh;
                r.longLohFound += best > kLohThreshold;
            }
        }
        return r;
    }

    // The share of usable autosomal positions decoded to the planted copy number, and how many
    // planted changes (copy number other than 2, on an autosome) are found: half or more of
    // their usable positions decoded to the planted copy number.
    void score(double& share, int& found, int& planted) {
        int positions = 0, right = 0;
        found = planted = 0;
        std::vector<int> inside(truth.size()), hit(truth.size());
        for (int pos = doc.snpFirst[t]; pos <= doc.autosomeLast[t]; ++pos) {
            if (doc.positionUsable[pos] != 1) continue;
            const demo::TruthSegment* s = demo::truthAt(truth, chromosomeOf(pos), baseOf(pos));
            if (s == nullptr) continue;
            const auto i = static_cast<std::size_t>(s - truth.data());
            ++positions;
            ++inside[i];
            const bool ok = doc.hmmState[0][pos] == s->copyNumber;
            right += ok;
            hit[i] += ok;
        }
        for (std::size_t i = 0; i < truth.size(); ++i) {
            if (truth[i].chromosome > 22 || truth[i].copyNumber == 2 || inside[i] == 0) continue;
            ++planted;
            found += 2 * hit[i] >= inside[i];
        }
        share = positions > 0 ? static_cast<double>(right) / positions : 0.0;
    }

    void recompute() {
        doc.computePoolRatio(doc.regionStart[t], doc.regionEnd[t], doc.refSelected[t], doc.analysedRow[t], 0,
                             t);
    }
};

// The copy numbers, the LOH score and the segments at the default means, on the two tumours
// without normal cells.
void checkRecovery(Analysis& analysis, const std::string& tumour, int t) {
    const Recovery r = analysis.recovery();
    const double stateShare = r.positions > 0 ? static_cast<double>(r.stateRight) / r.positions : 0.0;
    std::printf(
        "[ figures  ] %s %s: HMM state = planted copy number at %.1f%% of %d usable autosomal "
        "positions; LOH stretches >= 5 Mb above %.0f: %d of %d; heterozygous diploid positions "
        "above %.0f: %d of %d (%d away from the stretch ends)\n",
        tumour.c_str(), t == kXba ? "Xba" : "Hind", 100.0 * stateShare, r.positions,
        static_cast<double>(kLohThreshold), r.longLohFound, r.longLoh,
        static_cast<double>(kLohThreshold), r.hetAbove, r.hetPositions, r.hetAboveInside);
    EXPECT_GE(stateShare, 0.95) << tumour << " array " << t;
    EXPECT_GT(r.longLoh, 0);
    EXPECT_EQ(r.longLohFound, r.longLoh) << tumour << " array " << t;
    EXPECT_EQ(r.hetAboveInside, 0) << tumour << " array " << t;
    EXPECT_LT(r.hetAbove, r.hetPositions / 1000) << tumour << " array " << t;

    const SegmentRecovery seg = segmentRecovery(buildSegments(analysis.doc, t), analysis.truth);
    std::printf("[ figures  ] %s %s segments: %d of %d planted changes found with their copy number; "
                "%d of %d called changes overlap no planted change\n",
                tumour.c_str(), t == kXba ? "Xba" : "Hind", seg.found, seg.planted, seg.spurious,
                seg.called);
    EXPECT_EQ(seg.found, seg.planted) << tumour << " array " << t;
    EXPECT_EQ(seg.longSpurious, 0) << tumour << " array " << t;
}

// The tumour cell fraction estimated from the same analysis, and the decoding with its means.
void checkPurityEstimate(Analysis& analysis, const std::string& tumour, int t, double planted) {
    double shareDefault = 0, shareEstimated = 0;
    int foundDefault = 0, foundEstimated = 0, changes = 0;
    analysis.score(shareDefault, foundDefault, changes);

    PurityEstimate e;
    std::string reason;
    ASSERT_TRUE(estimatePurity(analysis.doc, t, false, e, reason)) << reason;
    setHmmMeansForPurity(analysis.doc, e.purity, false);
    analysis.recompute();
    analysis.score(shareEstimated, foundEstimated, changes);
    std::printf(
        "[ figures  ] %s %s: planted %.2f, estimate %.2f (%.2f-%.2f)%s; planted copy number at "
        "%.2f%% (default means) / %.2f%% (estimated); changes found %d / %d of %d\n",
        tumour.c_str(), t == kXba ? "Xba" : "Hind", planted, e.purity, e.low, e.high,
        e.decided ? "" : (" undecided: " + e.why).c_str(), 100 * shareDefault, 100 * shareEstimated,
        foundDefault, foundEstimated, changes);
    EXPECT_TRUE(e.decided) << tumour << " " << t << ": " << e.why;
    EXPECT_NEAR(e.purity, planted, 0.05) << tumour << " " << t;
    EXPECT_LE(e.low, e.purity);
    EXPECT_GE(e.high, e.purity);
    EXPECT_TRUE(e.low <= planted + 1e-9 && planted <= e.high + 1e-9) << tumour << " " << t;
    EXPECT_LE(e.high - e.low, 0.10 + 1e-9) << tumour << " " << t;
    if (planted == 0.5) {
        EXPECT_GE(shareEstimated, 0.98) << tumour << " " << t;
    }
    if (planted == 1.0) {
        EXPECT_GE(shareEstimated, shareDefault - 0.002) << tumour << " " << t;
    }
}

TEST(DemoRecovery, NonSelfAnalysisRecoversPlantedCopyNumbersLohAndTumourFraction) {
    test::DemoInstallationFixture& demo = test::demoInstallation();
    ASSERT_TRUE(demo.made) << demo.errors;
    for (const std::string tumour : {"Tumor1", "Tumor2", "Tumor3", "Tumor4", "Tumor5"}) {
        double normalCells = -1;
        ASSERT_TRUE(demo::readTruthNormalFraction(demo.root / "truth" / (tumour + ".txt"), normalCells));
        for (int t : {kXba, kHind}) {
            Analysis analysis(demo.root);
            analysis.run(demo.root, tumour, t);
            if (HasFatalFailure()) return;
            if (tumour == "Tumor1" || tumour == "Tumor2") checkRecovery(analysis, tumour, t);
            checkPurityEstimate(analysis, tumour, t, 1.0 - normalCells);
            if (HasFatalFailure()) return;
        }
    }
}

} // namespace
} // namespace varn
