// The allele readings are kept between calls: whatever the document changes that a reading reads,
// the next reading is that of the changed document, never the kept one.
#include "engine/analysis/AlleleReadings.h"

#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace varn {
namespace {

bool sameReadings(const AlleleReadings& a, const AlleleReadings& b) {
    if (a.why != b.why || a.baf.snps.size() != b.baf.snps.size() || a.informative.informative != b.informative.informative)
        return false;
    for (std::size_t i = 0; i < a.baf.snps.size(); ++i) {
        const AlleleSnp &x = a.baf.snps[i], &y = b.baf.snps[i];
        if (x.index != y.index || x.pos != y.pos || x.record != y.record || x.position != y.position ||
            std::memcmp(&x.baf, &y.baf, sizeof x.baf) != 0)
            return false;
    }
    return true;
}

TEST(AlleleReadings, KeptReadingFollowsEveryChangeOfWhatItReads) {
    test::TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int t = kXba;
    std::snprintf(doc.poolSampleName[t][0], kNameSize, "Pair1X");
    // Tumour (row 0) and its normal (row 1): the normal's genotypes cycle AA, AB, BB.
    for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; ++k) {
        const int g = k % 3;
        doc.normalSnpCall[k] = g == 0 ? kCallAA : g == 1 ? kCallAB : kCallBB;
        const float a = g == 0 ? 1000.0f : g == 1 ? 550.0f : 100.0f, b = 1100.0f - a;
        doc.alleleASignal[1][k] = a + static_cast<float>(k % 7);
        doc.alleleBSignal[1][k] = b + static_cast<float>(k % 5);
        doc.alleleASignal[0][k] = a + static_cast<float>(k % 11);
        doc.alleleBSignal[0][k] = (g == 1 ? 0.7f : 1.0f) * b + static_cast<float>(k % 13);
    }
    int k = 0; // each change at a usable heterozygous SNP of its own
    const std::function<void()> changes[] = {
        [&] { doc.alleleBSignal[0][k] *= 1.5f; },
        [&] { doc.alleleASignal[1][k] *= 0.5f; },
        [&] { doc.normalSnpCall[k] = kCallAA; },
        [&] { doc.positionUsable[k] = 1 - doc.positionUsable[k]; },
        [&] { doc.snpPosition[doc.arrangeOrder[k]] += 1; },
        [&] { std::swap(doc.arrangeOrder[k], doc.arrangeOrder[k + 1]); },
    };
    for (std::size_t c = 0; c < std::size(changes); ++c) {
        for (k = doc.snpFirst[t] + 301 + 30 * static_cast<int>(c); doc.positionUsable[k] != 1;) k += 3;
        const std::shared_ptr<const AlleleReadings> before = keptAlleleReadings(doc, t, true);
        ASSERT_TRUE(before->why.empty()) << before->why;
        changes[c]();
        const std::shared_ptr<const AlleleReadings> after = keptAlleleReadings(doc, t, true);
        EXPECT_FALSE(sameReadings(*before, *after)) << "change " << c;
        EXPECT_TRUE(sameReadings(*after, readAlleles(doc, t, true))) << "change " << c;
    }
}

} // namespace
} // namespace varn
