// The SNPs under each pixel column and what their values cover: the lowest, the highest and the
// median, an empty column, a column of one SNP, missing values, values past the row.
#include "view/profile/ProfileColumns.h"
#include "document/profile/Profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace varn {
namespace {

// A row with 0 at y = 100 and 100 pixels a unit, reaching from -1 (y 200) to 1 (y 0).
const paint::ValueRow kRow{100, 100, -1.0, 1.0, 0.5, "log2", -1.0, 1.0};

TEST(ProfileColumns, ColumnsSummariseTheirValuesInPixelRows) {
    const float nan = std::nanf("");
    const struct {
        const char* name;
        std::vector<float> values;
        ColumnRange range;
    } cases[] = {
        {"an empty column", {}, {0, 0, 0, 0}},
        {"one SNP is its own range and median", {0.25f}, {1, 75, 75, 75}},
        {"an odd count's middle value", {0.5f, -0.5f, 0.0f}, {3, 50, 150, 100}},
        {"an even count's two middle values, halfway", {0.5f, -0.5f, 0.0f, 1.0f}, {4, 0, 150, 75}},
        {"missing values are left out", {nan, 0.5f, nan}, {1, 50, 50, 50}},
        {"only missing values: empty", {nan, nan}, {0, 0, 0, 0}},
        {"values past the row are held at its edges", {3.0f, -7.0f, 0.0f}, {3, 0, 200, 100}},
        {"a crowd of equal values", std::vector<float>(1000, -0.25f), {1000, 125, 125, 125}},
    };
    for (const auto& c : cases) {
        const ColumnSnps column[] = {{0, c.values.size()}};
        const ColumnRange r = summariseColumns(c.values, column, kRow).front();
        EXPECT_EQ(r.count, c.range.count) << c.name;
        if (r.count == 0) continue;
        EXPECT_EQ(r.top, c.range.top) << c.name;
        EXPECT_EQ(r.bottom, c.range.bottom) << c.name;
        EXPECT_EQ(r.median, c.range.median) << c.name;
    }
}

TEST(ProfileColumns, EachColumnHoldsTheSnpsUnderIt) {
    // Chromosome 1 of hg19 in ten columns of about 24.9 Mb: SNPs at 1, 2 and 30 Mb, none until
    // 240 Mb, then the chromosome's last base, and two SNPs of chromosome 2, right of the page.
    Profile p;
    p.chromosome = {1, 1, 1, 1, 1, 2, 2};
    const int last = chromosomeLength(GenomeBuild::Hg19, 1);
    p.position = {1'000'000, 2'000'000, 30'000'000, 240'000'000, last, 5, 100};
    const GenomeStrip strip(GenomeBuild::Hg19, GenomeStrip::chromosomeRange(GenomeBuild::Hg19, 1), 0, 10);
    const std::vector<ColumnSnps> columns = columnSnps(p, strip);
    ASSERT_EQ(columns.size(), 10u);
    const std::size_t sizes[] = {2, 1, 0, 0, 0, 0, 0, 0, 0, 2};
    for (std::size_t k = 0; k < 10; ++k) EXPECT_EQ(columns[k].size(), sizes[k]) << "column " << k;
    EXPECT_EQ(columns[0].begin, 0u);
    EXPECT_EQ(columns[9].end, 5u); // chromosome 2's base 5 lies past the page's end
}

} // namespace
} // namespace varn
