#include "support/TestDocument.h"

#include "view/GenomeLayout.h"

#include <vector>

namespace varn::test {

void fillSyntheticAnnotation(CVARNDoc& doc) {
    for (int t = 1; t <= 2; ++t) {
        for (int c = 1; c <= 24; ++c) {
            const int begin = kChromosomeStart[t][c];
            const int end = c < 24 ? kChromosomeStart[t][c + 1] : doc.snpLast[t] + 1;
            for (int p = begin; p < end; ++p) {
                doc.arrangeOrder[p] = p;
                doc.snpChromosome[p] = c <= 23 ? c : 0;
                doc.snpPosition[p] = (p - begin + 1) * 30000;
                doc.snpFragmentLength[p] = 400 + (p * 37) % 1700;
                doc.snpGcContent[p] = 0.30f + static_cast<float>((p * 13) % 30) / 100.0f;
                doc.heteroRate[p] = 0.3f;
            }
        }
    }
    std::vector<int> merged;
    merged.reserve(kSlots);
    for (int c = 1; c <= 24; ++c) {
        for (int t = 1; t <= 2; ++t) {
            const int begin = kChromosomeStart[t][c];
            const int end = c < 24 ? kChromosomeStart[t][c + 1] : doc.snpLast[t] + 1;
            for (int p = begin; p < end; ++p) merged.push_back(p);
        }
    }
    for (int m = 0; m < kSlots; ++m) doc.combineOrder[m] = merged[static_cast<std::size_t>(m)];
    doc.computePositionUsable();
}

void fillSyntheticProfile(CVARNDoc& doc) {
    for (int p = 0; p < kSlots; ++p) {
        doc.snpBandStain[p] = 1 + (p / 300) % 8;
        doc.snpCall[p] = 1 + p % 3;
        doc.normalSnpCall[p] = 1 + (p / 2) % 3;
        doc.logRatio[0][p] = static_cast<float>(p % 41 - 20) / 40.0f;
        doc.hmmState[0][p] = (p / 700) % 7;
        doc.lohScore[p] = static_cast<float>((p / 40) % 97);
        for (int row = 0; row < 3; ++row)
            doc.averageRatio[row][p] = static_cast<float>((p + row) % 13 - 6) / 30.0f;
        doc.poolSignal[0][p] = 1.0f + static_cast<float>(p % 17) / 20.0f;
        doc.poolSignal[1][p] = 1.0f + static_cast<float>(p % 11) / 15.0f;
    }
    for (int t = 1; t <= 2; ++t) {
        doc.analysedRow[t] = 0;
        doc.singleRefRow[t] = 1;
        doc.regionStart[t] = doc.snpFirst[t] + 100;
        doc.regionEnd[t] = doc.snpFirst[t] + 900;
    }
}

TestDocument::TestDocument(bool synthetic) {
    doc = std::make_unique<CVARNDoc>(InstallRoot(root.path() / "VARN"), ui);
    view = std::make_unique<CVARNView>(*doc);
    ui.messages.clear();
    if (synthetic) fillSyntheticAnnotation(*doc);
}

} // namespace varn::test
