// segments/cohort-samples.tsv row by row: a joint fit with its best solution, the levels' fraction
// alone, and an analysis with nothing to read.
#include "export/SampleSummary.h"

#include <gtest/gtest.h>

#include <string>

namespace varn {
namespace {

TEST(CohortSamples, EachKindOfEstimateGivesItsRow) {
    PurityEstimate joint;
    joint.joint = true;
    joint.why = "70 % with ploidy 2.00 and 40 % with ploidy 4.00 fit about as well";
    PurityPloidySolution best;
    best.purity = 0.7, best.purityLow = 0.68, best.purityHigh = 0.71;
    best.ploidy = 2.0, best.ploidyLow = 1.96, best.ploidyHigh = 2.04;
    best.alteredShare = 0.24, best.lohShare = 0.09, best.doubledShare = 0.125, best.fit = 0.97;
    joint.fit.solutions = {best, best};

    PurityEstimate levels;
    levels.decided = true;
    levels.purity = 0.55, levels.low = 0.5, levels.high = 0.6;
    levels.alleleReason = "no allele model";

    SampleSummary none;
    none.sample = "Tumor3";
    none.arrayType = kHind;
    none.estimated = false;
    none.note = "no stored analysis";

    // A tab in a name would shift every column after it.
    const std::string table = cohortSamplesText(
        {summariseSample("Tumor\t1", kXba, joint), summariseSample("Tumor2", 0, levels), none});
    EXPECT_EQ(table, std::string(kCohortSamplesHeader) +
                         "Tumor 1\txba\t0.70\t0.68\t0.71\t2.00\t1.96\t2.04\tno\t0.240\t0.090\t0.125\t0.970\t2\tno\t"
                         "70 % with ploidy 2.00 and 40 % with ploidy 4.00 fit about as well\n"
                         "Tumor2\tboth\t0.55\t0.50\t0.60\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\t0\tyes\tno allele model\n"
                         "Tumor3\thind\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\t0\tno\tno stored analysis\n");
}

} // namespace
} // namespace varn
