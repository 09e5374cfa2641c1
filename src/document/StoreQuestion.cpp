// Whether the analysis shown holds work that no stored file keeps, and the question asked before
// it is closed. What Store keeps is the text of its temporary file (the sample's signals and calls
// with every setting the profile is recomputed from) and the decoding it is shown with, so the
// analysis has changed exactly when that text or decoding differs from what was last stored or
// loaded.
#include "CVARNDoc.h"

#include "NonSelfTempFile.h"
#include "SampleName.h"
#include "SelfTempFile.h"
#include "UserInterface.h"
#include "engine/common/ContentKey.h"
#include "view/CVARNView.h"
#include "view/DisplayMode.h"

namespace varn {

namespace {

// The pages that show one array's finished analysis, which Store keeps; the merged analysis has no
// file of its own, and the compensation and ranking pages are steps before a result.
bool storablePage(int mode, int referenceMode) {
    if (referenceMode == kNonSelfReference) return mode == ModeGenomeSingle || mode == ModeChromosomeSingle;
    if (referenceMode == kSelfReference) return mode == ModeGenomeSelf || mode == ModeChromosomeSelf;
    return false;
}

} // namespace

std::uint64_t CVARNDoc::storableAnalysisKey() const {
    const int t = arrayType;
    if (view == nullptr || (t != kXba && t != kHind) || !storablePage(view->displayMode, referenceMode))
        return 0;
    ContentKey key;
    key.add(t);
    key.add(referenceMode);
    key.addText(referenceMode == kNonSelfReference ? formatNonSelfTempFile(*this, t)
                                                   : formatSelfTempFile(*this, t));
    key.add(alleleSpecificDecoding);
    key.add(hmmMeansPurity);
    key.add(appliedSolution.number);
    key.add(appliedSolution.purity);
    key.add(appliedSolution.ploidy);
    key.add(appliedSolution.doubled);
    if (!hmmMinorCopies.empty()) key.addAll(std::span<const signed char>(hmmMinorCopies));
    // A key of 0 stands for nothing to store.
    return key.value() == 0 ? 1 : key.value();
}

void CVARNDoc::markAnalysisStored() {
    storedAnalysisKey = storableAnalysisKey();
}

bool CVARNDoc::analysisUnstored() const {
    const std::uint64_t key = storableAnalysisKey();
    return key != 0 && key != storedAnalysisKey;
}

bool CVARNDoc::MayCloseAnalysis() {
    if (!askToStoreAnalysis || !analysisUnstored()) return true;
    const int t = arrayType;
    const int row = referenceMode == kSelfReference || analysedRow[t] < 0 || analysedRow[t] >= kNameRows
                        ? 0
                        : analysedRow[t];
    const std::string sample(sampleName(poolSampleName[t][row]));
    switch (ui().storeQuestion("Store the analysis of " + sample + "?")) {
    case StoreChoice::Store:
        OnStore();
        // A Store that failed has said why; the analysis stays open so that nothing is lost.
        return !analysisUnstored();
    case StoreChoice::Discard:
        return true;
    case StoreChoice::Cancel:
        break;
    }
    return false;
}

} // namespace varn
