// The sample's allele sums beside a stored pool analysis: back bit for bit on reload, and a side
// file that does not belong to the .temp refused with why, the document's sums untouched.
#include "document/SampleAllelesFile.h"

#include "document/TextLines.h"
#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

namespace varn {
namespace {

namespace fs = std::filesystem;

void fillAlleleSums(CVARNDoc& doc, int t, unsigned seed) {
    std::mt19937 rng(seed);
    std::lognormal_distribution<float> sum(2.0f, 0.7f);
    for (int i = doc.snpFirst[t]; i <= doc.snpLast[t]; ++i) {
        doc.alleleASignal[0][i] = sum(rng);
        doc.alleleBSignal[0][i] = sum(rng);
    }
}

std::vector<float> sumsOf(const CVARNDoc& doc, int t) {
    std::vector<float> out(doc.alleleASignal[0] + doc.snpFirst[t], doc.alleleASignal[0] + doc.snpLast[t] + 1);
    out.insert(out.end(), doc.alleleBSignal[0] + doc.snpFirst[t], doc.alleleBSignal[0] + doc.snpLast[t] + 1);
    return out;
}

std::string readText(const fs::path& path) {
    std::string text;
    loadWholeFile(path, text);
    return text;
}

void writeText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(SampleAllelesFile, StoredWithTheAnalysisAndReadBackBitForBitOrRefusedWithWhy) {
    test::TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    const int t = kXba;
    test::fillStoredAnalysis(doc, t, "Tumor9X");
    test::fillPool(doc, t, 3);
    fillAlleleSums(doc, t, 3);
    const fs::path temp = doc.fixedPath("c:\\VARN\\temporary files\\Tumor9X.temp");
    const fs::path side = sampleAllelesPath(temp);

    // Without the allele analysis Store writes the .temp alone.
    doc.sampleAllelesHeld[t] = true;
    ASSERT_EQ(doc.StoreNonSelfTempFile(t), 0);
    EXPECT_FALSE(fs::exists(side));
    const std::string tempBytes = readText(temp);
    doc.alleleAnalysisAsked = true;
    ASSERT_EQ(doc.StoreNonSelfTempFile(t), 0);
    EXPECT_EQ(readText(temp), tempBytes);
    ASSERT_TRUE(fs::exists(side));
    const std::vector<float> stored = sumsOf(doc, t);
    const std::string good = readText(side);

    fillAlleleSums(doc, t, 4);
    ASSERT_EQ(doc.LoadNonSelfTempFile(temp), 0);
    EXPECT_TRUE(doc.sampleAllelesHeld[t]) << doc.sampleAllelesMissing[t];
    EXPECT_EQ(0, std::memcmp(sumsOf(doc, t).data(), stored.data(), stored.size() * sizeof(float)));

    // Another stored analysis of the same sample name (other signals), the other array's file,
    // another sample's, one cut short: each refused, naming the file and why.
    std::string otherKey = good;
    char& keyDigit = otherKey[otherKey.find("\ntemp ") + 6];
    keyDigit = keyDigit == '0' ? '1' : '0';
    const struct {
        std::string text;
        std::string why;
    } cases[] = {
        {otherKey, "Tumor9X.alleles was stored with another analysis of Tumor9X"},
        {replaced(good, "\narray 1\n", "\narray 2\n"),
         "Tumor9X.alleles holds the allele sums of a Hind 50K analysis; the stored analysis is an Xba 50K one"},
        {replaced(good, "\nsample Tumor9X\n", "\nsample Tumor8X\n"),
         "Tumor9X.alleles holds the allele sums of Tumor8X, not of Tumor9X"},
        {good.substr(0, good.size() / 2), "Tumor9X.alleles: line "},
        {"", "Tumor9X.alleles is not a file of allele sums VARN can read"},
    };
    for (const auto& c : cases) {
        writeText(side, c.text);
        fillAlleleSums(doc, t, 5);
        const std::vector<float> before = sumsOf(doc, t);
        ASSERT_EQ(doc.LoadNonSelfTempFile(temp), 0) << "the analysis itself loads whatever the side file holds";
        EXPECT_FALSE(doc.sampleAllelesHeld[t]) << c.why;
        EXPECT_EQ(doc.sampleAllelesMissing[t].rfind(c.why, 0), 0u) << doc.sampleAllelesMissing[t];
        EXPECT_EQ(sumsOf(doc, t), before) << c.why;
    }
    fs::remove(side);
    ASSERT_EQ(doc.LoadNonSelfTempFile(temp), 0);
    EXPECT_FALSE(doc.sampleAllelesHeld[t]);
    EXPECT_NE(doc.sampleAllelesMissing[t].find("was stored without the sample's allele sums (Tumor9X.alleles)"),
              std::string::npos)
        << doc.sampleAllelesMissing[t];
}

} // namespace
} // namespace varn
