// The HMM parameter command: edit the expected log ratios of copy numbers 0..5 and decode again.
#include "view/CVARNView.h"

#include "commands/CHMMParameter.h"
#include "commands/ProfileCommands.h"
#include "document/CVARNDoc.h"
#include "document/HmmDefaults.h"
#include "document/UserInterface.h"
#include "engine/analysis/AlleleSpecificDecoding.h"
#include "engine/analysis/ApplyPurityPloidySolution.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/hmm/MeansForPurity.h"
#include "engine/purity/PurityEstimate.h"

#include <algorithm>

namespace varn {

// Dialog row i stands for copy number 5 - i; copy number 6 keeps its mean unless Estimate set
// it.
void CVARNView::OnHmmParameter() {
    if (isProfileMode(displayMode)) return profileHmmParameter(doc_, *this);
    CVARNDoc& doc = doc_;
    CHMMParameter dialog;
    for (int i = 0; i < 6; ++i) dialog.member[i] = doc.hmmMean[5 - i];
    dialog.onInitDialog();
    // The dialog's list offers every reading worth choosing, the data's best first.
    dialog.fitOptions.listMapBest = true;
    dialog.estimator = [&doc, &dialog, this](PurityEstimate& estimate, std::string& reason) {
        if (doc.referenceMode == kSelfReference) {
            reason = "The estimate reads a profile against a reference pool.";
            return false;
        }
        return estimatePurity(doc, shownArrayType, false, estimate, reason, dialog.fitOptions);
    };
    dialog.pureMeans = [&doc](float out[kStates]) { pureMeansOf(doc, false, out); };
    const DialogResult result = doc.ui().hmmParameter(dialog);
    if (result == DialogResult::Failed) {
        doc.ui().messageBox("Parameter set error");
        return;
    }
    if (result != DialogResult::Ok) return;
    if (const PurityPloidySolution* solution = dialog.pickedSolution()) {
        applyPurityPloidySolution(doc, shownArrayType, *solution, dialog.pickedNumber);
        decodeFitWithAlleles();
        Invalidate();
        return;
    }
    bool moved = false;
    for (int i = 0; i < 6; ++i) {
        moved = moved || doc.hmmMean[i] != dialog.member[5 - i];
        doc.hmmMean[i] = dialog.member[5 - i];
    }
    if (dialog.spinsMatchEstimate()) {
        // The means of the estimate travel whole: copy number 6, which the dialog does not
        // show, and the fraction they stand for.
        std::copy(dialog.estimatedMeans, dialog.estimatedMeans + kStates, doc.hmmMean);
        doc.hmmMeansPurity = dialog.estimatedPurity;
        spreadFactorsForPurity(kDefaultHmmSdFactor, dialog.estimatedPurity, doc.hmmSdFactor);
        doc.appliedSolution = {};
    } else if (moved) {
        // Moved spins make the means the user's own: they stand for the fraction a reload of the
        // stored analysis would find in them (none, as a rule), with its spreads. Untouched
        // spins keep the means, the fraction and the spreads exactly as they were.
        adoptStoredHmmMeans(doc, false);
    }
    redecodeProfiles(doc, shownArrayType);
    Invalidate();
}

// The profile is recomputed against the analysed row itself as denominator, which runs the HMM
// with the document's means. The merged view has no pool of its own, so there both arrays are
// recomputed, each with its own region and references.
void redecodeProfiles(CVARNDoc& doc, int t) {
    const bool alleles = doc.alleleSpecificDecoding;
    const int first = firstArrayOf(t), last = lastArrayOf(t);
    for (int a = first; a <= last; ++a) {
        if (t == kCombined && doc.refCount[a] < 2) continue; // no pool of that array loaded
        doc.computePoolRatio(doc.regionStart[a], doc.regionEnd[a], doc.refSelected[a], doc.analysedRow[a], 0, a);
    }
    // The allele-specific decoder, once chosen, decodes again with the new means.
    if (alleles) doc.alleleSpecificDecoding = decodeAlleleSpecific(doc, t, false).decoded;
}

} // namespace varn
