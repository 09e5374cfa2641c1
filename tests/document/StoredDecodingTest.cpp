// The decoding kept beside a stored pool analysis: it reads back to the last digit, and only
// beside the .temp it was written with.
#include "document/StoredDecoding.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

TEST(StoredDecoding, ReadsBackExactlyAndOnlyWithItsOwnTemp) {
    StoredDecoding d;
    d.alleles = true;
    d.solution = {2, 0.7, 0.69, 0.71, 3.5234567890123, 3.46, 3.58, 0.9612345, true, 0.61, 0.2, 0.83, 4};
    const std::uint64_t key = storedTempKey("1 \n 0 \n Tumor6X \n");
    const std::string text = formatStoredDecoding(d, key);
    StoredDecoding back;
    ASSERT_TRUE(parseStoredDecoding(text, key, back));
    EXPECT_TRUE(back.alleles);
    EXPECT_EQ(back.solution.number, 2);
    EXPECT_EQ(back.solution.ploidy, d.solution.ploidy);
    EXPECT_EQ(back.solution.fit, d.solution.fit);
    EXPECT_EQ(back.solution.regionCopyNumber, 4);
    EXPECT_TRUE(back.solution.doubled);

    const struct {
        std::string text;
        std::uint64_t key;
        const char* what;
    } refused[] = {
        {text, storedTempKey("1 \n 0 \n Tumor6X \n0.5\t2\n"), "written with another .temp"},
        {"VARN decoding\nversion 2\n" + text.substr(text.find("temp ")), key, "another version"},
        {text.substr(0, text.find("fit ")), key, "cut short"},
        {"VARN sample allele sums\n" + text.substr(text.find('\n') + 1), key, "another kind of file"},
    };
    for (const auto& r : refused) EXPECT_FALSE(parseStoredDecoding(r.text, r.key, back)) << r.what;
}

} // namespace
} // namespace varn
