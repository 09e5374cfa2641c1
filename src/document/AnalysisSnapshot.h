#pragma once

#include "AppliedSolution.h"
#include "DocumentLimits.h"

#include <memory>
#include <string>
#include <vector>

namespace varn {

class CVARNDoc;

// The analysis shown, as far as a command may overwrite it before it knows whether it ends in a
// new result: the sample's signals and calls (pool row 1 too, which a paired analysis fills with
// its normal), the profile computed from them, every setting of it (region, references, base copy
// number, HMM means, spreads and the tumour fraction they stand for, arrayType, referenceMode),
// the sample attributes and the view's display state. The pools' references and the annotation
// are not in it: none of these commands change them.
//
// About nine megabytes: whole rows of the per-position tables, so that taking and putting it back
// cost a few milliseconds, against the seconds a person spends in the dialog it guards.
struct AnalysisSnapshot {
    // ---- document ----
    float fitCoef[3] = {};
    float hmmMean[kStates] = {};
    float hmmSdFactor[kStates] = {};
    float hmmMeansPurity = 1.0f;
    AppliedSolution appliedSolution;
    int baseCopyNumber = 0;
    int arrayType = 0;
    int referenceMode = 0;
    int sampleOrigin = 0, ploidyAdjusted = 0, fishAdjusted = 0, otherAdjusted = 0, ploidyStatus = 0;
    std::string diseaseOrigin, diseaseOther, supplier, ploidyText, fishText, otherCharacteristics, remarks,
        lastUpdateTime;
    std::vector<char> poolSampleName;
    float poolRowMean[3][kPoolRows] = {};
    float rowSd[3][kPoolRows] = {};
    int regionStart[3] = {}, regionEnd[3] = {};
    int refSelected[3][kRefSelectedSize] = {};
    int refUsedCount[3] = {}, pivotRow[3] = {}, analysedRow[3] = {}, singleRefRow[3] = {};
    float refSdCompensated[kPoolRows] = {}, refSdRaw[kPoolRows] = {};
    std::vector<signed char> hmmMinorCopies;
    bool alleleSpecificDecoding = false;
    // Per-position rows, each kSlots long, in the order of kRows in the .cpp.
    std::vector<std::vector<float>> floatRows;
    std::vector<std::vector<int>> intRows;

    // ---- view (when the document has one) ----
    bool hasView = false;
    int displayMode = 0, shownArrayType = 0;
    int windowOrgX = 0, windowOrgY = 0, windowExtX = 0, windowExtY = 0, scrollX = 0, scrollY = 0;
    int selStartX = 0, selEndX = 0, selRow = 0, selChromosome = 0, selLimitX = 0, rangeSetArmed = 0;
    bool selPressHit = false;
    int trimExtremes = 0, drawMethod = 0, averageNumber = 0;
    int paintChromosome = 0, currentChromosome = 0, yScale = 0;
    const float* referenceSdTable[3] = {};
    const float* referenceSdRawTable[3] = {};
    int rankOrder[kPoolRows] = {};
};

AnalysisSnapshot takeAnalysisSnapshot(const CVARNDoc& doc);
// Puts everything back and asks the view to repaint.
void restoreAnalysisSnapshot(CVARNDoc& doc, const AnalysisSnapshot& snapshot);
// The analysis shown as a Range Set release finds it, to come back if the Sort it leads to is
// cancelled (CVARNView::shownBeforeRanking); the selection being released is not part of it.
std::unique_ptr<AnalysisSnapshot> takeSnapshotBeforeRanking(const CVARNDoc& doc);

// A command that can stop half-way (a Cancel, a refused or broken file) holds one of these from
// its start: unless finished() is called once the command has its new result, the analysis shown
// is put back when the guard goes out of scope, on whichever road the command left by.
class KeepAnalysisUnlessFinished {
public:
    explicit KeepAnalysisUnlessFinished(CVARNDoc& doc);
    ~KeepAnalysisUnlessFinished();
    KeepAnalysisUnlessFinished(const KeepAnalysisUnlessFinished&) = delete;
    KeepAnalysisUnlessFinished& operator=(const KeepAnalysisUnlessFinished&) = delete;

    // The command has its new result: nothing is put back, and an earlier result kept for a
    // cancelled Sort (CVARNView::shownBeforeRanking) is no longer the one to return to.
    void finished();

private:
    CVARNDoc& doc_;
    AnalysisSnapshot kept_;
    bool finished_ = false;
};

} // namespace varn
