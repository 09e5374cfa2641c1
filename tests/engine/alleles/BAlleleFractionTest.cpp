// The B-allele fraction is the share of B copies under the probes' linear cross-hybridisation
// model, whatever the SNP's affinities; a summarised signal file is refused, not read as balanced.
#include "engine/alleles/BAlleleFraction.h"

#include "engine/analysis/AlleleAnalysis.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varn {
namespace {

TEST(BAlleleFraction, IsTheShareOfBCopiesAtEveryAffinityAndCrossTalk) {
    for (double c : {0.05, 0.12, 0.3}) {
        for (double kappa : {0.6, 1.0, 1.8}) {
            // AA at ln kappa + ln c, AB at ln kappa, BB at ln kappa - ln c.
            const AlleleCentres centres{static_cast<float>(std::log(kappa * c)), static_cast<float>(std::log(kappa)),
                                        static_cast<float>(std::log(kappa / c))};
            for (double share : {0.0, 1.0 / 6, 0.25, 1.0 / 3, 0.5, 0.6, 0.75, 1.0}) {
                // B probe ~ kappa (nB + c nA), A probe ~ nA + c nB.
                const double contrast = std::log(kappa * (share + c * (1 - share)) / ((1 - share) + c * share));
                EXPECT_NEAR(bAlleleFractionOf(contrast, centres), share, 1e-6) << c << " " << kappa << " " << share;
            }
        }
    }
    EXPECT_TRUE(std::isnan(bAlleleFractionOf(0.0, {0.5f, 0.0f, 1.0f})));
    EXPECT_TRUE(std::isnan(bAlleleFractionOf(std::nan(""), {-2.0f, 0.0f, 2.0f})));
}

TEST(BAlleleFraction, SummarisedSignalFileIsRefusedWithWhy) {
    test::TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int t = kHind;
    std::snprintf(doc.poolSampleName[t][0], kNameSize, "Flat1H");
    doc.referenceMode = kSelfReference;
    doc.sampleAllelesHeld[t] = true;
    // A and B alike, and B a fixed share of A: no allele contrast either way.
    for (float ratio : {1.0f, 0.9f}) {
        for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; ++k) {
            doc.alleleASignal[0][k] = doc.alleleASignal[1][k] = 5.0f + static_cast<float>(k % 7);
            doc.alleleBSignal[0][k] = doc.alleleBSignal[1][k] = ratio * doc.alleleASignal[0][k];
        }
        const AlleleAnalysis a = analyseAlleles(doc, t, true);
        EXPECT_FALSE(a.available);
        EXPECT_EQ(a.why.rfind("Flat1H: its allele A and allele B probes read alike at every SNP", 0), 0u) << a.why;
    }
}

} // namespace
} // namespace varn
