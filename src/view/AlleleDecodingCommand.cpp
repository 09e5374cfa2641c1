// Data > Allele-specific Decoding: the analysis shown decoded by the allele-specific HMM into total
// and minor-parent copies, or by the seven-state HMM again.
#include "CVARNView.h"

#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "engine/analysis/AlleleSpecificDecoding.h"
#include "engine/analysis/ResultWording.h"
#include "engine/signal/BaselineRegionLevel.h"
#include "view/ShownAlleleAnalysis.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

std::string decodedReport(const AlleleDecoding& d) {
    std::string text = "Allele-specific decoding: tumour cells " + figureText(Figure::TumourCells, d.purity) +
                       ", baseline region " + std::to_string(d.regionCopyNumber) + " copies";
    if (d.sex.read) text += std::string(", X reads ") + (d.sex.male ? "male" : "female");
    if (!d.warning.empty()) text += "; warning: " + d.warning;
    return text;
}

} // namespace

void CVARNView::OnAlleleDecoding() {
    int t = 0;
    bool paired = false;
    if (!shownAlleleAnalysis(doc_, t, paired)) return;
    int* states = doc_.hmmState[0];

    if (doc_.alleleSpecificDecoding) {
        // The seven-state HMM decodes the autosomes of a pool profile again, at the means in use
        // now; X, and every position of a paired profile, which it does not decode, get back the
        // states they held before, so that the profile is the one it was.
        doc_.alleleSpecificDecoding = false;
        doc_.hmmMinorCopies.clear();
        if (statesBeforeAlleles_.size() == static_cast<std::size_t>(kSlots))
            std::copy(statesBeforeAlleles_.begin(), statesBeforeAlleles_.end(), states);
        statesBeforeAlleles_.clear();
        if (!paired)
            for (int a = firstArrayOf(t); a <= lastArrayOf(t); ++a) doc_.runHmm(a, 0);
        doc_.ui().status("Decoded again with the seven-state HMM");
        Invalidate();
        return;
    }

    std::vector<int> before(states, states + kSlots);
    std::vector<signed char> minorBefore = doc_.hmmMinorCopies;
    const AlleleDecoding d = decodeAlleleSpecific(doc_, t, paired);
    if (!d.decoded) {
        std::copy(before.begin(), before.end(), states);
        doc_.hmmMinorCopies = std::move(minorBefore);
        doc_.ui().messageBox("The allele-specific decoding cannot run: " + d.why);
        return;
    }
    statesBeforeAlleles_ = std::move(before);
    doc_.alleleSpecificDecoding = true;
    doc_.ui().status(decodedReport(d));
    Invalidate();
}

void CVARNView::decodeFitWithAlleles() {
    const AlleleAnalysis* alleles = shownAlleles();
    if (alleles == nullptr || !alleles->available) return;
    if (!doc_.alleleSpecificDecoding) {
        OnAlleleDecoding();
        return;
    }
    // Already on: applying the solution decoded the profile again with it.
    AlleleDecoding d;
    d.purity = doc_.hmmMeansPurity;
    d.regionCopyNumber = baselineCopyNumberOf(doc_);
    doc_.ui().status(decodedReport(d));
}

} // namespace varn
