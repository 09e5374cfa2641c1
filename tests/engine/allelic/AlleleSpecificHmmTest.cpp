// The allele-specific decoder on every demo tumour: each array analysed as Sort does (the chromosome
// 1 stretch of the truth as baseline, every reference ticked) and stored with its allele sums, then
// both arrays merged (File New "Xba + Hind" of the two stored analyses); each decoded at the
// planted tumour fraction with the baseline region at its planted copy number and held against the
// truth: the share of usable autosomal positions at the planted (total, minor) state, the planted
// changes of 1 Mb or more found as a segment of their state, the number of segments, and the sex
// read from X, the tumour's and the pool references'.
#include "commands/CAverage.h"
#include "demo/DemoFixture.h"
#include "demo/DemoTumours.h"
#include "demo/TruthFile.h"
#include "document/CVARNDoc.h"
#include "document/SetupDialogs.h"
#include "engine/EngineFixtures.h"
#include "engine/allelic/SampleSex.h"
#include "engine/analysis/AlleleSpecificDecoding.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "export/Segments.h"
#include "support/ScriptedUi.h"
#include "view/CVARNView.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace varn {
namespace {

namespace fs = std::filesystem;

struct Score {
    int positions = 0;
    int right = 0;
    int segments = 0;
    int hmmSegments = 0; // the seven-state HMM's, for the record
    int planted = 0;     // planted changes of 1 Mb or more
    int found = 0;
    bool sexRead = false;
    bool male = false;
    double share() const { return positions > 0 ? static_cast<double>(right) / positions : 0.0; }
};

long long overlap(int start1, int end1, int start2, int end2) {
    return std::max(0LL, static_cast<long long>(std::min(end1, end2)) - std::max(start1, start2) + 1);
}

struct Decoded {
    test::ScriptedUi ui;
    CVARNDoc doc;
    CVARNView view;
    explicit Decoded(const fs::path& root) : doc(InstallRoot(root), ui), view(doc) {}
};

Score decodeAndScore(Decoded& d, int t, const demo::DemoTumour& tumour, const std::vector<demo::TruthSegment>& truth) {
    CVARNDoc& doc = d.doc;
    Score s;
    s.hmmSegments = static_cast<int>(buildSegments(doc, t).size());
    setHmmMeansForPurity(doc, tumour.tumourFraction(), false);
    doc.baseCopyNumber = truth.front().copyNumber; // the short arm of 1, the baseline region
    const AlleleDecoding decoding = decodeAlleleSpecific(doc, t, false);
    EXPECT_TRUE(decoding.decoded) << decoding.why;
    s.sexRead = decoding.sex.read;
    s.male = decoding.sex.male;
    for (int a = t == kCombined ? kXba : t; a <= (t == kCombined ? kHind : t); ++a)
        for (int pos = doc.snpFirst[a]; pos <= doc.autosomeLast[a]; ++pos) {
            if (doc.positionUsable[pos] != 1 || !std::isfinite(doc.logRatio[0][pos])) continue;
            const int snp = doc.arrangeOrder[pos];
            const demo::TruthSegment* p = demo::truthAt(truth, doc.snpChromosome[snp], doc.snpPosition[snp]);
            if (p == nullptr) continue;
            ++s.positions;
            s.right += doc.hmmState[0][pos] == p->copyNumber &&
                       doc.hmmMinorCopies[static_cast<std::size_t>(pos)] == p->minorCopies;
        }
    const std::vector<CopyNumberSegment> segments = buildSegments(doc, t);
    s.segments = static_cast<int>(segments.size());
    const demo::TruthSegment& base = truth.front();
    for (const demo::TruthSegment& p : truth) {
        if (p.chromosome > 22 || p.end - p.start + 1 < 1000000) continue;
        if (p.copyNumber == base.copyNumber && p.minorCopies == base.minorCopies) continue;
        ++s.planted;
        for (const CopyNumberSegment& c : segments)
            if (c.chromosome == p.chromosome && c.copyNumber == p.copyNumber && c.minorCopies == p.minorCopies &&
                2 * overlap(c.start, c.end, p.start, p.end) >= static_cast<long long>(p.end) - p.start + 1) {
                ++s.found;
                break;
            }
    }
    return s;
}

bool loadPools(Decoded& d, const fs::path& root, int first, int last) {
    for (int t = first; t <= last; ++t)
        if (!d.doc.OnOpenDocument(root / (t == kXba ? "XbaPool.ref" : "HindPool.ref"))) return false;
    return true;
}

// The sample read as File New reads it (its allele sums kept), the stretch of chromosome 1 as
// the region, Sort, and Store with the allele sums beside the stored analysis.
bool analyse(Decoded& d, const fs::path& root, const std::string& tumour, int t, const demo::TruthSegment& region) {
    CVARNDoc& doc = d.doc;
    const std::string a = t == kXba ? "X" : "H";
    if (doc.ReadSignalFile(t, root / ("tumorsample" + a) / (tumour + a + ".txt"), 0, 1) != 0) return false;
    doc.sampleAllelesHeld[t] = true;
    std::snprintf(doc.poolSampleName[t][0], kNameSize, "%s", (tumour + a).c_str());
    if (doc.ReadSnpCallFile(t, root / ("SNPtumorsample" + a) / (tumour + a + ".txt"), 0) != 0) return false;
    doc.regionStart[t] = -1;
    for (int pos = doc.snpFirst[t]; pos <= doc.autosomeLast[t]; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        if (doc.snpChromosome[snp] != region.chromosome || doc.snpPosition[snp] < region.start ||
            doc.snpPosition[snp] > region.end)
            continue;
        if (doc.regionStart[t] < 0) doc.regionStart[t] = pos;
        doc.regionEnd[t] = pos;
    }
    if (doc.regionStart[t] < 0 || !test::sortWithEveryReference(d.view, d.ui, t)) return false;
    doc.alleleAnalysisAsked = true;
    return doc.StoreNonSelfTempFile(t) == 0;
}

fs::path tempOf(const fs::path& root, const std::string& tumour, int t) {
    return root / "temporary files" / (tumour + (t == kXba ? "X" : "H") + ".temp");
}

TEST(AlleleSpecificHmm, DecodesEveryDemoTumourPerArrayAndMergedToItsPlantedStates) {
    test::DemoInstallationFixture& demo = test::demoInstallation();
    ASSERT_TRUE(demo.made) << demo.errors;
    std::printf("tumour   Xba     Hind    merged  | segments Xba Hind merged (7-state merged) | sex\n");
    const std::vector<demo::DemoTumour> tumours = demo::demoTumours();
    for (const demo::DemoTumour& tumour : tumours) {
        SCOPED_TRACE(tumour.name);
        std::vector<demo::TruthSegment> truth;
        ASSERT_TRUE(demo::readTruthFile(demo.root / "truth" / (tumour.name + ".txt"), truth));
        Score score[3];
        for (int t : {kXba, kHind}) {
            Decoded d(demo.root);
            ASSERT_TRUE(loadPools(d, demo.root, t, t));
            // The references' sexes, read by the pool from their X, set a normal X's level; the
            // demo's references are all women.
            if (&tumour == &tumours.front()) {
                const PoolSexes pool = poolSexes(d.doc, t);
                std::printf("%-8s pool of %d references, %d men\n", t == kXba ? "Xba" : "Hind", pool.references,
                            pool.men());
                EXPECT_TRUE(pool.read && pool.references == test::kDemoReferences && pool.men() == 0) << "array " << t;
            }
            ASSERT_TRUE(analyse(d, demo.root, tumour.name, t, truth.front()));
            score[t] = decodeAndScore(d, t, tumour, truth);
        }
        Decoded d(demo.root);
        ASSERT_TRUE(loadPools(d, demo.root, kXba, kHind));
        d.ui.answer<CBasicMode>([](CBasicMode& b) {
            b.mode = kNonSelfReference;
            b.arrayChoice = kCombined;
            return DialogResult::Ok;
        });
        d.ui.answerFile(tempOf(demo.root, tumour.name, kXba));
        d.ui.answerFile(tempOf(demo.root, tumour.name, kHind));
        d.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
        d.doc.OnFileNew();
        ASSERT_TRUE(d.ui.allAnswersUsed());
        score[kCombined] = decodeAndScore(d, kCombined, tumour, truth);

        std::printf("%-8s %.4f  %.4f  %.4f  | %d %d %d (%d) | %s\n", tumour.name.c_str(), score[kXba].share(),
                    score[kHind].share(), score[kCombined].share(), score[kXba].segments, score[kHind].segments,
                    score[kCombined].segments, score[kCombined].hmmSegments,
                    score[kCombined].male ? "male" : "female");
        const bool hard = tumour.genomeDoubled || std::any_of(tumour.segments.begin(), tumour.segments.end(),
                                                              [](const demo::PlantedSegment& s) { return s.subclonal(); });
        for (int t : {kXba, kHind, kCombined}) {
            EXPECT_GE(score[t].share(), hard ? 0.90 : 0.95) << "array " << t;
            EXPECT_EQ(score[t].found, score[t].planted) << "array " << t;
            EXPECT_TRUE(score[t].sexRead && score[t].male == tumour.male) << "array " << t;
        }
        // Merged no worse than either array alone (within half a percentage point), and no
        // flicker between the arrays' levels, nor along a subclone's stretch, whose level lies
        // between two clonal states.
        EXPECT_GE(score[kCombined].share() + 0.005, std::max(score[kXba].share(), score[kHind].share()));
        EXPECT_LE(score[kCombined].segments, 1.25 * std::max(score[kXba].segments, score[kHind].segments));
        for (int t : {kXba, kHind}) {
            fs::remove(tempOf(demo.root, tumour.name, t));
            fs::remove(fs::path(tempOf(demo.root, tumour.name, t)).replace_extension(".alleles"));
        }
    }
}

} // namespace
} // namespace varn
