// The baseline region: a stretch of genome taken to be free of copy-number change, with the copy
// number it is known to have. The compensation is fitted on it, the noise of the references and
// of the profile is measured on it, and every ratio is shifted so that it sits at its copy
// number's expected log ratio.
#include "view/CVARNView.h"

#include "document/AnalysisSnapshot.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

namespace varn {

namespace {

int chromosomeAt(const CVARNDoc& doc, int pos) {
    return doc.snpChromosome[doc.arrangeOrder[pos]];
}
int basePositionAt(const CVARNDoc& doc, int pos) {
    return doc.snpPosition[doc.arrangeOrder[pos]];
}

} // namespace

void CVARNView::applyRegionBaseline(int t, int regionStart, int regionEnd, int baseCopy) {
    CVARNDoc& doc = doc_;
    if (t != kXba && t != kHind) return;
    // The paired profile is recomputed at once and asks for its averaging; a Cancel there keeps
    // the region, copy number and profile the person had. Elsewhere what is shown now comes back
    // if the Sort that the ranking leads to is cancelled.
    std::optional<KeepAnalysisUnlessFinished> keep;
    std::unique_ptr<AnalysisSnapshot> before;
    if (displayMode == ModeGenomeSelf)
        keep.emplace(doc);
    else
        before = takeSnapshotBeforeRanking(doc);
    // A selection dragged from right to left means the same stretch; an inverted region would
    // give the fits and SDs nothing to work on.
    if (regionEnd < regionStart) std::swap(regionStart, regionEnd);
    regionStart = std::clamp(regionStart, doc.snpFirst[t], doc.snpLast[t]);
    regionEnd = std::clamp(regionEnd, doc.snpFirst[t], doc.snpLast[t]);
    if (baseCopy >= 1 && baseCopy <= 4) doc.baseCopyNumber = baseCopy;
    // A new baseline moves every level: the solution the means came from no longer describes them.
    doc.appliedSolution = {};
    doc.regionStart[t] = regionStart;
    doc.regionEnd[t] = regionEnd;

    // The compensation view asks for no copy number: its region only chooses the references.
    char text[256];
    const int startChromosome = chromosomeAt(doc, regionStart), startBase = basePositionAt(doc, regionStart);
    const int endChromosome = chromosomeAt(doc, regionEnd), endBase = basePositionAt(doc, regionEnd);
    if (displayMode == ModeCompensation)
        std::snprintf(text, sizeof text,
                      "From %d(Ch %d position %d) \n to %d(Ch %d position %d) \n selected \n Calculate StDev?",
                      regionStart, startChromosome, startBase, regionEnd, endChromosome, endBase);
    else
        std::snprintf(text, sizeof text,
                      "From %d(Ch %d position %d) \n to %d(Ch %d position %d) \n selected \n Base line is %d   "
                      "Calculate StDev?",
                      regionStart, startChromosome, startBase, regionEnd, endChromosome, endBase,
                      doc.baseCopyNumber);
    doc.ui().informationBox(text);

    rangeSetArmed = 0;
    if (displayMode == ModeGenomeSelf) {
        // The paired profile is recomputed at once, fitted on the region and shifted to its
        // copy number; it asks for the averaging itself.
        if (doc.computePairedRatio(regionStart, regionEnd, t)) keep->finished();
        return;
    }
    // Pool mode: the new region and copy number take effect at the next pool computation (Sort);
    // here the references are measured on it for the ranking.
    Invalidate();
    referenceSdTable[t] = doc.measureReferenceSd(regionStart, regionEnd, doc.analysedRow[t], t);
    referenceSdRawTable[t] = doc.measureReferenceSdRaw(regionStart, regionEnd, doc.analysedRow[t], t);
    displayMode = ModeReferenceSort;
    shownBeforeRanking = std::move(before);
    Invalidate();
}

} // namespace varn
