// The allele model learned from demo references without calls, against what the demo knows: the
// references' germline genotypes and each SNP's probe affinities (whose ratio is the true AB
// centre).
#include "engine/AlleleModel.h"
#include "demo/DemoFixture.h"
#include "demo/DemoSamples.h"
#include "engine/AlleleModelLearning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace varn {
namespace {

using test::demoAnnotation;

struct DemoReferences {
    demo::ArrayModel array;
    ReferenceAlleles alleles;
    std::vector<std::vector<signed char>> germline;
};

// The first k references of the demo installation of the fixture's seed, as the signal reader
// would sum their allele probes.
DemoReferences demoReferences(int t, int k) {
    const auto& f = demoAnnotation();
    DemoReferences r;
    r.array = demo::makeArrayModel(test::kDemoSeed, t);
    r.alleles.arrayType = t;
    r.alleles.first = r.array.first;
    r.alleles.count = r.array.count();
    std::vector<float> contrast(static_cast<std::size_t>(r.array.count()));
    for (int i = 1; i <= k; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Normal%02d", i);
        r.germline.push_back(demo::drawGermline(f.genome, r.array, test::kDemoSeed, name));
        const demo::SampleData s =
            demo::synthesiseSample(f.genome, r.array, r.germline.back(), nullptr, test::kDemoSeed, name, 1.0);
        for (int snp = 0; snp < r.array.count(); ++snp) {
            float a = 0.0f, b = 0.0f;
            for (int j = 0; j < 10; ++j) {
                a += s.intensity[static_cast<std::size_t>(snp) * demo::kProbesPerSnp + 4 * j];
                b += s.intensity[static_cast<std::size_t>(snp) * demo::kProbesPerSnp + 4 * j + 1];
            }
            contrast[static_cast<std::size_t>(snp)] = alleleContrast(a, b);
        }
        r.alleles.add(contrast.data(), nullptr);
    }
    return r;
}

// ln kappa: where a heterozygote's contrast lies without noise, from the probe affinities.
double trueCentreAB(const demo::ArrayModel& array, int i) {
    double a = 0.0, b = 0.0;
    for (int j = 0; j < 10; ++j) {
        a += array.affinity[static_cast<std::size_t>(i) * demo::kProbesPerSnp + 4 * j];
        b += array.affinity[static_cast<std::size_t>(i) * demo::kProbesPerSnp + 4 * j + 1];
    }
    return std::log(b / a);
}

struct Agreement {
    double ordered = 0.0;       // share of SNPs whose every reference lies nearest its genotype's centre
    double genotypes = 0.0;     // share of reference values nearest their genotype's centre
    double abError = 0.0;       // median |cAB - ln kappa|
    double abErrorUnseen = 0.0; // the same where no reference is AB
};

Agreement agreement(const DemoReferences& r, const AlleleModel& m) {
    Agreement a;
    int snps = 0, ordered = 0;
    long values = 0, right = 0;
    std::vector<double> errors, unseen;
    for (int i = 0; i < m.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const double c[3] = {m.centreAA[at], m.centreAB[at], m.centreBB[at]};
        bool all = true, anyAB = false;
        for (std::size_t k = 0; k < r.germline.size(); ++k) {
            const float x = r.alleles.contrast[k * static_cast<std::size_t>(m.size()) + at];
            const int g = r.germline[k][at] - 1;
            anyAB = anyAB || g == 1;
            int nearest = 0;
            for (int h = 1; h < 3; ++h)
                if (std::abs(x - c[h]) < std::abs(x - c[nearest])) nearest = h;
            ++values;
            right += nearest == g;
            all = all && nearest == g;
        }
        ++snps;
        ordered += all;
        const double e = std::abs(c[1] - trueCentreAB(r.array, i));
        errors.push_back(e);
        if (!anyAB) unseen.push_back(e);
    }
    auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    a.ordered = static_cast<double>(ordered) / snps;
    a.genotypes = static_cast<double>(right) / static_cast<double>(values);
    a.abError = median(errors);
    a.abErrorUnseen = unseen.empty() ? 0.0 : median(unseen);
    return a;
}

TEST(AlleleModel, ClustersLearnedWithoutCallsAgreeWithTheReferencesGenotypes) {
    const auto& f = demoAnnotation();
    ASSERT_TRUE(f.written);
    for (int t : {kXba, kHind})
        for (int k : {3, 10}) {
            const DemoReferences r = demoReferences(t, k);
            AlleleModel m;
            std::string problem;
            ASSERT_TRUE(learnAlleleModel(r.alleles, heteroRateByRecord(*f.doc, t), m, problem)) << problem;
            const Agreement a = agreement(r, m);
            std::printf(
                "array %d, %2d references: centres ordered at %.4f of SNPs, genotypes %.5f, AB centre error "
                "%.4f (%.4f where no reference is AB); spacing %.3f / %.3f, spread %.3f %.3f %.3f\n",
                t, k, a.ordered, a.genotypes, a.abError, a.abErrorUnseen,
                static_cast<double>(m.relation.spacingAA), static_cast<double>(m.relation.spacingBB),
                static_cast<double>(m.relation.spreadAA), static_cast<double>(m.relation.spreadAB),
                static_cast<double>(m.relation.spreadBB));
            EXPECT_GE(a.ordered, 0.99);
        }
}

} // namespace
} // namespace varn
