#include "demo/DemoFixture.h"

#include "demo/TruthFile.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varn::test {
namespace {

// The demo tumours run through the analysis as a person would run them: the pool of the array,
// the baseline on the short arm of chromosome 1 (diploid in both tumours), the profile against all
// references. The compensated profile must be as noisy as real arrays of this kind (SD 0.2-0.3
// on diploid stretches against ten references; three references here add a little), and the
// copy-number model must still find most of the planted states.
TEST(DemoProfile, TumourProfilesHaveRealisticNoiseAndDecodeToThePlantedStates) {
    DemoInstallationFixture& f = demoInstallation();
    CVARNDoc& doc = *f.doc;
    for (const std::string tumour : {"Tumor1", "Tumor2"}) {
        std::vector<demo::TruthSegment> truth;
        ASSERT_TRUE(demo::readTruthFile(f.root / "truth" / (tumour + ".txt"), truth));
        for (int t : {kXba, kHind}) {
            const char* a = t == kXba ? "X" : "H";
            ASSERT_TRUE(doc.OnOpenDocument(f.root / (t == kXba ? "XbaPool.ref" : "HindPool.ref")));
            ASSERT_EQ(doc.ReadSignalFile(t, f.root / (std::string("tumorsample") + a) / (tumour + a + ".txt"), 0, 1), 0);
            doc.regionStart[t] = kChromosomeStart[t][1];
            int end = doc.regionStart[t];
            while (doc.snpPosition[doc.arrangeOrder[end]] < 100000000) ++end;
            doc.regionEnd[t] = end;
            int selected[kRefSelectedSize] = {};
            for (int r = 1; r < doc.refCount[t]; ++r) selected[r] = 1;
            doc.computePoolRatio(doc.regionStart[t], doc.regionEnd[t], selected, 0, 1, t);

            double s1 = 0.0, s2 = 0.0;
            int n = 0, decoded = 0, right = 0;
            for (int pos = doc.snpFirst[t]; pos <= doc.autosomeLast[t]; ++pos) {
                if (doc.positionUsable[pos] != 1) continue;
                const int snp = doc.arrangeOrder[pos];
                const demo::TruthSegment* s = demo::truthAt(truth, doc.snpChromosome[snp], doc.snpPosition[snp]);
                ASSERT_NE(s, nullptr);
                ++decoded;
                right += doc.hmmState[0][pos] == s->copyNumber;
                if (s->copyNumber != 2 || s->loh != 0) continue;
                const double x = doc.logRatio[0][pos];
                s1 += x;
                s2 += x * x;
                ++n;
            }
            const double sd = std::sqrt((s2 - s1 * s1 / n) / (n - 1));
            RecordProperty(tumour + a + "_sd", std::to_string(sd));
            EXPECT_GT(sd, 0.2) << tumour << " array " << a;
            EXPECT_LT(sd, 0.35) << tumour << " array " << a;
            EXPECT_GT(doc.rowSd[t][0], 0.2f) << tumour << " array " << a;
            const double share = static_cast<double>(right) / decoded;
            RecordProperty(tumour + a + "_hmm", std::to_string(share));
            EXPECT_GT(share, 0.85) << tumour << " array " << a;
        }
    }
}

} // namespace
} // namespace varn::test
