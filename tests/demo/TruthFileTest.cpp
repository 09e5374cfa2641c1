#include "demo/TruthFile.h"

#include "demo/DemoChromosomes.h"
#include "demo/DemoTumours.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace varn::test {
namespace {

// Written and read back, a tumour's truth covers every chromosome from base 1 to its end without
// gap or overlap, and the planted segments are there with their LOH meaning.
TEST(TruthFile, CoversTheWholeGenomeWithThePlantedSegments) {
    TempDir dir;
    for (const demo::DemoTumour& tumour : demo::demoTumours()) {
        ASSERT_TRUE(demo::writeTruthFile(dir / "truth.txt", demo::wholeGenomeSegments(tumour)));
        std::vector<demo::TruthSegment> truth;
        ASSERT_TRUE(demo::readTruthFile(dir / "truth.txt", truth));
        int next = 1, chromosome = 1;
        for (const demo::TruthSegment& s : truth) {
            if (s.chromosome != chromosome) {
                ASSERT_EQ(next, demo::kChromosomeLength[chromosome] + 1) << "chromosome " << chromosome;
                ASSERT_EQ(s.chromosome, chromosome + 1);
                chromosome = s.chromosome;
                next = 1;
            }
            ASSERT_EQ(s.start, next);
            ASSERT_GE(s.end, s.start);
            next = s.end + 1;
            if (s.copyNumber == 1) {
                EXPECT_EQ(s.loh, 1);
            }
            if (s.copyNumber == 0) {
                EXPECT_EQ(s.loh, 0);
            }
        }
        EXPECT_EQ(chromosome, demo::kUnplacedChromosome);
        EXPECT_EQ(next, demo::kChromosomeLength[demo::kUnplacedChromosome] + 1);
        for (const demo::PlantedSegment& p : tumour.segments) {
            const demo::TruthSegment* s = demo::truthAt(truth, p.chromosome, (p.start + p.end) / 2);
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(s->start, p.start);
            EXPECT_EQ(s->end, p.end);
            EXPECT_EQ(s->copyNumber, p.copyNumber);
            EXPECT_EQ(s->loh, p.loh() ? 1 : 0);
        }
    }
    // Tumor1 has copy-neutral LOH on 13q: diploid, LOH, and its edges are exact.
    const auto t1 = demo::wholeGenomeSegments(demo::demoTumours().front());
    std::vector<demo::TruthSegment> truth;
    ASSERT_TRUE(demo::writeTruthFile(dir / "t1.txt", t1));
    ASSERT_TRUE(demo::readTruthFile(dir / "t1.txt", truth));
    EXPECT_EQ(demo::truthAt(truth, 13, 40000000)->loh, 0);
    EXPECT_EQ(demo::truthAt(truth, 13, 40000001)->loh, 1);
    EXPECT_EQ(demo::truthAt(truth, 13, 40000001)->copyNumber, 2);
    EXPECT_EQ(demo::truthAt(truth, 25, 1), nullptr);
}

TEST(TruthFile, ReaderRefusesMissingAndEmptyFilesAndSkipsTheHeader) {
    TempDir dir;
    std::vector<demo::TruthSegment> truth;
    EXPECT_FALSE(demo::readTruthFile(dir / "missing.txt", truth));
    writeFileBytes(dir / "header.txt", "chromosome\tstart\tend\tcopy_number\tloh\n");
    EXPECT_FALSE(demo::readTruthFile(dir / "header.txt", truth));
    writeFileBytes(dir / "one.txt", "chromosome\tstart\tend\tcopy_number\tloh\r\n7\t1\t500\t3\t0\r\n");
    ASSERT_TRUE(demo::readTruthFile(dir / "one.txt", truth));
    ASSERT_EQ(truth.size(), 1u);
    EXPECT_EQ(truth[0].chromosome, 7);
    EXPECT_EQ(truth[0].end, 500);
    EXPECT_EQ(truth[0].copyNumber, 3);
}

} // namespace
} // namespace varn::test
