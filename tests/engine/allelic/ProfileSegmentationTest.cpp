// The profile's own segmentation: binary cuts of a run of values, and the autosomes of an array
// of the synthetic genome cut where their level steps, never across a chromosome's end.
#include "engine/allelic/ProfileSegmentation.h"

#include "document/ChromosomeTable.h"
#include "engine/EngineFixtures.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varn {
namespace {

// Runs of equal values, each (length, value).
std::vector<double> runs(std::initializer_list<std::pair<int, double>> pieces) {
    std::vector<double> v;
    for (const auto& [length, value] : pieces) v.insert(v.end(), static_cast<std::size_t>(length), value);
    return v;
}

TEST(ProfileSegmentation, BinarySegmentationCutsWhereTheMeansStep) {
    // Noise of SD 1 in the threshold's units: 9 is a cut 3 standard errors clear.
    struct Case {
        std::string name;
        std::vector<double> values;
        std::vector<int> cuts;
    };
    const Case cases[] = {
        {"flat", runs({{40, 0.0}}), {}},
        {"one step", runs({{20, 0.0}, {20, 1.0}}), {20}},
        {"a step and back", runs({{20, 0.0}, {20, 3.0}, {20, 0.0}}), {20, 40}},
        // The first cut must stand clear alone: a low bump in the middle is never split off.
        {"a low step and back", runs({{20, 0.0}, {20, 1.0}, {20, 0.0}}), {}},
        {"two steps up", runs({{30, 0.0}, {30, 1.0}, {30, 3.0}}), {30, 60}},
        {"a step too small for the threshold", runs({{20, 0.0}, {20, 0.5}}), {}},
        {"a step too close to the end", runs({{5, 1.0}, {35, 0.0}}), {}},
        {"too few values for two sides", runs({{19, 0.0}}), {}},
        {"no values", {}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(binarySegmentation(c.values, 9.0, 10), c.cuts) << c.name;
}

TEST(ProfileSegmentation, SegmentsEachAutosomeOnItsOwn) {
    test::TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int t = kXba;
    // Noise of SD 0.1; chromosome 1 steps to 0.5 halfway, chromosome 2 lies at 0.5 all along (one
    // level with the end of 1, but never joined to it), X far off (not segmented).
    const int half = (kChromosomeStart[t][1] + kChromosomeStart[t][2]) / 2;
    float* values = doc.logRatio[0];
    for (int pos = kChromosomeStart[t][1]; pos < kChromosomeStart[t][kChromosomeX + 1]; ++pos) {
        const bool high =
            (pos >= half && pos < kChromosomeStart[t][3]) || pos >= kChromosomeStart[t][kChromosomeX];
        values[pos] = (high ? 0.5f : 0.0f) + (pos >= kChromosomeStart[t][kChromosomeX] ? 1.0f : 0.0f) +
                      0.1f * test::gaussianNoise(3, pos);
    }
    const double noise = profileNoise(doc, t, values);
    EXPECT_NEAR(noise, 0.1, 0.01);
    const std::vector<ProfileSegment> segments = segmentProfile(doc, t, values, noise);
    ASSERT_EQ(segments.size(), 23u);
    int firstHigh = half;
    while (doc.positionUsable[firstHigh] != 1) ++firstHigh;
    EXPECT_EQ(segments[0].chromosome, 1);
    EXPECT_EQ(segments[1].chromosome, 1);
    EXPECT_EQ(segments[1].firstPos, firstHigh);
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const ProfileSegment& s = segments[k];
        EXPECT_EQ(s.chromosome, k < 2 ? 1 : static_cast<int>(k));
        EXPECT_EQ(s.count, test::usableCount(doc, s.firstPos, s.lastPos));
        EXPECT_NEAR(s.level, k == 1 || k == 2 ? 0.5 : 0.0, 0.03) << "segment " << k;
    }
    // Its bases and markers for the allele stages.
    const CopyNumberSegment c = asCopyNumberSegment(doc, segments[1]);
    EXPECT_EQ(c.chromosome, 1);
    EXPECT_EQ(c.start, doc.snpPosition[doc.arrangeOrder[firstHigh]]);
    EXPECT_EQ(c.end, doc.snpPosition[doc.arrangeOrder[segments[1].lastPos]]);
    EXPECT_EQ(c.markers, segments[1].count);
    EXPECT_DOUBLE_EQ(c.meanLn, segments[1].level);
    EXPECT_EQ(c.copyNumber, -1);
    // Without a noise to measure against, nothing is cut out.
    EXPECT_TRUE(segmentProfile(doc, t, values, 0.0).empty());
}

} // namespace
} // namespace varn
