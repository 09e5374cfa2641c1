// Range Set for anyone who cannot drag: the region typed as varn-cli's --region reads it, then the
// road a drag's release takes, so that the same stretch gives the same baseline either way.
#include "view/CVARNView.h"

#include "commands/CBaseSet.h"
#include "commands/CRegionEntry.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

namespace varn {

void CVARNView::OnRegionTyped() {
    CVARNDoc& doc = doc_;
    const int t = displayMode == ModeGenomeBoth ? kCombined : shownArrayType;
    const bool single = displayMode == ModeGenomeSingle || displayMode == ModeGenomeSelf;
    if (!rangeSetArmed || (t != kXba && t != kHind && t != kCombined) ||
        (!single && displayMode != ModeCompensation && displayMode != ModeGenomeBoth) ||
        (t == kCombined) != (displayMode == ModeGenomeBoth))
        return;
    CRegionEntry dialog;
    dialog.doc = &doc;
    dialog.t = t;
    if (doc.ui().regionEntry(dialog) != DialogResult::Ok) return;
    // The compensation view asks for no copy number; the genome pages do, and a Cancel there
    // takes back the selection as it does after a drag.
    int baseCopy = 0;
    if (displayMode != ModeCompensation) {
        CBaseSet copies;
        if (doc.ui().baseSet(copies) != DialogResult::Ok) {
            rangeSetArmed = 0;
            Invalidate();
            return;
        }
        baseCopy = copies.n;
        rangeSetArmed = 0;
    }
    if (displayMode == ModeGenomeBoth)
        applyCombinedRegion(dialog.first, dialog.last, baseCopy);
    else
        applyRegionBaseline(t, dialog.first, dialog.last, baseCopy);
}

} // namespace varn
