// The HMM parameter dialog on a profile's page: the joint fit's map and solutions, and a solution
// picked from them decoding the whole profile again.
#include "ProfileCommands.h"

#include "commands/CHMMParameter.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "engine/analysis/ProfileAnalysis.h"
#include "engine/analysis/ProfileResult.h"
#include "engine/purity/JointFitEstimate.h"
#include "view/CVARNView.h"
#include "view/profile/ShownProfile.h"

namespace varn {

namespace {

// The fit of the profile shown; a restored analysis keeps no map, so it is fitted again from the
// SNPs it stored.
const Profile& snpsOf(const ShownProfile& p) { return p.asRead ? *p.asRead : p.result.profile; }

const PurityPloidyFit& fitOf(ShownProfile& p) {
    if (!p.fit.available) p.fit = analyseProfile(snpsOf(p), {}).fit;
    return p.fit;
}

} // namespace

void profileHmmParameter(CVARNDoc& doc, CVARNView& view) {
    if (!doc.shownProfile) return;
    ShownProfile& shown = *doc.shownProfile;
    CHMMParameter dialog;
    for (int i = 0; i < 6; ++i) dialog.member[i] = doc.hmmMean[5 - i];
    dialog.onInitDialog();
    dialog.baselineChoice = false;
    dialog.estimator = [&shown](PurityEstimate& estimate, std::string& reason) {
        const PurityPloidyFit& fit = fitOf(shown);
        if (!fit.available || fit.solutions.empty()) {
            reason = fit.why.empty() ? "The profile gives the fit nothing to read." : fit.why;
            return false;
        }
        estimate = estimateOfJointFit(fit, static_cast<int>(shown.result.profile.size()));
        return true;
    };
    const DialogResult result = doc.ui().hmmParameter(dialog);
    if (result == DialogResult::Failed) {
        doc.ui().messageBox("Parameter set error");
        return;
    }
    // The means of the 50K pages do not decode a profile: only a solution picked changes it.
    if (result != DialogResult::Ok || dialog.pickedSolution() == nullptr) return;
    ProfileAnalysisOptions options = shown.analysis;
    options.solution = dialog.pickedNumber;
    // Decoded off the window's thread from SNPs the work shares, so that a Cancel may leave it.
    auto snps = shown.asRead ? shown.asRead : std::make_shared<const Profile>(shown.result.profile);
    auto analysis = std::make_shared<ProfileAnalysis>();
    auto next = std::make_shared<ShownProfile>();
    const InstallRoot root = doc.installRoot();
    const GenomeBuild build = shown.result.build;
    const bool done = doc.ui().runCancellable(
        "Decoding at solution " + std::to_string(options.solution), [snps, analysis, next, options, build] {
            *analysis = analyseProfile(*snps, options);
            if (!analysis->refusal.empty()) return;
            next->result = profileResult(*snps, *analysis, build);
        });
    if (!done) return;
    if (!analysis->refusal.empty()) {
        doc.ui().messageBox(shown.result.profile.source + ": " + analysis->refusal);
        return;
    }
    next = makeShownProfile(root, std::move(next->result));
    next->file = shown.file;
    next->read = shown.read;
    next->asRead = shown.asRead;
    next->analysis = options;
    next->fit = analysis->fit;
    showProfile(doc, view, std::move(next));
}

} // namespace varn
