// The final-report demo tumour (a man's tumour with half of its cells normal) through the profile
// analysis, as a user without the window would run it: its purity, ploidy and allele-specific
// states against what was planted, with and without its paired normal.
#include "demo/DemoFinalReports.h"
#include "demo/TruthFile.h"
#include "document/profile/ProfileReading.h"
#include "engine/analysis/ProfileAnalysis.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace varn {
namespace {

// Enough SNPs that every planted arm-level change holds hundreds, few enough to stay quick.
constexpr int kSnps = 60000;

TEST(ProfileRecovery, TheDemoFinalReportGetsItsPurityPloidyAndStates) {
    test::TempDir dir;
    std::ostringstream err;
    const demo::FinalReportFiles files{dir / "Tumor8.txt", dir / "Tumor8N.txt", dir / "truth.txt",
                                       dir / "demo.pfb"};
    ASSERT_TRUE(demo::writeDemoFinalReports(files, 1, kSnps, "test", err)) << err.str();
    std::vector<demo::TruthSegment> truth;
    demo::TruthHeader header;
    ASSERT_TRUE(demo::readTruthFile(files.truth, truth));
    ASSERT_TRUE(demo::readTruthHeader(files.truth, header));

    struct Case {
        const char* what;
        bool normal;
        bool pfb;
    };
    for (const Case& c : {Case{"the tumour alone", false, false}, Case{"with its paired normal", true, false},
                          Case{"with the array's population frequencies", false, true}}) {
        SCOPED_TRACE(c.what);
        ProfileOptions options;
        if (c.normal) options.normal = files.normal;
        if (c.pfb) options.pfb = files.pfb;
        const ProfileReading reading = readProfile(files.tumour, options);
        ASSERT_TRUE(reading.profile) << reading.refusal;
        const Profile& p = *reading.profile;
        const ProfileAnalysis a = analyseProfile(p, {});
        ASSERT_GT(a.solution, 0) << a.solutionLine;
        EXPECT_NEAR(a.purity, 1.0 - header.normalFraction, 0.05) << a.solutionLine;
        EXPECT_NEAR(a.ploidy, header.ploidy, 0.25) << a.solutionLine;
        int decoded = 0, right = 0;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const demo::TruthSegment* t = demo::truthAt(truth, p.chromosome[i], p.position[i]);
            if (t == nullptr || a.decoding.totalCopies[i] < 0) continue;
            ++decoded;
            right +=
                a.decoding.totalCopies[i] == t->copyNumber && a.decoding.minorCopies[i] == t->minorCopies;
        }
        EXPECT_GT(decoded, 0.95 * static_cast<double>(p.size()));
        EXPECT_GE(right, 0.95 * decoded) << right << " of " << decoded << "; " << a.solutionLine;
    }
}

} // namespace
} // namespace varn
