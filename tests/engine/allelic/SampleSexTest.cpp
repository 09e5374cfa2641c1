// The sample's sex from its X, on an autosome and an X of SNPs built here: a man's X holds no
// heterozygous SNP, and the level of his single copy must then agree with the pool's sexes.
#include "engine/allelic/SampleSex.h"

#include "document/ChromosomeTable.h"
#include "engine/allelic/TinySnps.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varn {
namespace {

using test::TinySnp;

struct Case {
    std::string name;
    int xSnps;
    int xInformativeEvery; // 0: none
    bool autosomesInformative;
    bool read, male;
    double share;
};

TEST(SampleSex, ReadsTheSexFromTheShareOfHeterozygousSnpsOnX) {
    const Case cases[] = {
        {"a woman", 99, 3, true, true, false, 1.0},
        {"a man", 99, 0, true, true, true, 0.0},
        {"a man with the odd stray on X", 99, 33, true, true, true, 3.0 / 33},
        // 60 SNPs at a rate of 0.3 expect 18 heterozygous ones: too few to tell.
        {"too short an X", 60, 3, true, false, false, 0.0},
        {"no informative SNP on the autosomes to hold X against", 99, 3, false, false, false, 0.0},
    };
    const double baseline[3] = {0.0, 0.1, 0.0}; // Xba's region level
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestDocument td(false);
        BAlleleFraction baf;
        InformativeSnps inf;
        test::addChromosome(*td.doc, baf, 1, 99, [](int i) { return test::everyThirdHeterozygous(i); });
        for (int i = 0; i < 99; ++i) inf.informative.push_back(c.autosomesInformative && i % 3 == 1);
        // X at 0.4 below the region, but for a few SNPs without a log ratio.
        test::addChromosome(*td.doc, baf, kChromosomeX, c.xSnps, [](int i) {
            return TinySnp{0.5f, kCallAB,
                           i % 17 == 0 ? std::nanf("") : -0.3f + 0.01f * static_cast<float>(i % 5 - 2)};
        });
        for (int i = 0; i < c.xSnps; ++i)
            inf.informative.push_back(c.xInformativeEvery > 0 && i % c.xInformativeEvery == 1);
        const SexReading sex = readSampleSex(*td.doc, baf, inf, baseline);
        EXPECT_EQ(sex.read, c.read);
        if (!c.read) continue;
        EXPECT_EQ(sex.male, c.male);
        EXPECT_NEAR(sex.heterozygousShare, c.share, 1e-5);
        EXPECT_NEAR(sex.xLevel, -0.4, 1e-6);
    }
}

TEST(SampleSex, WarnsWhenTheLevelOfXContradictsTheSexItsAllelesRead) {
    // A normal X at 0 for a woman and at -0.5 for a man: a quarter of the way between them is allowed.
    struct Row {
        bool read, male;
        double xLevel;
        std::string warning;
    };
    const std::string female =
        "the X of T1 reads female by its heterozygous SNPs but lies at the level of one copy "
        "against the pool's references; X is left undecoded";
    const std::string male =
        "the X of T1 reads male by its heterozygous SNPs but lies at the level of two copies "
        "against the pool's references; X is left undecoded";
    const Row rows[] = {{true, false, -0.02, ""}, {true, false, -0.37, ""}, {true, false, -0.38, female},
                        {true, true, -0.5, ""},   {true, true, -0.13, ""},  {true, true, -0.12, male},
                        {false, false, -0.5, ""}};
    for (const Row& r : rows) {
        SexReading sex;
        sex.read = r.read;
        sex.male = r.male;
        sex.xLevel = r.xLevel;
        EXPECT_EQ(sexContradiction(sex, 0.0, -0.5, "T1"), r.warning) << r.male << " at " << r.xLevel;
    }
}

} // namespace
} // namespace varn
