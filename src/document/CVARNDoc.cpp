#include "CVARNDoc.h"

#include "HmmDefaults.h"

namespace varn {

CVARNDoc::CVARNDoc(InstallRoot root, UserInterface& ui) : root_(std::move(root)), ui_(ui) {
    // Range constants by array type: combined, Xba, Hind.
    const int first[3] = {0, 57244, 0};
    const int last[3] = {116203, 116203, 57243};
    const int autosome[3] = {113236, 114672, 55807};
    const int chrX[3] = {0, 115856, 56957};
    for (int t = 0; t < 3; ++t) {
        snpFirst[t] = first[t];
        snpLast[t] = last[t];
        autosomeLast[t] = autosome[t];
        chrXLast[t] = chrX[t];
    }
    for (int& n : refCount) n = -1;
    singleRefRow[kXba] = 1;
    singleRefRow[kHind] = 1;
    baseCopyNumber = 2;
    arrayType = -1;
    referenceMode = kNonSelfReference;
    endMarker1 = "$$EOF1$$";
    endMarker2 = "$$EOF2$$";
    // A missing table has been reported by its loader; the document goes on with the next one
    // and the missing table stays zero-filled.
    loadIdTable(kHind);
    loadIdTable(kXba);
    loadArrangeTable(kHind);
    loadArrangeTable(kXba);
    loadCytobandTable(kHind);
    loadCytobandTable(kXba);
    loadCombineTable();
    loadHeteroRateTable();
    computePositionUsable();
    ResetHmmParameters();
}

CVARNDoc::~CVARNDoc() = default;

void CVARNDoc::ResetHmmParameters() {
    for (int k = 0; k < kStates; ++k) {
        hmmMean[k] = kDefaultHmmMean[k];
        hmmSdFactor[k] = kDefaultHmmSdFactor[k];
    }
    hmmMeansPurity = 1.0f;
    appliedSolution = {};
}

// The framework's new-document step: the document forgets its file name. It clears no table, so a
// rejected pool file leaves every pool in memory as it was.
bool CVARNDoc::OnNewDocument() {
    pathName.clear();
    return true;
}

void CVARNDoc::ResetSampleAttributes() {
    sampleOrigin = 0;
    diseaseOrigin.clear();
    diseaseOther.clear();
    supplier.clear();
    ploidyText.clear();
    ploidyAdjusted = 0;
    fishText.clear();
    fishAdjusted = 0;
    otherCharacteristics.clear();
    otherAdjusted = 0;
    ploidyStatus = 0;
    remarks.clear();
    lastUpdateTime.clear();
}

// Fits and SDs use fragments of 500..2000 bases with a known GC content: outside that range the
// PCR amplification of the array protocol is too weak or too uneven for the signal to be trusted.
void CVARNDoc::computePositionUsable() {
    for (int p = 0; p < kSlots; ++p) {
        const int snp = arrangeOrder[p];
        const bool inRange = inSlots(snp);
        const int length = inRange ? snpFragmentLength[snp] : 0;
        const float gc = inRange ? snpGcContent[snp] : 0.0f;
        positionUsable[p] = (length >= 500 && length <= 2000 && gc > 0.0f) ? 1 : 0;
    }
}

} // namespace varn
