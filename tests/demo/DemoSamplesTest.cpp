#include "demo/DemoFixture.h"

#include "demo/DemoInstallation.h"
#include "demo/DemoSamples.h"
#include "demo/TruthFile.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

std::vector<std::string> readLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

double median(std::vector<double> v) {
    if (v.empty()) return NAN;
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

std::vector<demo::TruthSegment> truthOf(const std::string& tumour) {
    std::vector<demo::TruthSegment> truth;
    EXPECT_TRUE(demo::readTruthFile(demoInstallation().root / "truth" / (tumour + ".txt"), truth));
    return truth;
}

const demo::TruthSegment& truthAtSnp(const CVARNDoc& doc, const std::vector<demo::TruthSegment>& truth, int snp) {
    const demo::TruthSegment* s = demo::truthAt(truth, doc.snpChromosome[snp], doc.snpPosition[snp]);
    if (s == nullptr) throw std::runtime_error("SNP without truth segment");
    return *s;
}

void checkEveryFileAndFolder() {
    DemoInstallationFixture& f = demoInstallation();
    ASSERT_TRUE(f.made) << f.errors;
    EXPECT_TRUE(f.errors.empty()) << f.errors;
    EXPECT_EQ(f.loadMessages, 0u);
    const char* files[] = {"XbaPool.ref",
                           "HindPool.ref",
                           "sampledataX/SampleList.txt",
                           "sampledataH/SampleList.txt",
                           "sampledataX/Normal01X.txt",
                           "sampledataH/Normal03H.txt",
                           "sampledataX/Tumor1NX.txt",
                           "sampledataX/Tumor1NX_snp.txt",
                           "sampledataH/Tumor2NH.txt",
                           "sampledataH/Tumor2NH_snp.txt",
                           "tumorsampleX/Tumor1X.txt",
                           "tumorsampleH/Tumor2H.txt",
                           "SNPtumorsampleX/Tumor2X.txt",
                           "SNPtumorsampleH/Tumor1H.txt",
                           "truth/Tumor1.txt",
                           "truth/Tumor2.txt",
                           "tumorsampleX/Tumor7X.txt",
                           "SNPtumorsampleH/Tumor6H.txt",
                           "sampledataH/Tumor7NH_snp.txt",
                           "truth/Tumor6.txt",
                           "referencecallsX/Normal01X_snp.txt",
                           "referencecallsH/Normal03H_snp.txt",
                           "finalreports/Tumor8.txt",
                           "finalreports/Tumor8N.txt",
                           "finalreports/demo.pfb",
                           "truth/hg19/Tumor8.txt"};
    for (const char* name : files) EXPECT_TRUE(fs::is_regular_file(f.root / name)) << name;
    EXPECT_FALSE(fs::exists(f.root / "sampledataX/Normal04X.txt"));
    // A call file beside a reference's signal file would be used by whatever reads the pool's
    // references; the demo keeps them apart.
    EXPECT_FALSE(fs::exists(f.root / "sampledataX/Normal01X_snp.txt"));
    for (const char* folder : {"temporary files", "Self temporary files", "IGBfiles", "RawData"}) {
        EXPECT_TRUE(fs::is_directory(f.root / folder)) << folder;
        EXPECT_TRUE(fs::is_empty(f.root / folder)) << folder;
    }
    EXPECT_TRUE(fs::is_directory(f.root.parent_path() / "VARN View"));
    EXPECT_EQ(readLines(f.root / "sampledataH/SampleList.txt"),
              (std::vector<std::string>{"Normal01", "Normal02", "Normal03"}));
}

// Two header lines, then per record the index, the identifier and 56 fields of which exactly 16
// are "null"; the array's null columns are the same on every line.
void checkSignalFileLayout() {
    const fs::path root = demoInstallation().root;
    const auto xba = readLines(root / "sampledataX/Normal01X.txt");
    const auto hind = readLines(root / "tumorsampleH/Tumor1H.txt");
    ASSERT_EQ(xba.size(), 58960u + 2);
    ASSERT_EQ(hind.size(), 57244u + 2);
    for (const auto* lines : {&xba, &hind}) {
        const auto firstFields = splitTabs((*lines)[2]);
        for (std::size_t i = 2; i < lines->size(); i += 1009) {
            const auto fields = splitTabs((*lines)[i]);
            ASSERT_EQ(fields.size(), 58u) << (*lines)[i];
            EXPECT_EQ(fields[0], std::to_string(i - 2));
            EXPECT_EQ(fields[1].rfind("SNP_A-", 0), 0u);
            int nulls = 0;
            for (std::size_t k = 2; k < fields.size(); ++k) {
                if (fields[k] == "null") {
                    ++nulls;
                    EXPECT_EQ(firstFields[k], "null");
                } else {
                    EXPECT_GE(std::stod(fields[k]), 0.0);
                }
            }
            EXPECT_EQ(nulls, 16);
        }
    }
}

// The reader looks for "AA", "AB", "BB" anywhere after the first character: identifiers must hold
// none of them, and the calls must be exactly the four texts.
void checkSnpCallTexts() {
    const fs::path root = demoInstallation().root;
    for (const char* name : {"SNPtumorsampleX/Tumor1X.txt", "sampledataH/Tumor2NH_snp.txt"}) {
        const auto lines = readLines(root / name);
        ASSERT_GT(lines.size(), 57244u);
        int noCalls = 0;
        for (std::size_t i = 2; i < lines.size(); ++i) {
            const auto fields = splitTabs(lines[i]);
            ASSERT_EQ(fields.size(), 3u);
            for (const char* pair : {"AA", "AB", "BB", "NoCall"})
                ASSERT_EQ(fields[0].find(pair), std::string::npos) << fields[0];
            const std::string& call = fields[1];
            ASSERT_TRUE(call == "AA" || call == "AB" || call == "BB" || call == "NoCall") << call;
            noCalls += call == "NoCall";
        }
        const double rate = static_cast<double>(noCalls) / static_cast<double>(lines.size() - 2);
        EXPECT_GT(rate, 0.01) << name;
        EXPECT_LT(rate, 0.06) << name;
    }
}

// Each reference's call file is its germline genotype as the array software calls it: about 3 %
// NoCall and otherwise the genotype, but for rare miscalls.
void checkReferenceCalls() {
    const DemoInstallationFixture& f = demoInstallation();
    const demo::DemoGenome genome = demo::makeDemoGenome(kDemoSeed);
    const char* text[4] = {"NoCall", "AA", "AB", "BB"};
    for (int t : {kXba, kHind}) {
        const demo::ArrayModel model = demo::makeArrayModel(kDemoSeed, t);
        for (const std::string name : {"Normal01", "Normal02", "Normal03"}) {
            const auto germline = demo::drawGermline(genome, model, kDemoSeed, name);
            const auto lines = readLines(demo::referenceCallFile(f.root, t, name));
            ASSERT_EQ(lines.size(), germline.size() + 2) << name << " array " << t;
            int noCalls = 0, wrong = 0;
            for (std::size_t i = 0; i < germline.size(); ++i) {
                const std::string call = splitTabs(lines[i + 2])[1];
                noCalls += call == "NoCall";
                wrong += call != "NoCall" && call != text[germline[i]];
            }
            const double n = static_cast<double>(germline.size());
            EXPECT_NEAR(noCalls / n, 0.03, 0.005) << name << " array " << t;
            EXPECT_LT(wrong / n, 0.004) << name << " array " << t;
        }
    }
}

void checkPoolFiles() {
    DemoInstallationFixture& f = demoInstallation();
    CVARNDoc& doc = *f.doc;
    f.ui.messages.clear();
    EXPECT_EQ(fs::file_size(f.root / "XbaPool.ref"), 76u + 3u * (4u * 58960u + 20u));
    EXPECT_EQ(fs::file_size(f.root / "HindPool.ref"), 76u + 3u * (4u * 57244u + 20u));
    ASSERT_TRUE(doc.OnOpenDocument(f.root / "HindPool.ref"));
    ASSERT_TRUE(doc.OnOpenDocument(f.root / "XbaPool.ref"));
    EXPECT_EQ(f.ui.messages,
              (std::vector<std::string>{"Correct Hind reference data loaded!", "Correct Xba reference data loaded!"}));
    EXPECT_EQ(doc.refCount[kXba], 4);
    EXPECT_EQ(doc.refCount[kHind], 4);
    EXPECT_STREQ(doc.poolSampleName[kXba][1], "Normal01");
    EXPECT_STREQ(doc.poolSampleName[kHind][3], "Normal03");

    // A pool row is the reference's own signal file read into the pool.
    ASSERT_EQ(doc.ReadSignalFile(kXba, f.root / "sampledataX/Normal02X.txt", 9, 0), 0);
    for (int snp = doc.snpFirst[kXba]; snp <= doc.snpLast[kXba]; snp += 31)
        ASSERT_EQ(doc.poolSignal[2][snp], doc.poolSignal[9][snp]) << snp;
    EXPECT_EQ(doc.poolRowMean[kXba][2], doc.poolRowMean[kXba][9]);
    EXPECT_TRUE(f.ui.messages.size() == 2);
}

// The signal of a tumour against the pool follows its planted copy numbers: per copy number the
// median log ratio, taken relative to the diploid median, sits near the model's expected value.
void checkPlantedCopyNumbers() {
    DemoInstallationFixture& f = demoInstallation();
    CVARNDoc& doc = *f.doc;
    for (const std::string tumour : {"Tumor1", "Tumor2"}) {
        const auto truth = truthOf(tumour);
        for (int t : {kXba, kHind}) {
            const char* a = t == kXba ? "X" : "H";
            ASSERT_TRUE(doc.OnOpenDocument(f.root / (t == kXba ? "XbaPool.ref" : "HindPool.ref")));
            ASSERT_EQ(doc.ReadSignalFile(t, f.root / (std::string("tumorsample") + a) / (tumour + a + ".txt"), 0, 1), 0);
            std::vector<double> byCopies[7];
            for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
                if (doc.positionUsable[pos] != 1) continue;
                const int snp = doc.arrangeOrder[pos];
                double pool = 0.0;
                for (int r = 1; r < doc.refCount[t]; ++r) pool += doc.poolSignal[r][snp];
                pool /= doc.refCount[t] - 1;
                byCopies[truthAtSnp(doc, truth, snp).copyNumber].push_back(std::log(doc.poolSignal[0][snp] / pool));
            }
            const double diploid = median(byCopies[2]);
            int states = 0;
            for (int c = 0; c <= 6; ++c) {
                if (byCopies[c].size() < 100) continue;
                ++states;
                EXPECT_NEAR(median(byCopies[c]) - diploid, doc.hmmMean[c], 0.12)
                    << tumour << " array " << t << " copy number " << c;
            }
            EXPECT_GE(states, 5) << tumour << " array " << t;
        }
    }
}

// The doubled and the subclonal tumour mix cell populations on the linear scale, and the reader's
// scaling to a mean probe of 1 shifts the whole profile by the sample's mean level: at every
// state the median log ratio against the pool sits at log(level / mean level), the level being
// (1 - n)((1 - f) e^m[c] + f e^m[c']) + n e^m[normal copies] for n normal cells and a share f of
// subclone cells (m the copy-number model's means). In the doubled genome its 2+2 stretches thus
// sit near 0, where two copies would sit in a diploid one.
void checkCellMixtures() {
    DemoInstallationFixture& f = demoInstallation();
    CVARNDoc& doc = *f.doc;
    for (const std::string tumour : {"Tumor6", "Tumor7"}) {
        const auto truth = truthOf(tumour);
        demo::TruthHeader header;
        ASSERT_TRUE(demo::readTruthHeader(f.root / "truth" / (tumour + ".txt"), header));
        const double normalCells = header.normalFraction;
        for (int t : {kXba, kHind}) {
            const char* a = t == kXba ? "X" : "H";
            ASSERT_TRUE(doc.OnOpenDocument(f.root / (t == kXba ? "XbaPool.ref" : "HindPool.ref")));
            const fs::path signal = f.root / (std::string("tumorsample") + a) / (tumour + a + ".txt");
            ASSERT_EQ(doc.ReadSignalFile(t, signal, 0, 1), 0);
            auto level = [&](int snp) {
                const demo::TruthSegment& s = truthAtSnp(doc, truth, snp);
                const int normalCopies = header.male && s.chromosome == 23 ? 1 : 2;
                return (1.0 - normalCells) * ((1.0 - s.subcloneFraction) * std::exp(doc.hmmMean[s.copyNumber]) +
                                              s.subcloneFraction * std::exp(doc.hmmMean[s.subcloneCopyNumber])) +
                       normalCells * std::exp(doc.hmmMean[normalCopies]);
            };
            double mean = 0.0;
            for (int snp = doc.snpFirst[t]; snp <= doc.snpLast[t]; ++snp) mean += level(snp);
            mean /= doc.snpLast[t] - doc.snpFirst[t] + 1;
            std::map<long, std::vector<double>> byLevel;
            for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
                if (doc.positionUsable[pos] != 1) continue;
                const int snp = doc.arrangeOrder[pos];
                double pool = 0.0;
                for (int r = 1; r < doc.refCount[t]; ++r) pool += doc.poolSignal[r][snp];
                pool /= doc.refCount[t] - 1;
                byLevel[std::lround(1e4 * std::log(level(snp) / mean))].push_back(
                    std::log(doc.poolSignal[0][snp] / pool));
            }
            // The commonest state places the profile (the amplification curve adds a little
            // offset); every other state keeps its expected distance from it.
            const auto commonest = std::max_element(byLevel.begin(), byLevel.end(), [](const auto& x, const auto& y) {
                return x.second.size() < y.second.size();
            });
            const double offset = median(commonest->second) - commonest->first / 1e4;
            EXPECT_NEAR(offset, 0.0, 0.06) << tumour << " array " << t;
            int states = 0;
            for (const auto& [expected, ratios] : byLevel) {
                if (ratios.size() < 100) continue;
                ++states;
                EXPECT_NEAR(median(ratios) - offset, expected / 1e4, 0.03) << tumour << " array " << t;
            }
            EXPECT_GE(states, 6) << tumour << " array " << t;
        }
    }
}

// LOH shows in the tumour's calls: no heterozygous calls where one parent's copies are lost,
// about the population rate elsewhere; the paired normal keeps the inherited genotypes.
void checkPlantedLoh() {
    DemoInstallationFixture& f = demoInstallation();
    CVARNDoc& doc = *f.doc;
    const auto truth = truthOf("Tumor1");
    ASSERT_EQ(doc.ReadSnpCallFile(kXba, f.root / "SNPtumorsampleX/Tumor1X.txt", 0), 0);
    ASSERT_EQ(doc.ReadSnpCallFile(kXba, f.root / "sampledataX/Tumor1NX_snp.txt", 1), 0);
    int lohSnps = 0, lohAb = 0, normalSnps = 0, normalAb = 0, normalAbInPairedNormal = 0;
    int bothCalled = 0, agree = 0;
    double expectedAb = 0.0;
    for (int pos = doc.snpFirst[kXba]; pos <= doc.snpLast[kXba]; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        const demo::TruthSegment& s = truthAtSnp(doc, truth, snp);
        if (s.loh == 1) {
            ++lohSnps;
            lohAb += doc.snpCall[snp] == kCallAB;
            normalAbInPairedNormal += doc.normalSnpCall[snp] == kCallAB;
        } else if (s.copyNumber == 2) {
            ++normalSnps;
            normalAb += doc.snpCall[snp] == kCallAB;
            expectedAb += doc.heteroRate[pos];
            if (doc.snpCall[snp] != kNoCall && doc.normalSnpCall[snp] != kNoCall) {
                ++bothCalled;
                agree += doc.snpCall[snp] == doc.normalSnpCall[snp];
            }
        }
    }
    ASSERT_GT(lohSnps, 1000);
    EXPECT_LT(lohAb, lohSnps / 100);
    EXPECT_GT(normalAbInPairedNormal, lohSnps / 5);
    EXPECT_NEAR(static_cast<double>(normalAb) / normalSnps, expectedAb / normalSnps, 0.03);
    EXPECT_GT(agree, bothCalled * 99 / 100);
}

// Each test program makes the installation anew, so the checks share two tests.
TEST(DemoInstallation, WritesEveryFileInTheExportFormats) {
    ASSERT_TRUE(demoInstallation().made) << demoInstallation().errors;
    {
        SCOPED_TRACE("files and folders");
        checkEveryFileAndFolder();
    }
    {
        SCOPED_TRACE("signal file layout");
        checkSignalFileLayout();
    }
    {
        SCOPED_TRACE("SNP-call texts");
        checkSnpCallTexts();
    }
    {
        SCOPED_TRACE("reference calls");
        checkReferenceCalls();
    }
}

TEST(DemoInstallation, PoolsLoadAndTumoursCarryThePlantedChanges) {
    ASSERT_TRUE(demoInstallation().made) << demoInstallation().errors;
    {
        SCOPED_TRACE("pool files");
        checkPoolFiles();
    }
    {
        SCOPED_TRACE("planted copy numbers");
        checkPlantedCopyNumbers();
    }
    {
        SCOPED_TRACE("planted LOH");
        checkPlantedLoh();
    }
    {
        SCOPED_TRACE("cell mixtures");
        checkCellMixtures();
    }
}

} // namespace
} // namespace varn::test
