// A stored profile analysis read back whole, and its row of the cohort's sample table: a fitted
// profile's solution and one decoded at a given purity with nothing fitted.
#include "engine/analysis/ProfileResult.h"
#include "export/SampleSummary.h"
#include "export/StoredProfileFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varn {
namespace {

ProfileResult smallResult(bool fitted) {
    ProfileResult r;
    Profile& p = r.profile;
    p.sample = "T1";
    p.source = "T1.txt";
    p.arrays = {{"chip", Platform::Illumina}};
    for (int i = 0; i < 3; ++i) {
        p.chromosome.push_back(static_cast<std::uint8_t>(1 + i));
        p.position.push_back(1000 * (i + 1));
        p.name.push_back("rs" + std::to_string(i));
        p.logRatio.push_back(-0.1f * static_cast<float>(i));
        p.array.push_back(0);
        p.baf.push_back(i == 1 ? std::nanf("") : 0.25f);
        r.totalCopies.push_back(static_cast<std::int8_t>(i));
        r.minorCopies.push_back(-1);
        r.informative.push_back(static_cast<std::uint8_t>(i % 2));
    }
    r.platform = "Illumina Infinium";
    r.levelOfTotal = {-1.5f, -0.4f, 0.0f};
    r.solutionLine = "Tumour cells 70 %";
    r.fitted = fitted;
    if (fitted) {
        r.solution = 2;
        r.solutions = 3;
        r.decided = true;
        r.purity = 0.7;
        r.ploidy = 3.1;
        PurityPloidySolution& s = r.decodedWith;
        s.purity = 0.7;
        s.purityLow = 0.68;
        s.purityHigh = 0.72;
        s.ploidy = 3.1;
        s.ploidyLow = 3.05;
        s.ploidyHigh = 3.15;
        s.alteredShare = 0.4;
        s.lohShare = 0.125;
        s.doubledShare = 0.5;
        s.fit = 0.97;
        s.doubled = true;
    } else {
        r.purity = 0.5;
        r.fitWhy = "the profile has no B-allele fraction";
    }
    return r;
}

TEST(StoredProfile, ReadsBackWhatItWroteAndSummarisesItsSolution) {
    struct Case {
        bool fitted;
        const char* row;
    };
    const Case cases[] = {
        {true, "T1\tprofile\t0.70\t0.68\t0.72\t3.10\t3.05\t3.15\tyes\t0.400\t0.125\t0.500\t0.970\t3\tyes\t\n"},
        {false, "T1\tprofile\t0.50\t0.50\t0.50\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\t0\tno\t"
                "the profile has no B-allele fraction\n"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        const ProfileResult written = smallResult(c.fitted);
        ASSERT_TRUE(writeStoredProfile(dir / "T1.profile.gz", written));
        ProfileResult back;
        std::string error;
        ASSERT_TRUE(readStoredProfile(dir / "T1.profile.gz", back, error)) << error;
        EXPECT_EQ(storedProfileText(back), storedProfileText(written));
        EXPECT_EQ(cohortSamplesText({summariseProfile(back)}), std::string(kCohortSamplesHeader) + c.row);
    }
}

} // namespace
} // namespace varn
