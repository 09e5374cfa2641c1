#include "demo/DemoFinalReports.h"
#include "demo/DemoGenome.h"
#include "demo/DemoRandom.h"
#include "demo/DemoSamples.h"
#include "demo/DemoTumours.h"
#include "demo/IdTableWriter.h"
#include "demo/SignalFileWriter.h"
#include "demo/SnpCallFileWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

namespace varn::test {
namespace {

// The same seed gives the same bytes; another seed gives other data. A small piece stands for the
// whole: an annotation table, and the signal and call files of a pure tumour, the doubled genome
// and the subclonal tumour.
TEST(DemoDeterminism, SameSeedSameBytesOtherSeedOtherBytes) {
    TempDir dir;
    const demo::DemoGenome a = demo::makeDemoGenome(11);
    const demo::DemoGenome b = demo::makeDemoGenome(11);
    const demo::DemoGenome c = demo::makeDemoGenome(12);
    ASSERT_TRUE(demo::writeIdTable(dir / "a.txt", a, 0, 57243));
    ASSERT_TRUE(demo::writeIdTable(dir / "b.txt", b, 0, 57243));
    ASSERT_TRUE(demo::writeIdTable(dir / "c.txt", c, 0, 57243));
    EXPECT_EQ(readFileBytes(dir / "a.txt"), readFileBytes(dir / "b.txt"));
    EXPECT_NE(readFileBytes(dir / "a.txt"), readFileBytes(dir / "c.txt"));

    const std::vector<demo::DemoTumour> tumours = demo::demoTumours();
    for (const std::size_t k : {0, 5, 6}) {
        const demo::DemoTumour& tumour = tumours[k];
        for (int pass = 0; pass < 2; ++pass) {
            const demo::ArrayModel model = demo::makeArrayModel(11, 2);
            const auto germline = demo::drawGermline(a, model, 11, tumour.name, tumour.male);
            const demo::SampleData s =
                demo::synthesiseSample(a, model, germline, &tumour, 11, tumour.name, 1.0, tumour.male);
            const std::string n = std::to_string(pass);
            ASSERT_TRUE(demo::writeSignalFile(dir / ("signal" + n), a, model, s, tumour.name));
            ASSERT_TRUE(demo::writeSnpCallFile(dir / ("calls" + n), a, model, s.call, tumour.name));
        }
        EXPECT_EQ(readFileBytes(dir / "signal0"), readFileBytes(dir / "signal1")) << tumour.name;
        EXPECT_EQ(readFileBytes(dir / "calls0"), readFileBytes(dir / "calls1")) << tumour.name;
    }
}

// The final reports, their truth and the PFB file: the same seed and SNP count give the same
// bytes, another seed other data.
TEST(DemoDeterminism, FinalReportsSameSeedSameBytes) {
    TempDir dir;
    std::ostringstream err;
    for (const auto& [name, seed] : {std::pair{"a", 11u}, std::pair{"b", 11u}, std::pair{"c", 12u}}) {
        const std::string n = name;
        const demo::FinalReportFiles files{dir / (n + ".txt"), dir / (n + "N.txt"), dir / (n + ".truth"),
                                           dir / (n + ".pfb")};
        ASSERT_TRUE(demo::writeDemoFinalReports(files, seed, 5000, "test", err)) << err.str();
    }
    for (const char* extension : {".txt", "N.txt", ".truth", ".pfb"}) {
        const std::string e = extension;
        EXPECT_EQ(readFileBytes(dir / ("a" + e)), readFileBytes(dir / ("b" + e))) << e;
    }
    EXPECT_NE(readFileBytes(dir / "a.txt"), readFileBytes(dir / "c.txt"));
    EXPECT_NE(readFileBytes(dir / "a.pfb"), readFileBytes(dir / "c.pfb"));
}

// Each purpose draws from its own stream, so streams of one seed must not repeat one another;
// the normal deviates have the moments of a standard normal.
TEST(DemoRandom, StreamsDifferAndNormalsAreStandard) {
    demo::DemoRandom s1(3, 1), s2(3, 2), again(3, 1);
    int same = 0;
    for (int i = 0; i < 1000; ++i) {
        const double x = s1.uniform();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        same += x == s2.uniform();
        ASSERT_EQ(x, again.uniform());
    }
    EXPECT_EQ(same, 0);
    demo::DemoRandom r(9, 9);
    double s = 0.0, ss = 0.0;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        const double x = r.normal();
        s += x;
        ss += x * x;
    }
    EXPECT_NEAR(s / n, 0.0, 0.01);
    EXPECT_NEAR(std::sqrt(ss / n), 1.0, 0.01);
    for (int i = 0; i < 1000; ++i) {
        const int k = r.below(7);
        ASSERT_GE(k, 0);
        ASSERT_LT(k, 7);
    }
}

} // namespace
} // namespace varn::test
