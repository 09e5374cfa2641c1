// Which SNPs carry allelic information, on chromosomes of sixty SNPs built here: the sample's own
// values decide without the patient's normal (a stretch in imbalance still counts, a stretch
// reading balanced everywhere does not), the normal's calls decide with it.
#include "engine/allelic/InformativeSnps.h"

#include "engine/allelic/TinySnps.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace varn {
namespace {

using test::TinySnp;

constexpr int kSnps = 60;

struct Case {
    std::string name;
    std::function<TinySnp(int)> snp;
    std::function<bool(int)> informative;
};

bool third(int i) {
    return i % 3 == 1;
}

std::vector<Case> cases() {
    const float nan = std::nanf("");
    return {
        {"balanced heterozygous SNPs among homozygous ones",
         [](int i) { return test::everyThirdHeterozygous(i); }, third},
        {"an imbalanced stretch whose weaker allele faded from the calls",
         [](int i) {
             TinySnp s = test::everyThirdHeterozygous(i, 0.2f);
             if (third(i)) s.call = s.baf < 0.5f ? kCallAA : kCallBB;
             return s;
         },
         third},
        {"a homozygous deletion in a pure tumour, balanced everywhere",
         [](int i) {
             return TinySnp{0.5f + 0.01f * static_cast<float>(i % 5 - 2), kCallAB};
         },
         [](int) { return false; }},
        {"LOH: no second allele anywhere",
         [](int i) {
             return i % 2 == 0 ? TinySnp{0.01f, kCallAA} : TinySnp{0.99f, kCallBB};
         },
         [](int) { return false; }},
        {"heterozygous SNPs whose contrast could not be read",
         [nan](int i) {
             TinySnp s = test::everyThirdHeterozygous(i);
             if (third(i)) s.baf = nan;
             return s;
         },
         [](int) { return false; }},
        // 0.07 from the end: alone among homozygous SNPs it holds a second allele, inside a tight band
        // at 0.2 / 0.8 it is a homozygous SNP a little off its end.
        {"a SNP near the homozygous end, on its own",
         [](int i) {
             return i == 31 ? TinySnp{0.07f, kCallAA}
                            : TinySnp{i % 2 ? 0.99f : 0.01f, i % 2 ? kCallBB : kCallAA};
         },
         [](int i) { return i == 31; }},
        {"a SNP near the homozygous end, beside a band",
         [](int i) {
             return i == 31 ? TinySnp{0.07f, kCallAA} : test::everyThirdHeterozygous(i, 0.3f);
         },
         [](int i) { return third(i) && i != 31; }},
    };
}

TEST(InformativeSnps, FromTheSampleKeepsHeterozygousStretchesAndNothingElse) {
    test::TestDocument td(false);
    const std::vector<Case> all = cases();
    BAlleleFraction together; // every case on a chromosome of its own, judged alone all the same
    for (std::size_t c = 0; c < all.size(); ++c) {
        SCOPED_TRACE(all[c].name);
        BAlleleFraction alone;
        test::addChromosome(*td.doc, alone, 1, kSnps, all[c].snp);
        test::addChromosome(*td.doc, together, static_cast<int>(c) + 1, kSnps, all[c].snp);
        const InformativeSnps inf = informativeFromSample(test::profileOf(*td.doc, alone));
        int expected = 0;
        for (int i = 0; i < kSnps; ++i) {
            EXPECT_EQ(inf.informative[static_cast<std::size_t>(i)] != 0, all[c].informative(i))
                << "SNP " << i;
            expected += all[c].informative(i);
        }
        EXPECT_EQ(inf.count, expected);
        EXPECT_FALSE(inf.fromNormal);
    }
    const InformativeSnps inf = informativeFromSample(test::profileOf(*td.doc, together));
    for (std::size_t k = 0; k < together.snps.size(); ++k)
        EXPECT_EQ(inf.informative[k] != 0, all[k / kSnps].informative(static_cast<int>(k % kSnps)))
            << all[k / kSnps].name << ", SNP " << k % kSnps;
}

TEST(InformativeSnps, HomozygousNoiseIsTheRobustSpreadAtTheEnds) {
    test::TestDocument td(false);
    BAlleleFraction baf;
    // Most ends at 0.98, some at 0.01, and the odd 0.3 called homozygous: the median ignores it.
    test::addChromosome(*td.doc, baf, 1, kSnps, [](int i) {
        if (i % 10 == 3) return TinySnp{0.3f, kCallAA};
        return i % 4 == 0 ? TinySnp{0.01f, kCallAA} : TinySnp{0.98f, kCallBB};
    });
    EXPECT_NEAR(informativeFromSample(test::profileOf(*td.doc, baf)).homozygousNoise, 1.4826 * 0.02, 1e-6);
    // Without a single homozygous call the noise is taken as 0.01.
    BAlleleFraction none;
    test::addChromosome(*td.doc, none, 1, 5, [](int) { return TinySnp{0.5f, kCallAB}; });
    EXPECT_DOUBLE_EQ(informativeFromNormal(test::profileOf(*td.doc, none, true)).homozygousNoise, 0.01);
}

TEST(InformativeSnps, FromTheNormalTakesItsHeterozygousCallsWithAReadableSample) {
    test::TestDocument td(false);
    struct Row {
        int normalCall;
        float baf;
        bool informative;
    };
    const Row rows[] = {{kCallAB, 0.5f, true},  {kCallAB, 0.02f, true}, {kCallAB, std::nanf(""), false},
                        {kCallAA, 0.5f, false}, {kCallBB, 0.9f, false}, {kNoCall, 0.5f, false}};
    BAlleleFraction baf;
    test::addChromosome(*td.doc, baf, 1, 6, [&](int i) { return TinySnp{rows[i].baf, kCallAA}; });
    for (int i = 0; i < 6; ++i)
        td.doc->normalSnpCall[baf.snps[static_cast<std::size_t>(i)].record] = rows[i].normalCall;
    const InformativeSnps inf = informativeFromNormal(test::profileOf(*td.doc, baf, true));
    EXPECT_TRUE(inf.fromNormal);
    EXPECT_EQ(inf.count, 2);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(inf.informative[static_cast<std::size_t>(i)] != 0, rows[i].informative) << i;
}

} // namespace
} // namespace varn
