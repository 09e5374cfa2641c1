#pragma once

// Shared set-up of the engine benchmarks: a synthetic genome and pool in memory, a user interface
// that ticks every reference and accepts the averaging defaults, and the demo tumour analysed.

#include "BenchSupport.h"

#include "commands/CAverage.h"
#include "commands/CRefSelect.h"
#include "demo/DemoInstallation.h"
#include "demo/DemoRandom.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "view/CVARNView.h"
#include "view/GenomeLayout.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <sstream>

namespace varn::bench {

class AcceptingUi : public UserInterface {
public:
    void messageBox(const std::string&) override {}
    bool yesNoBox(const std::string&) override { return true; }
    std::optional<std::filesystem::path> openFile(const FileChooserOptions&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const FileChooserOptions&) override { return std::nullopt; }
    DialogResult basicMode(CBasicMode&) override { return DialogResult::Cancel; }
    DialogResult sampleSelect(CSampleSelect&) override { return DialogResult::Cancel; }
    DialogResult selfSampleSelect(CSelfSampleSelect&) override { return DialogResult::Cancel; }
    DialogResult sampleTypeSelect(CSampleTypeSelect&) override { return DialogResult::Cancel; }
    DialogResult average(CAverage& d) override { return d.onOk(*this) ? DialogResult::Ok : DialogResult::Cancel; }
    DialogResult hmmParameter(CHMMParameter&) override { return DialogResult::Cancel; }
    DialogResult refSelect(CRefSelect& d) override {
        d.onSampleLoad();
        for (std::size_t i = 0; i < d.listChecked.size(); ++i) d.listChecked[i] = true;
        return d.onOk(*this) ? DialogResult::Ok : DialogResult::Cancel;
    }
    DialogResult baseSet(CBaseSet&) override { return DialogResult::Cancel; }
    DialogResult chSelect(CChSelectDlg&) override { return DialogResult::Cancel; }
};

inline float noise(int row, int pos) {
    return demo::hashedNormal(row, pos);
}

// Display order equals record order; SNPs 30 kb apart; fragment lengths 400..2099 and GC
// contents 0.30..0.59 cycling; heterozygosity 0.3; merged order Xba then Hind per chromosome.
inline void fillGenome(CVARNDoc& doc) {
    for (int t = 1; t <= 2; ++t) {
        for (int c = 1; c <= 24; ++c) {
            const int begin = kChromosomeStart[t][c];
            const int end = c < 24 ? kChromosomeStart[t][c + 1] : doc.snpLast[t] + 1;
            for (int p = begin; p < end; ++p) {
                doc.arrangeOrder[p] = p;
                doc.snpChromosome[p] = c;
                doc.snpPosition[p] = (p - begin + 1) * 30000;
                doc.snpFragmentLength[p] = 400 + (p * 37) % 1700;
                doc.snpGcContent[p] = 0.30f + static_cast<float>((p * 13) % 30) / 100.0f;
                doc.heteroRate[p] = 0.3f;
            }
        }
    }
    int m = 0;
    for (int c = 1; c <= 24; ++c)
        for (int t = 1; t <= 2; ++t) {
            const int begin = kChromosomeStart[t][c];
            const int end = c < 24 ? kChromosomeStart[t][c + 1] : doc.snpLast[t] + 1;
            for (int p = begin; p < end; ++p) doc.combineOrder[m++] = p;
        }
    doc.computePositionUsable();
}

// A sample with a gain on chromosome 3 and a loss on chromosome 7, against `rows` - 1
// references, each with its own length and GC dependence and noise.
inline void makePool(CVARNDoc& doc, int t, int rows) {
    doc.refCount[t] = rows;
    for (int row = 0; row < rows; ++row) {
        std::snprintf(doc.poolSampleName[t][row], kNameSize, "ref%d", row);
        doc.refSelected[t][row] = row > 0;
        const float a = 0.3f * std::sin(1.7f * static_cast<float>(row));
        const float b = 0.4f * std::cos(2.3f * static_cast<float>(row));
        const float g = 1.5f * std::sin(0.9f * static_cast<float>(row) + 1.0f);
        const float spread = 0.08f + 0.002f * static_cast<float>(row % 50);
        for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
            const float l = (static_cast<float>(doc.snpFragmentLength[pos]) - 1200.0f) / 1000.0f;
            const float gc = doc.snpGcContent[pos] - 0.45f;
            float signal = 1000.0f * std::exp(a * l + b * l * l + g * gc + spread * noise(row, pos));
            if (row == 0 && pos >= kChromosomeStart[t][3] && pos < kChromosomeStart[t][4]) signal *= 1.5f;
            if (row == 0 && pos >= kChromosomeStart[t][7] && pos < kChromosomeStart[t][8]) signal *= 0.5f;
            doc.poolSignal[row][pos] = signal;
        }
    }
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) doc.snpCall[pos] = pos % 3 == 0 ? kCallAB : kCallAA;
    doc.regionStart[t] = kChromosomeStart[t][2];
    doc.regionEnd[t] = kChromosomeStart[t][3] - 1;
}

// The demo installation (ten references) and its tumour with 50 % normal cells, Tumor4, read on
// each of `arrays` as File New reads a sample (slot 1 keeps its allele sums), with the short arm
// of chromosome 1 (diploid) as the baseline region, and analysed.
struct DemoTumour {
    ScratchFolder folder;
    AcceptingUi ui;
    std::filesystem::path root = folder.path() / "VARN";
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;

    explicit DemoTumour(std::initializer_list<int> arrays) {
        std::string report;
        std::ostringstream err;
        if (!demo::writeDemoInstallation(root, demo::DemoOptions{}, report, err)) {
            std::fprintf(stderr, "%s", err.str().c_str());
            std::exit(1);
        }
        doc = std::make_unique<CVARNDoc>(InstallRoot(root), ui);
        view = std::make_unique<CVARNView>(*doc);
        for (int t : arrays) {
            const std::string a = t == kXba ? "X" : "H";
            doc->OnOpenDocument(root / (t == kXba ? "XbaPool.ref" : "HindPool.ref"));
            doc->ReadSignalFile(t, root / ("tumorsample" + a) / ("Tumor4" + a + ".txt"), 0, 1);
            doc->sampleAllelesHeld[t] = true;
            doc->ReadSnpCallFile(t, root / ("SNPtumorsample" + a) / ("Tumor4" + a + ".txt"), 0);
            doc->regionStart[t] = kChromosomeStart[t][1];
            doc->regionEnd[t] = kChromosomeStart[t][1] + (kChromosomeStart[t][2] - kChromosomeStart[t][1]) / 3;
            doc->analysedRow[t] = 0;
            analyse(t);
        }
    }

    // The whole analysis of array t: everything Sort does once the pool and the sample are read
    // (reference SDs, ranking, the profile against every reference, the HMM, the moving average
    // and the LOH score).
    void analyse(int t) {
        view->shownArrayType = t;
        view->referenceSdTable[t] = nullptr; // measured by the Sort itself
        view->OnSort();
    }
};

} // namespace varn::bench
