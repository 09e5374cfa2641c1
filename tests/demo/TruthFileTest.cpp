#include "demo/TruthFile.h"

#include "demo/DemoChromosomes.h"
#include "demo/DemoTumours.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace varn::test {
namespace {

// Written and read back, a tumour's truth covers every chromosome from base 1 to its end without
// gap or overlap, and the planted segments are there with their LOH meaning, their parental
// copies, their subclone and the tumour's header fields.
TEST(TruthFile, CoversTheWholeGenomeWithThePlantedSegments) {
    TempDir dir;
    for (const demo::DemoTumour& tumour : demo::demoTumours()) {
        SCOPED_TRACE(tumour.name);
        const auto planted = demo::wholeGenomeSegments(tumour);
        ASSERT_TRUE(demo::writeTruthFile(dir / "truth.txt", tumour));
        std::vector<demo::TruthSegment> truth;
        ASSERT_TRUE(demo::readTruthFile(dir / "truth.txt", truth));
        demo::TruthHeader header;
        ASSERT_TRUE(demo::readTruthHeader(dir / "truth.txt", header));
        EXPECT_NEAR(header.normalFraction, tumour.normalFraction, 0.005);
        EXPECT_NEAR(header.ploidy, demo::tumourPloidy(planted), 0.005);
        EXPECT_EQ(header.genomeDoubled, tumour.genomeDoubled);
        EXPECT_EQ(header.male, tumour.male);
        // The doubled genome is the one of ploidy about 3.5; the others stay near two copies.
        EXPECT_NEAR(header.ploidy, tumour.genomeDoubled ? 3.5 : 2.0, 0.1);
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
            EXPECT_EQ(s->minorCopies, p.minorCopies());
            EXPECT_EQ(s->subcloneFraction, p.subclonal() ? p.subcloneShare : 1.0);
            EXPECT_EQ(s->subcloneCopyNumber, p.subclonal() ? p.subcloneCopyNumber : p.copyNumber);
            EXPECT_NEAR(s->tumourCopyNumber(), p.tumourCopyNumber(), 1e-9);
        }
    }
    // Tumor1 has copy-neutral LOH on 13q: diploid, LOH, and its edges are exact.
    std::vector<demo::TruthSegment> truth;
    ASSERT_TRUE(demo::writeTruthFile(dir / "t1.txt", demo::demoTumours().front()));
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
    // A file of the five first columns: clonal, minor copies not recorded, no ploidy.
    EXPECT_EQ(truth[0].minorCopies, -1);
    EXPECT_EQ(truth[0].subcloneCopyNumber, 3);
    EXPECT_EQ(truth[0].subcloneFraction, 1.0);
    demo::TruthHeader header;
    ASSERT_TRUE(demo::readTruthHeader(dir / "one.txt", header));
    EXPECT_EQ(header.ploidy, 0.0);
    EXPECT_FALSE(header.genomeDoubled);
}

// A reader of the files written before (five numbers per line, the normal cells in the header)
// reads the files written now the same: the old columns come first and in their order.
TEST(TruthFile, ReadersOfTheFiveColumnFilesReadTheNewOnes) {
    TempDir dir;
    demo::DemoTumour tumour = demo::demoTumours()[2];
    tumour.segments[0].subcloneShare = 0.5; // 1q: a further copy in half the tumour cells
    tumour.segments[0].subcloneCopyNumber = 4;
    tumour.segments[0].subcloneMajorCopies = 3;
    ASSERT_TRUE(demo::writeTruthFile(dir / "t.txt", tumour));
    std::vector<demo::TruthSegment> truth;
    ASSERT_TRUE(demo::readTruthFile(dir / "t.txt", truth));
    std::FILE* file = std::fopen((dir / "t.txt").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char line[256];
    std::size_t i = 0;
    ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
    EXPECT_EQ(std::string(line).rfind("chromosome\tstart\tend\tcopy_number\tloh\t", 0), 0u);
    while (std::fgets(line, sizeof line, file) != nullptr) {
        demo::TruthSegment old;
        ASSERT_EQ(std::sscanf(line, "%d %d %d %d %d", &old.chromosome, &old.start, &old.end, &old.copyNumber, &old.loh),
                  5);
        ASSERT_LT(i, truth.size());
        EXPECT_EQ(old.start, truth[i].start);
        EXPECT_EQ(old.copyNumber, truth[i].copyNumber);
        EXPECT_EQ(old.loh, truth[i].loh);
        ++i;
    }
    std::fclose(file);
    EXPECT_EQ(i, truth.size());
    double normalCells = 0;
    ASSERT_TRUE(demo::readTruthNormalFraction(dir / "t.txt", normalCells));
    EXPECT_EQ(normalCells, 0.3);
    // The subclonal line: the clonal state first, then the subclone's.
    const demo::TruthSegment* q = demo::truthAt(truth, 1, 200000000);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->copyNumber, 3);
    EXPECT_EQ(q->minorCopies, 1);
    EXPECT_EQ(q->subcloneCopyNumber, 4);
    EXPECT_EQ(q->subcloneMinorCopies, 1);
    EXPECT_EQ(q->subcloneFraction, 0.5);
    EXPECT_EQ(q->tumourCopyNumber(), 3.5);
}

} // namespace
} // namespace varn::test
