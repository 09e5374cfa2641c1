// The HMM parameter command: edit the expected log ratios of copy numbers 0..5 and decode again.
#include "view/CVARNView.h"

#include "CHMMParameter.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

namespace varn {

// Dialog row i stands for copy number 5 - i; copy number 6 keeps its mean. The profile is
// recomputed against the analysed row itself as denominator. The merged view has no pool of its
// own, so there both arrays are recomputed, each with its own region and references.
void CVARNView::OnHmmParameter() {
    CVARNDoc& doc = doc_;
    CHMMParameter dialog;
    for (int i = 0; i < 6; ++i) dialog.member[i] = doc.hmmMean[5 - i];
    dialog.onInitDialog();
    const DialogResult result = doc.ui().hmmParameter(dialog);
    if (result == DialogResult::Failed) {
        doc.ui().messageBox("Parameter set error");
        return;
    }
    if (result != DialogResult::Ok) return;
    for (int i = 0; i < 6; ++i) doc.hmmMean[i] = dialog.member[5 - i];

    const int t = shownArrayType;
    const int first = t == kCombined ? kXba : t;
    const int last = t == kCombined ? kHind : t;
    for (int a = first; a <= last; ++a) {
        if (t == kCombined && doc.refCount[a] < 2) continue; // no pool of that array loaded
        doc.computePoolRatio(doc.regionStart[a], doc.regionEnd[a], doc.refSelected[a], doc.analysedRow[a], 0, a);
    }
    Invalidate();
}

} // namespace varn
