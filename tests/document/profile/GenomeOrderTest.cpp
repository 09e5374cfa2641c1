#include "document/profile/GenomeOrder.h"

#include "document/profile/Profile.h"
#include "document/profile/ProfileReading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace varn::test {
namespace {

// Enough rows for the sort to run on two cores and merge, many positions given twice: the order
// must be a stable sort's by place, each place's first row in the file kept.
TEST(GenomeOrder, SortsLikeAStableSortAndKeepsEachPlacesFirstRow) {
    constexpr std::size_t kRows = 300'000;
    std::mt19937 random(5);
    Profile p;
    for (std::size_t i = 0; i < kRows; ++i) {
        p.chromosome.push_back(static_cast<std::uint8_t>(1 + random() % 23));
        p.position.push_back(static_cast<std::int32_t>(1 + random() % 20'000));
        p.logRatio.push_back(static_cast<float>(i));
        p.name.push_back("rs" + std::to_string(i));
        p.array.push_back(0);
    }
    std::vector<std::size_t> order(kRows);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(p.chromosome[a], p.position[a]) < std::pair(p.chromosome[b], p.position[b]);
    });
    std::vector<std::size_t> kept;
    for (std::size_t k = 0; k < kRows; ++k)
        if (k == 0 || p.chromosome[order[k]] != p.chromosome[order[k - 1]] ||
            p.position[order[k]] != p.position[order[k - 1]])
            kept.push_back(order[k]);

    ReadSummary summary;
    std::vector<std::string> warnings;
    putInGenomeOrder(p, GenomeBuild::Hg19, summary, warnings);
    ASSERT_EQ(p.size(), kept.size());
    EXPECT_EQ(summary.duplicatePositions, kRows - kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k) {
        ASSERT_EQ(p.logRatio[k], static_cast<float>(kept[k])) << k;
        ASSERT_EQ(p.name[k], "rs" + std::to_string(kept[k])) << k;
    }
}

} // namespace
} // namespace varn::test
