// Which allele analysis a page shows: the array (or both merged) and whether it is paired.
#include "ShownAlleleAnalysis.h"

#include "CVARNView.h"
#include "DisplayMode.h"
#include "document/CVARNDoc.h"

namespace varn {

bool shownAlleleAnalysis(const CVARNDoc& doc, int& t, bool& paired) {
    if (doc.view == nullptr) return false;
    const int m = doc.view->displayMode;
    paired = m == ModeGenomeSelf || m == ModeChromosomeSelf;
    if (m == ModeGenomeBoth || m == ModeChromosomeBoth) t = kCombined;
    else if (m == ModeGenomeSingle || m == ModeChromosomeSingle || paired) t = doc.arrayType;
    else return false;
    return paired ? (t == kXba || t == kHind) && doc.referenceMode == kSelfReference
                  : t == kCombined || t == kXba || t == kHind;
}

AlleleAnalysis analyseShownAlleles(const CVARNDoc& doc) {
    int t = 0;
    bool paired = false;
    if (!shownAlleleAnalysis(doc, t, paired)) {
        AlleleAnalysis none;
        none.why = "the allele analysis belongs to a genome or chromosome view of an analysis";
        return none;
    }
    return analyseAlleles(doc, t, paired);
}

} // namespace varn
