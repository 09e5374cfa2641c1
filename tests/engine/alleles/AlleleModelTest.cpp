// The allele model learned from demo references without calls, against what the demo knows: the
// genotypes the array software called for each reference (the demo installation's
// referencecallsX/H files) and each SNP's probe affinities (whose ratio is the true AB centre).
#include "demo/DemoFixture.h"
#include "demo/DemoInstallation.h"
#include "demo/DemoSamples.h"
#include "document/AlleleModelFile.h"
#include "document/CVARNDoc.h"
#include "document/SetupDialogs.h"
#include "engine/alleles/AlleleModel.h"
#include "engine/alleles/AlleleModelLearning.h"
#include "engine/alleles/PoolAlleleModel.h"
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
    std::vector<std::vector<signed char>> calls; // per reference, by record - first: 0 NoCall, 1 AA, 2 AB, 3 BB
};

std::string referenceName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "Normal%02d", i);
    return name;
}

// The three references of the demo installation as pool building reads them (the signal reader,
// then their contrasts), with the calls of their files in referencecallsX/H.
DemoReferences installedReferences(CVARNDoc& doc, int t) {
    const auto& f = test::demoInstallation();
    DemoReferences r;
    r.array = demo::makeArrayModel(test::kDemoSeed, t);
    r.alleles = startReferenceAlleles(doc, t);
    const char* suffix = t == kXba ? "X" : "H";
    for (int i = 1; i <= test::kDemoReferences; ++i) {
        const auto signal = f.root / (std::string("sampledata") + suffix) / (referenceName(i) + suffix + ".txt");
        float mean = 0.0f;
        EXPECT_EQ(doc.ReadProbeIntensities(t, signal, mean), 0);
        collectReferenceAlleles(r.alleles, doc, signal);
        r.calls.emplace_back();
        EXPECT_EQ(doc.ReadReferenceCalls(t, demo::referenceCallFile(f.root, t, referenceName(i)), r.calls.back()), 0);
    }
    return r;
}

// The first k references of the demo of the fixture's seed synthesised in memory (an installation
// of ten would take 800 MB), with the calls the demo writes to their call files.
DemoReferences synthesisedReferences(int t, int k) {
    const auto& f = demoAnnotation();
    DemoReferences r;
    r.array = demo::makeArrayModel(test::kDemoSeed, t);
    r.alleles.arrayType = t;
    r.alleles.first = r.array.first;
    r.alleles.count = r.array.count();
    std::vector<float> contrast(static_cast<std::size_t>(r.array.count()));
    for (int i = 1; i <= k; ++i) {
        const std::string name = referenceName(i);
        const auto germline = demo::drawGermline(f.genome, r.array, test::kDemoSeed, name);
        const demo::SampleData s =
            demo::synthesiseSample(f.genome, r.array, germline, nullptr, test::kDemoSeed, name, 1.0);
        for (int snp = 0; snp < r.array.count(); ++snp) {
            float a = 0.0f, b = 0.0f;
            for (int j = 0; j < 10; ++j) {
                a += s.intensity[static_cast<std::size_t>(snp) * demo::kProbesPerSnp + 4 * j];
                b += s.intensity[static_cast<std::size_t>(snp) * demo::kProbesPerSnp + 4 * j + 1];
            }
            contrast[static_cast<std::size_t>(snp)] = alleleContrast(a, b);
        }
        r.alleles.add(contrast.data(), nullptr);
        r.calls.push_back(s.call);
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
    double ordered = 0.0;       // share of SNPs whose every called reference lies nearest its genotype's centre
    double genotypes = 0.0;     // share of called reference values nearest their genotype's centre
    double abError = 0.0;       // median |cAB - ln kappa|
    double abErrorUnseen = 0.0; // the same where no reference is called AB
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
        for (std::size_t k = 0; k < r.calls.size(); ++k) {
            const float x = r.alleles.contrast[k * static_cast<std::size_t>(m.size()) + at];
            const int g = r.calls[k][at] - 1;
            if (g < 0 || g > 2 || !std::isfinite(x)) continue;
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

// The demo installation's pools (three references, their model learned when the demo wrote them)
// and ten references, and three whose model then takes seven more in two AddReferences. A SNP's
// centres order correctly when every reference with a call lies nearest its called genotype's
// centre. The calls are the array software's, with its few miscalls (which the clustering rightly
// does not follow), so a SNP of more references is more often spoiled by one: at least 99 % of
// SNPs with three references, 97.5 % with ten, and 99.7 % of all called values; the median AB
// centre error stays under 0.06 (a reference's noise is about 0.1 in L, the genotypes lie about 2
// apart).
TEST(AlleleModel, ClustersLearnedWithoutCallsAgreeWithTheReferencesCalls) {
    auto& f = test::demoInstallation();
    ASSERT_TRUE(f.made) << f.errors;
    test::ScriptedUi ui;
    CVARNDoc doc(InstallRoot(f.root), ui);
    for (int t : {kXba, kHind}) {
        const DemoReferences installed = installedReferences(doc, t);
        ASSERT_EQ(installed.alleles.withCalls, 0); // no call file beside the signal files: clustering
        AlleleModel fromFile;
        std::string problem;
        const auto pool = f.root / (t == kXba ? "XbaPool.ref" : "HindPool.ref");
        ASSERT_TRUE(parseAlleleModelFile(test::readFileBytes(alleleModelPathOf(pool)), "pool", fromFile, problem))
            << problem;
        const Agreement a3 = agreement(installed, fromFile);
        std::printf("array %d,  3 references (installed pool): %s\n", t, figures(a3, fromFile).c_str());
        EXPECT_GE(a3.ordered, 0.99);
        EXPECT_GE(a3.genotypes, 0.997);
        EXPECT_LT(a3.abError, 0.06);

        const DemoReferences ten = synthesisedReferences(t, 10);
        const std::vector<float> rate = heteroRateByRecord(doc, t);
        AlleleModel m;
        ASSERT_TRUE(learnAlleleModel(ten.alleles, rate, m, problem)) << problem;
        const Agreement a10 = agreement(ten, m);
        std::printf("array %d, 10 references:                  %s\n", t, figures(a10, m).c_str());
        EXPECT_GE(a10.ordered, 0.975);
        EXPECT_GE(a10.genotypes, 0.997);
        EXPECT_LT(a10.abError, 0.06);

        // References 1..3, then 4..7 and 8..10 added in two steps.
        auto some = [&](std::size_t from, std::size_t to) {
            ReferenceAlleles part = ten.alleles;
            const std::size_t n = static_cast<std::size_t>(ten.alleles.count);
            part.contrast.assign(ten.alleles.contrast.begin() + static_cast<std::ptrdiff_t>(from * n),
                                 ten.alleles.contrast.begin() + static_cast<std::ptrdiff_t>(to * n));
            part.calls.assign(part.contrast.size(), 0);
            return part;
        };
        AlleleModel grown;
        ASSERT_TRUE(learnAlleleModel(some(0, 3), rate, grown, problem)) << problem;
        updateAlleleModel(grown, some(3, 7), rate);
        updateAlleleModel(grown, some(7, 10), rate);
        const Agreement a37 = agreement(ten, grown);
        std::printf("array %d,  3 + 7 added:                   %s\n", t, figures(a37, grown).c_str());
        EXPECT_EQ(grown.references, 10);
        EXPECT_EQ(grown.learned, "clustering; 7 references added"); // one running count, however often grown
        EXPECT_GE(a37.ordered, 0.975);
        EXPECT_LT(a37.abError, 0.04);
    }
}

// A summarised signal file writes one number for every probe of a SNP: such a reference stays in
// the pool but is left out of the clusters, and where it leaves fewer than three the model says so.
TEST(AlleleModel, SummarisedSignalFilesAreLeftOutOfTheClusters) {
    auto& f = test::demoInstallation();
    ASSERT_TRUE(f.made) << f.errors;
    test::ScriptedUi ui;
    CVARNDoc doc(InstallRoot(f.root), ui);
    const std::vector<float> rate = heteroRateByRecord(doc, kXba);
    auto signal = [&](int i) { return f.root / "sampledataX" / (referenceName(i) + "X.txt"); };
    struct Case {
        std::vector<bool> summarised; // per reference
        const char* learned;          // "" = not learned
        const char* problem;
    };
    const Case cases[] = {
        {{false, false, false, true}, "clustering; 1 summarised reference left out", ""},
        {{false, true, false, true}, "",
         "Normal02X.txt and Normal04X.txt read allele A and allele B alike at every SNP (summarised signal "
         "files), which leaves 2 of 4 references to learn the clusters from; it needs three"},
    };
    for (const Case& c : cases) {
        ReferenceAlleles alleles = startReferenceAlleles(doc, kXba);
        for (std::size_t k = 0; k < c.summarised.size(); ++k) {
            // Normal04 is Normal01's file under another name (the names only label the problem).
            const int i = static_cast<int>(k % 3) + 1;
            float mean = 0.0f;
            ASSERT_EQ(doc.ReadProbeIntensities(kXba, signal(i), mean), 0);
            if (c.summarised[k])
                for (int r = doc.snpFirst[kXba]; r <= doc.snpLast[kXba]; ++r)
                    for (int p = 0; p < kProbes; ++p) doc.probeIntensity[p][r] = 1.0f;
            collectReferenceAlleles(alleles, doc, f.root / "sampledataX" / (referenceName(static_cast<int>(k) + 1) + "X.txt"));
        }
        AlleleModel m;
        std::string problem;
        const bool learned = learnAlleleModel(alleles, rate, m, problem);
        EXPECT_EQ(learned, *c.learned != '\0') << problem;
        EXPECT_EQ(problem, c.problem);
        if (learned) {
            EXPECT_EQ(m.learned, c.learned);
            EXPECT_EQ(m.references, 4);
            // The three real references alone make the same clusters.
            ReferenceAlleles real = alleles;
            real.contrast.resize(3 * static_cast<std::size_t>(alleles.count));
            real.calls.resize(real.contrast.size());
            real.summarised.clear();
            AlleleModel three;
            ASSERT_TRUE(learnAlleleModel(real, rate, three, problem));
            EXPECT_TRUE(three.centreAB == m.centreAB);
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
            r.calls.emplace_back(n);
            for (std::size_t i = 0; i < n; ++i) {
                const double u = uniform(random);
                const double h = std::clamp(static_cast<double>(rate[i]), 0.02, 0.98);
                const int g = u < h ? 1 : (u < h + (1.0 - h) / 2.0 ? 0 : 2);
                r.calls.back()[i] = static_cast<signed char>(g + 1);
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
                all = all && nearest == r.calls[static_cast<std::size_t>(ref)][i] - 1;
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
