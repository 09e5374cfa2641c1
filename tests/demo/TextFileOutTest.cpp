#include "demo/TextFileOut.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace varn::test {
namespace {

// The fast number output must print what printf would: intensities to one decimal, rounded, and
// the final reports' values to four.
TEST(TextFileOut, NumbersPrintLikePrintf) {
    TempDir dir;
    {
        demo::TextFileOut out(dir / "n.txt");
        ASSERT_TRUE(out.isOpen());
        for (double v : {0.0, 0.04, 0.05, 9.96, 1234.56, 65535.0, -3.0}) {
            out.putTenths(v);
            out.put(' ');
        }
        for (long long v : {0LL, -45LL, 2147483647LL}) {
            out.putInt(v);
            out.put(' ');
        }
        for (double v : {0.0, -0.00004, -0.01234, 0.99996, 1.0, -3.52}) {
            out.putFourDecimals(v);
            out.put(' ');
        }
        EXPECT_TRUE(out.close());
    }
    // Four decimals for the final reports, never "-0.0000".
    EXPECT_EQ(readFileBytes(dir / "n.txt"), "0.0 0.0 0.1 10.0 1234.6 65535.0 0.0 0 -45 2147483647 "
                                            "0.0000 0.0000 -0.0123 1.0000 1.0000 -3.5200 ");
}

TEST(TextFileOut, ReportsAFileThatCannotBeWritten) {
    TempDir dir;
    demo::TextFileOut out(dir / "no such folder" / "x.txt");
    EXPECT_FALSE(out.isOpen());
    out.put("text");
    EXPECT_FALSE(out.close());
}

} // namespace
} // namespace varn::test
