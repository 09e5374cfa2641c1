#pragma once

// The page both paint benchmarks draw: a merged profile with something on every track (ratios,
// states, LOH, averages, heterozygous calls and cytoband runs of 200 SNPs), shown in mode 2 under
// the Monitor preset.

#include "document/CVARNDoc.h"
#include "document/CollectingUserInterface.h"
#include "view/CVARNView.h"
#include "view/DisplayMode.h"

#include <filesystem>

namespace varn::bench {

struct MergedPage {
    CollectingUserInterface ui;
    CVARNDoc doc{InstallRoot(std::filesystem::temp_directory_path() / "varn-bench-paint"), ui};
    CVARNView view{doc};

    MergedPage() {
        for (int p = 0; p < kSlots; ++p) {
            doc.arrangeOrder[p] = p;
            doc.combineOrder[p] = p;
            doc.positionUsable[p] = p % 10 != 0;
            doc.snpBandStain[p] = 1 + (p / 200) % 8;
            doc.snpCall[p] = 1 + p % 3;
            doc.logRatio[0][p] = static_cast<float>(p % 41 - 20) / 40.0f;
            doc.hmmState[0][p] = 1 + p % 4;
            doc.lohScore[p] = static_cast<float>(p % 97);
            doc.averageRatio[0][p] = static_cast<float>(p % 13 - 6) / 30.0f;
        }
        view.displayMode = ModeGenomeBoth;
        view.shownArrayType = kCombined;
        view.windowExtX = 20;
        view.windowExtY = 10;
        view.drawMethod = 2;
        view.averageNumber = 5;
    }
};

} // namespace varn::bench
