// The sexes behind X, on SNPs built here: the sample's from the share of heterozygous SNPs on its
// X (a man's holds none), whose level must then agree with the pool's sexes; the pool's men from
// the heterozygous counts of its allele model on X and from whose X lies lowest.
#include "engine/allelic/SampleSex.h"

#include "document/ChromosomeTable.h"
#include "engine/EngineFixtures.h"
#include "engine/allelic/TinySnps.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
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
        const SexReading sex = readSampleSex(test::profileOf(*td.doc, baf), inf, baseline);
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

TEST(SampleSex, TellsThePoolsMenByTheirXAndTheHeterozygousCountsOnIt) {
    struct Case {
        int references;
        std::set<int> men; // pool rows
    };
    const Case cases[] = {{4, {}}, {4, {2}}, {5, {1, 4}}, {3, {1, 2, 3}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.references << " references, " << c.men.size() << " men");
        test::TestDocument td;
        CVARNDoc& doc = *td.doc;
        const int t = kXba;
        doc.refCount[t] = c.references + 1;
        AlleleModel& model = doc.alleleModel[t];
        model.arrayType = t;
        model.first = doc.snpFirst[t];
        const auto n = static_cast<std::size_t>(doc.snpLast[t] - doc.snpFirst[t] + 1);
        model.centreAB.assign(n, 0.0f);
        model.countAB.assign(n, 0);
        const int women = c.references - static_cast<int>(c.men.size());
        for (int snp = doc.snpFirst[t]; snp <= doc.snpLast[t]; ++snp) {
            const bool x = doc.snpChromosome[snp] == kChromosomeX;
            // Three SNPs in ten heterozygous in every reference that holds two X (the rate is 0.3).
            if (snp % 10 < 3)
                model.countAB[static_cast<std::size_t>(snp - model.first)] =
                    static_cast<unsigned short>(x ? women : c.references);
            for (int row = 1; row <= c.references; ++row) {
                const bool one = x && c.men.count(row) > 0;
                doc.poolSignal[row][snp] =
                    (one ? 500.0f : 1000.0f) * std::exp(0.1f * test::gaussianNoise(row, snp));
            }
        }
        const PoolSexes pool = poolSexes(doc, t);
        ASSERT_TRUE(pool.read);
        EXPECT_EQ(pool.references, c.references);
        EXPECT_EQ(pool.men(), static_cast<int>(c.men.size()));
        for (int row = 1; row <= c.references; ++row)
            EXPECT_EQ(pool.male[static_cast<std::size_t>(row - 1)] != 0, c.men.count(row) > 0)
                << "row " << row;
        // Without the allele model there is nothing to count.
        doc.alleleModel[t] = AlleleModel{};
        EXPECT_FALSE(poolSexes(doc, t).read);
    }
}

} // namespace
} // namespace varn
