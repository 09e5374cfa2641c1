#include "support/PaintFixture.h"

#include "view/DisplayMode.h"

#include <stdexcept>

namespace varn::test {

void PaintFixture::show(int mode, int t, int chromosome) {
    view.displayMode = mode;
    view.shownArrayType = t;
    view.currentChromosome = chromosome;
    view.windowOrgX = view.windowOrgY = 0;
    switch (mode) {
    case ModeGenomeBoth:
        view.windowExtX = 20;
        view.windowExtY = 10;
        break;
    case ModeChromosomeBoth:
        view.windowExtX = 10;
        view.windowExtY = 4;
        break;
    case ModeGenomeSingle:
    case ModeGenomeSelf:
        view.windowExtX = view.windowExtY = 10;
        break;
    case ModeChromosomeSingle:
    case ModeChromosomeSelf:
        view.windowExtX = 5;
        view.windowExtY = 4;
        break;
    default:
        view.windowExtX = view.windowExtY = 1;
        break;
    }
}

void PaintFixture::paint() {
    canvas = RecordingCanvas{};
    view.OnDraw(canvas);
}

int PaintFixture::positionOf(int i) const {
    return view.shownArrayType == kCombined ? doc.combineOrder[i] : i;
}

int PaintFixture::usableIndex(int chromosome, int from) const {
    const int t = view.shownArrayType;
    const int start = from < 0 ? view.chromosomeStart[t][chromosome] : from;
    for (int i = start; i < view.chromosomeStart[t][chromosome + 1]; ++i)
        if (doc.positionUsable[positionOf(i)] == 1) return i;
    throw std::logic_error("no usable SNP in the chromosome");
}

} // namespace varn::test
