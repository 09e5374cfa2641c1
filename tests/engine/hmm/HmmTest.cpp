#include "engine/hmm/Hmm.h"

#include "document/CVARNDoc.h"
#include "engine/EngineFixtures.h"
#include "support/TestDocument.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varn {
namespace {

using test::TestDocument;

// Hind chromosome 22: display positions 55374 .. 55807.
constexpr int kChr22 = 55374, kChr22End = 55808;

void fillChromosome(CVARNDoc& doc, float value) {
    for (int pos = kChr22; pos < kChr22End; ++pos) doc.logRatio[0][pos] = value;
}

void presetStates(CVARNDoc& doc, int value) {
    for (int pos = 0; pos < kSlots; ++pos) doc.hmmState[0][pos] = value;
}

TEST(Hmm, TransitionProbabilityFollowsDistance) {
    EXPECT_EQ(CVARNDoc::transitionProbability(0, true), 0.0);
    EXPECT_EQ(CVARNDoc::transitionProbability(0, false), 1.0);
    EXPECT_NEAR(CVARNDoc::transitionProbability(1e9, true), 0.5, 1e-12);
    EXPECT_NEAR(CVARNDoc::transitionProbability(1e9, false), 0.5, 1e-12);
    EXPECT_NEAR(CVARNDoc::transitionProbability(30000, true), 0.5 * std::tanh(6e-4), 1e-15);
}

TEST(Hmm, EmissionCostIsTheLiteralDensityAndStaysFiniteAndOrderedFarOut) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    for (int k = 0; k < kStates; ++k) {
        for (double x : {-2.0, -0.5, 0.0, 0.3, 1.0}) {
            EXPECT_EQ(doc.emissionCost(x, k, 0.2), -std::log(doc.emissionDensity(x, k, 0.2))) << k << " " << x;
        }
    }
    // Far from the means e^(3z) and (3e^(2z) + 9)^6 leave the double range; the cost continues
    // in log space, where its slope settles at 9s per unit of x.
    const int k = 6;
    const double s = 1.7 * std::sqrt(0.2959 / (0.2 * doc.hmmSdFactor[k]));
    EXPECT_EQ(doc.emissionDensity(60.0, k, 0.2), 0.0);
    EXPECT_TRUE(std::isnan(doc.emissionDensity(400.0, k, 0.2)));
    for (double x = 10; x < 400; x += 1) {
        const double step = doc.emissionCost(x + 1, k, 0.2) - doc.emissionCost(x, k, 0.2);
        ASSERT_NEAR(step / (9 * s), 1.0, 1e-6) << x;
    }
    // The widest state (0) is the most likely one far out on either side.
    for (double x : {-400.0, 400.0}) {
        for (int j = 1; j < kStates; ++j) EXPECT_LT(doc.emissionCost(x, 0, 0.2), doc.emissionCost(x, j, 0.2));
    }
}

TEST(Hmm, DecodesNoiseFreePlantedStatesOfAllAutosomesButNotX) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    presetStates(doc, 9);
    const int planted[3] = {1, 3, 5};
    for (int ch = 1; ch <= 23; ++ch) {
        const int begin = kChromosomeStart[kHind][ch], end = kChromosomeStart[kHind][ch + 1];
        for (int pos = begin; pos < end; ++pos) {
            const int third = 3 * (pos - begin) / (end - begin);
            doc.logRatio[0][pos] = doc.hmmMean[planted[third]];
        }
    }
    doc.rowSd[kHind][0] = 0.25f;
    doc.runHmm(kHind, 0);
    for (int ch = 1; ch <= 23; ++ch) {
        const int begin = kChromosomeStart[kHind][ch], end = kChromosomeStart[kHind][ch + 1];
        for (int pos = begin; pos < end; ++pos) {
            int expected = ch == 23 || doc.positionUsable[pos] == 0 ? 9 : planted[3 * (pos - begin) / (end - begin)];
            ASSERT_EQ(doc.hmmState[0][pos], expected) << "chromosome " << ch << " position " << pos;
        }
    }
    // Xba untouched.
    EXPECT_EQ(doc.hmmState[0][kChromosomeStart[kXba][1] + 5], 9);
}

TEST(Hmm, SameBasePositionForbidsAChangeOfState) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int middle = (kChr22 + kChr22End) / 2;
    for (int pos = kChr22; pos < kChr22End; ++pos) doc.logRatio[0][pos] = pos < middle ? 0.0f : doc.hmmMean[4];
    doc.viterbiChromosome(22, kHind, 0, doc.logRatio[0], 0.1);
    EXPECT_EQ(doc.hmmState[0][middle - 20], 2);
    EXPECT_EQ(doc.hmmState[0][middle + 20], 4);

    for (int pos = kChr22; pos < kChr22End; ++pos) doc.snpPosition[doc.arrangeOrder[pos]] = 1000;
    doc.viterbiChromosome(22, kHind, 0, doc.logRatio[0], 0.1);
    int first = -1;
    for (int pos = kChr22; pos < kChr22End; ++pos) {
        if (doc.positionUsable[pos] == 0) continue;
        if (first < 0) first = doc.hmmState[0][pos];
        EXPECT_EQ(doc.hmmState[0][pos], first) << pos;
    }
}

TEST(Hmm, TiesGoToTheLowerState) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    for (int k = 0; k < kStates; ++k) {
        doc.hmmMean[k] = 0.0f;
        doc.hmmSdFactor[k] = 1.0f;
    }
    fillChromosome(doc, 0.3f);
    presetStates(doc, 9);
    doc.viterbiChromosome(22, kHind, 0, doc.logRatio[0], 0.2);
    for (int pos = kChr22; pos < kChr22End; ++pos) {
        if (doc.positionUsable[pos] == 1) {
            ASSERT_EQ(doc.hmmState[0][pos], 0) << pos;
        }
    }

    // Far apart SNPs: every transition has probability 1/2, so all predecessors tie as well.
    int placed = 0;
    for (int pos = kChr22; pos < kChr22End; ++pos) {
        doc.positionUsable[pos] = 0;
        if (pos % 100 == 0 && placed < 3) {
            doc.positionUsable[pos] = 1;
            doc.snpPosition[doc.arrangeOrder[pos]] = 1 + 1000000000 * placed++;
        }
    }
    presetStates(doc, 9);
    doc.viterbiChromosome(22, kHind, 0, doc.logRatio[0], 0.2);
    for (int pos = kChr22; pos < kChr22End; ++pos)
        EXPECT_EQ(doc.hmmState[0][pos], doc.positionUsable[pos] == 1 ? 0 : 9) << pos;
}

TEST(Hmm, SingleUsablePositionTakesTheStateOfLowestCostAndEmptyChromosomeWritesNothing) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    for (int pos = kChr22; pos < kChr22End; ++pos) doc.positionUsable[pos] = 0;
    presetStates(doc, 9);
    doc.viterbiChromosome(22, kHind, 0, doc.logRatio[0], 0.2);
    for (int pos = kChr22; pos < kChr22End; ++pos) ASSERT_EQ(doc.hmmState[0][pos], 9);

    const int only = kChr22 + 50;
    doc.positionUsable[only] = 1;
    for (float value : {-1.5f, -0.4f, 0.05f, 0.4f, 0.7f, 2.0f, 35.0f, -300.0f}) {
        doc.logRatio[0][only] = value;
        doc.viterbiChromosome(22, kHind, 0, doc.logRatio[0], 0.2);
        int best = 0;
        for (int k = 1; k < kStates; ++k)
            if (doc.emissionCost(value, k, 0.2) < doc.emissionCost(value, best, 0.2)) best = k;
        EXPECT_EQ(doc.hmmState[0][only], best) << value;
    }
}

TEST(Hmm, ZeroSignalsAndMissingSpreadDoNotPoisonTheDecoding) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    fillChromosome(doc, doc.hmmMean[3]);
    int poisoned = kChr22 + 10;
    while (doc.positionUsable[poisoned] != 1) ++poisoned;
    doc.logRatio[0][poisoned] = NAN;
    doc.logRatio[0][poisoned + 1] = -INFINITY;
    presetStates(doc, 9);
    doc.rowSd[kHind][0] = 0.2f;
    doc.runHmm(kHind, 0);
    EXPECT_EQ(doc.hmmState[0][poisoned], 9);
    for (int pos = kChr22; pos < kChr22End; ++pos) {
        if (doc.positionUsable[pos] == 1 && std::isfinite(doc.logRatio[0][pos])) {
            ASSERT_EQ(doc.hmmState[0][pos], 3);
        }
    }

    // A profile without spread (SD 0) defines no emission: nothing is decoded.
    presetStates(doc, 9);
    doc.rowSd[kHind][0] = 0.0f;
    doc.runHmm(kHind, 0);
    EXPECT_EQ(doc.hmmState[0][kChr22 + 60], 9);
}

TEST(Hmm, StretchLongerThanThePositionListIsDecodedWithoutWritingPastIt) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int begin = kChromosomeStart[kHind][1], end = kChromosomeStart[kHind][5];
    ASSERT_GT(test::usableCount(doc, begin, end - 1), kChrPosListSize);
    for (int pos = begin; pos < end; ++pos) {
        doc.logRatio[0][pos] = doc.hmmMean[3] + 0.05f * test::gaussianNoise(1, pos);
        doc.snpPosition[pos] = pos * 1000;
    }
    presetStates(doc, 9);
    decodeUsableRange(doc, begin, end, 0, doc.logRatio[0], 0.2);
    for (int pos = begin; pos < end; ++pos) ASSERT_EQ(doc.hmmState[0][pos], doc.positionUsable[pos] ? 3 : 9) << pos;
}

TEST(Hmm, PloidyIsTheMeanStateOfUsableAutosomalPositions) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    long long sum = 0, count = 0;
    for (int pos = doc.snpFirst[kXba]; pos <= doc.snpLast[kXba]; ++pos) {
        doc.hmmState[0][pos] = pos <= doc.autosomeLast[kXba] ? 2 + pos % 2 : 6;
        if (pos <= doc.autosomeLast[kXba] && doc.positionUsable[pos]) {
            sum += doc.hmmState[0][pos];
            ++count;
        }
    }
    EXPECT_FLOAT_EQ(doc.computePloidy(kXba, 0), static_cast<float>(static_cast<double>(sum) / count));

    // Merged order: a state below -1000 is reported ("eror") and still counted.
    for (int pos = 0; pos < kSlots; ++pos) doc.hmmState[0][pos] = 2;
    int m = 10;
    while (doc.positionUsable[doc.combineOrder[m]] != 1) ++m;
    const int bad = doc.combineOrder[m];
    doc.hmmState[0][bad] = -2000;
    const float ploidy = doc.computePloidy(kCombined, 0);
    EXPECT_LT(ploidy, 2.0f);
    ASSERT_EQ(td.ui.messages.size(), 1u);
    EXPECT_EQ(td.ui.messages[0], "eror");
}

} // namespace
} // namespace varn
