// The allele model learned from demo references without calls, against what the demo knows: the
// references' germline genotypes and each SNP's probe affinities (whose ratio is the true AB
// centre).
#include "engine/AlleleModel.h"
#include "demo/DemoFixture.h"
#include "demo/DemoSamples.h"
#include "document/CVARNDoc.h"
#include "document/SetupDialogs.h"
#include "engine/AlleleModelLearning.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
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

std::string figures(const Agreement& a, const AlleleModel& m) {
    char text[256];
    std::snprintf(
        text, sizeof text,
        "centres ordered at %.4f of SNPs, genotypes %.5f, AB centre error %.4f (%.4f where no reference "
        "is AB); spacing %.3f / %.3f, spread %.3f",
        a.ordered, a.genotypes, a.abError, a.abErrorUnseen, static_cast<double>(m.relation.spacingAA),
        static_cast<double>(m.relation.spacingBB), static_cast<double>(m.relation.spreadAB));
    return text;
}

// Three and ten references, and three whose model then takes seven more as AddReference does.
TEST(AlleleModel, ClustersLearnedWithoutCallsAgreeWithTheReferencesGenotypes) {
    const auto& f = demoAnnotation();
    ASSERT_TRUE(f.written);
    for (int t : {kXba, kHind}) {
        const DemoReferences ten = demoReferences(t, 10);
        const std::vector<float> rate = heteroRateByRecord(*f.doc, t);
        DemoReferences three = ten;
        three.germline.resize(3);
        three.alleles.contrast.resize(3 * static_cast<std::size_t>(ten.alleles.count));
        three.alleles.calls.resize(three.alleles.contrast.size());
        ReferenceAlleles seven = ten.alleles;
        seven.contrast.erase(seven.contrast.begin(),
                             seven.contrast.begin() +
                                 static_cast<std::ptrdiff_t>(three.alleles.contrast.size()));
        seven.calls.resize(seven.contrast.size());

        for (const DemoReferences* r : std::initializer_list<const DemoReferences*>{&three, &ten}) {
            AlleleModel m;
            std::string problem;
            ASSERT_TRUE(learnAlleleModel(r->alleles, rate, m, problem)) << problem;
            const Agreement a = agreement(*r, m);
            std::printf("array %d, %2zu references: %s\n", t, r->germline.size(), figures(a, m).c_str());
            EXPECT_GE(a.ordered, 0.995);
            EXPECT_LT(a.abError, 0.06);
            if (r == &three) {
                updateAlleleModel(m, seven, rate);
                const Agreement grown = agreement(ten, m);
                std::printf("array %d,  3 + 7 added:   %s\n", t, figures(grown, m).c_str());
                EXPECT_EQ(m.references, 10);
                EXPECT_GE(grown.ordered, 0.995);
                EXPECT_LT(grown.abError, 0.04);
            }
        }
    }
}

// An array harder than the demo: AA sits 1.1 below AB and BB 0.9 above it, kappa spreads the AB
// centres by 0.4 and one reference's noise is 0.15. The relation must come out asymmetric and a
// SNP's genotypes must still be told apart, with three references as with ten.
TEST(AlleleModel, AsymmetricCrowdedClustersAreStillToldApart) {
    const auto& f = demoAnnotation();
    const std::vector<float> rate = heteroRateByRecord(*f.doc, kHind);
    for (int k : {3, 10}) {
        std::mt19937 random(17);
        std::normal_distribution<double> normal(0.0, 1.0);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        DemoReferences r;
        r.alleles.arrayType = kHind;
        r.alleles.count = static_cast<int>(rate.size());
        const std::size_t n = rate.size();
        std::vector<double> kappa(n);
        for (double& c : kappa) c = 0.3 + 0.4 * normal(random);
        std::vector<float> contrast(n);
        for (int ref = 0; ref < k; ++ref) {
            r.germline.emplace_back(n);
            for (std::size_t i = 0; i < n; ++i) {
                const double u = uniform(random);
                const double h = std::clamp(static_cast<double>(rate[i]), 0.02, 0.98);
                const int g = u < h ? 1 : (u < h + (1.0 - h) / 2.0 ? 0 : 2);
                r.germline.back()[i] = static_cast<signed char>(g + 1);
                const double offset = g == 0 ? -1.1 : (g == 1 ? 0.0 : 0.9);
                contrast[i] = static_cast<float>(kappa[i] + offset + 0.15 * normal(random));
            }
            r.alleles.add(contrast.data(), nullptr);
        }
        AlleleModel m;
        std::string problem;
        ASSERT_TRUE(learnAlleleModel(r.alleles, rate, m, problem)) << problem;
        // The agreement's true AB centre is kappa here, not the demo's affinities.
        int ordered = 0;
        std::vector<double> errors;
        for (std::size_t i = 0; i < n; ++i) {
            const double c[3] = {m.centreAA[i], m.centreAB[i], m.centreBB[i]};
            bool all = true;
            for (int ref = 0; ref < k; ++ref) {
                const float x = r.alleles.contrast[static_cast<std::size_t>(ref) * n + i];
                int nearest = 0;
                for (int g = 1; g < 3; ++g)
                    if (std::abs(x - c[g]) < std::abs(x - c[nearest])) nearest = g;
                all = all && nearest == r.germline[static_cast<std::size_t>(ref)][i] - 1;
            }
            ordered += all;
            errors.push_back(std::abs(c[1] - kappa[i]));
        }
        std::nth_element(errors.begin(), errors.begin() + static_cast<std::ptrdiff_t>(n / 2), errors.end());
        const double share = static_cast<double>(ordered) / static_cast<double>(n);
        std::printf(
            "crowded array, %2d references: centres ordered at %.4f of SNPs, AB centre error %.4f; spacing "
            "%.3f / %.3f, spread %.3f, AB centres %.3f +- %.3f\n",
            k, share, errors[n / 2], static_cast<double>(m.relation.spacingAA),
            static_cast<double>(m.relation.spacingBB), static_cast<double>(m.relation.spreadAB),
            static_cast<double>(m.relation.centreABMean), static_cast<double>(m.relation.centreABSd));
        EXPECT_NEAR(m.relation.spacingAA, 1.1, 0.03);
        EXPECT_NEAR(m.relation.spacingBB, 0.9, 0.03);
        EXPECT_GE(share, k == 3 ? 0.9 : 0.97);
    }
}

// The paired normals of the demo keep their SNP-call files beside their signal files: a pool of
// them is labelled by those calls, not clustered, and the analysis's own calls stay untouched.
TEST(AlleleModel, CallFilesBesideTheSignalFilesLabelTheReferences) {
    auto& f = test::demoInstallation();
    ASSERT_TRUE(f.made) << f.errors;
    test::ScriptedUi ui;
    CVARNDoc doc(InstallRoot(f.root), ui);
    std::fill(doc.snpCall.data(), doc.snpCall.data() + kSlots, 7);
    std::fill(doc.normalSnpCall.data(), doc.normalSnpCall.data() + kSlots, 7);
    test::TempDir dir;
    test::writeFileBytes(dir.path() / "list.txt", "Tumor1N\nTumor2N\nTumor3N\n");
    ui.answer<CSampleTypeSelect>([](CSampleTypeSelect& d) {
        d.sampleType = kHind;
        return DialogResult::Ok;
    });
    ui.answerFile(dir.path() / "list.txt");
    ui.answerFile(std::nullopt); // Save As cancelled: the pool and its model stay in memory
    doc.OnMakeReference();
    ASSERT_EQ(doc.refCount[kHind], 4);
    const AlleleModel& m = doc.alleleModel[kHind];
    ASSERT_FALSE(m.empty()) << alleleModelUnavailableReason(doc, kHind);
    EXPECT_EQ(m.learned, "calls of 3 of 3 references");
    EXPECT_EQ(alleleModelUnavailableReason(doc, kHind), "");

    std::vector<std::vector<signed char>> calls(3);
    for (int k = 0; k < 3; ++k)
        ASSERT_EQ(doc.ReadReferenceCalls(
                      kHind, f.root / "sampledataH" / ("Tumor" + std::to_string(k + 1) + "NH_snp.txt"),
                      calls[static_cast<std::size_t>(k)]),
                  0);
    int differ = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(m.size()); ++i) {
        int n[4] = {};
        for (const auto& c : calls) ++n[c[i]];
        // A NoCall's value joins the cluster it is most likely in.
        const int count[4] = {0, m.countAA[i], m.countAB[i], m.countBB[i]};
        for (int g = kCallAA; g <= kCallBB; ++g)
            differ += n[kNoCall] == 0 ? n[g] != count[g] : n[g] > count[g];
    }
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(std::count(doc.snpCall.data(), doc.snpCall.data() + kSlots, 7), kSlots);
    EXPECT_EQ(std::count(doc.normalSnpCall.data(), doc.normalSnpCall.data() + kSlots, 7), kSlots);
}

} // namespace
} // namespace varn
