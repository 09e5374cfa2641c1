#include "support/StoredAnalysis.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace varn::test {

void fillStoredAnalysis(CVARNDoc& doc, int t, const std::string& name, bool paired, bool smallSignals,
                        unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> big(16.0f, 32.0f), small(0.001f, 0.999f);
    auto signal = [&] { return smallSignals ? small(rng) : big(rng); };
    for (int i = doc.snpFirst[t]; i <= doc.snpLast[t]; ++i) {
        doc.poolSignal[0][i] = signal();
        doc.snpCall[i] = static_cast<int>(rng() % 4);
        if (paired) {
            doc.poolSignal[1][i] = signal();
            doc.alleleASignal[0][i] = signal();
            doc.alleleBSignal[0][i] = signal();
            doc.alleleASignal[1][i] = signal();
            doc.alleleBSignal[1][i] = signal();
            doc.normalSnpCall[i] = static_cast<int>(rng() % 4);
        }
    }
    std::snprintf(doc.poolSampleName[t][0], kNameSize, "%s", name.c_str());
    doc.arrayType = t;
    doc.referenceMode = paired ? kSelfReference : kNonSelfReference;
    doc.analysedRow[t] = 0;
    doc.regionStart[t] = doc.snpFirst[t] + 1000;
    doc.regionEnd[t] = doc.snpFirst[t] + 9000;
    doc.baseCopyNumber = 2;
    const float means[kStates] = {-1.3f, -0.51f, 0.0f, 0.37f, 0.66f, 0.9f, 1.12f};
    std::memcpy(doc.hmmMean, means, sizeof means);
    for (int k = 0; k < kRefSelectedSize; ++k) doc.refSelected[t][k] = (k >= 1 && k % 3 != 0) ? 1 : 0;
    doc.refUsedCount[t] = 5;
    doc.pivotRow[t] = 0;
}

void fillPool(CVARNDoc& doc, int t, int refs, unsigned seed) {
    std::mt19937 rng(seed);
    std::normal_distribution<float> noise(0.0f, 0.05f);
    for (int r = 1; r <= refs; ++r) {
        for (int i = doc.snpFirst[t]; i <= doc.snpLast[t]; ++i) doc.poolSignal[r][i] = 20.0f * (1.0f + noise(rng));
        std::snprintf(doc.poolSampleName[t][r], kNameSize, "ref%02d", r);
    }
    doc.refCount[t] = refs + 1;
}

namespace {
void mix(std::uint64_t& h, const void* data, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
}
} // namespace

std::uint64_t storedFieldsDigest(const CVARNDoc& doc, int t) {
    std::uint64_t h = 1469598103934665603ull;
    const std::size_t first = static_cast<std::size_t>(doc.snpFirst[t]);
    const std::size_t n = static_cast<std::size_t>(doc.snpLast[t] - doc.snpFirst[t] + 1);
    for (int row = 0; row < 2; ++row) {
        mix(h, doc.poolSignal[row] + first, n * sizeof(float));
        mix(h, doc.alleleASignal[row] + first, n * sizeof(float));
        mix(h, doc.alleleBSignal[row] + first, n * sizeof(float));
    }
    mix(h, doc.snpCall.data() + first, n * sizeof(int));
    mix(h, doc.normalSnpCall.data() + first, n * sizeof(int));
    mix(h, doc.poolSampleName[t], sizeof(char[kNameRows][kNameSize]));
    const int ints[] = {doc.arrayType, doc.analysedRow[t], doc.regionStart[t], doc.regionEnd[t], doc.baseCopyNumber,
                        doc.refUsedCount[t], doc.pivotRow[t], doc.referenceMode, doc.sampleOrigin};
    mix(h, ints, sizeof ints);
    mix(h, doc.hmmMean, sizeof doc.hmmMean);
    mix(h, doc.refSelected[t], sizeof doc.refSelected[t]);
    mix(h, doc.diseaseOrigin.data(), doc.diseaseOrigin.size());
    mix(h, doc.remarks.data(), doc.remarks.size());
    return h;
}

void makeOutputFolders(const CVARNDoc& doc) {
    for (const char* folder : {"c:\\VARN\\temporary files", "c:\\VARN\\Self temporary files", "c:\\VARN\\IGBfiles",
                               "c:\\VARN View"})
        std::filesystem::create_directories(doc.fixedPath(folder));
}

std::string printedF(double v) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%f", v);
    return buf;
}

} // namespace varn::test
