// The baseline region's copy number: a region cannot be known to hold no copy (a homozygous
// deletion is no level to read the others against), so 0 and numbers beyond the states read as
// two copies wherever the number is used.
#include "engine/signal/BaselineRegionLevel.h"
#include "document/CVARNDoc.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

TEST(BaselineCopyNumber, ZeroAndNumbersBeyondTheStatesReadAsTwoCopies) {
    test::TestDocument t;
    const struct { int stored, read; } cases[] = {{-1, 2}, {0, 2}, {1, 1}, {2, 2}, {4, 4}, {6, 6}, {7, 2}};
    for (const auto& c : cases) {
        t.doc->baseCopyNumber = c.stored;
        EXPECT_EQ(baselineCopyNumberOf(*t.doc), c.read) << c.stored;
    }
}

// The paired allele analysis reads its levels against the region's copy number: a stored
// analysis whose region says 0 copies gets the levels of two.
TEST(BaselineCopyNumber, PairedLevelsOfARegionAtZeroCopiesAreThoseOfTwo) {
    test::TestDocument t;
    test::fillSyntheticProfile(*t.doc);
    t.doc->baseCopyNumber = 2;
    const AlleleFitInput two = alleleFitInput(*t.doc, kXba, true, 0.02);
    t.doc->baseCopyNumber = 0;
    const AlleleFitInput zero = alleleFitInput(*t.doc, kXba, true, 0.02);
    for (int k = 0; k < kStates; ++k) EXPECT_EQ(zero.levels[k], two.levels[k]) << k;
}

} // namespace
} // namespace varn
