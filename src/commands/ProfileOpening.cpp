// Open Profile: a per-SNP profile from any array into the window, read, fitted and shown.
#include "ProfileCommands.h"

#include "commands/CProfileOpen.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "document/profile/CytoBandFile.h"
#include "engine/analysis/ProfileAnalysis.h"
#include "engine/analysis/ProfileResult.h"
#include "export/ProfileOutputs.h"
#include "export/StoredProfileFile.h"
#include "view/CVARNView.h"
#include "view/profile/ShownProfile.h"

#include <algorithm>

namespace varn {

namespace {

// The profile formats and their usual names, and gzipped files of any of them.
constexpr const char* kProfileFilter =
    "Profiles (*.txt;*.csv;*.tsv;*.gz)|*.txt;*.csv;*.tsv;*.gz|Gzipped files (*.gz)|*.gz|All Files (*.*)|*.*||";

std::vector<CytoBand> cytobandsFor(const InstallRoot& root, GenomeBuild build) {
    const auto file = findCytoBandFile(root.map("c:\\VARN\\data"), build);
    if (!file) return {};
    CytoBandReading reading = readCytoBandFile(*file);
    // A broken band file costs the ideogram, not the profile: the outlines are drawn instead.
    return reading.refusal.empty() ? std::move(reading.bands) : std::vector<CytoBand>{};
}

// The solution the sample's stored analysis was decoded at, when it was stored from this very
// file; 0 otherwise.
int keptSolution(const InstallRoot& root, const Profile& profile) {
    const std::filesystem::path file = storedProfileFile(root, profile.sample);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return 0;
    ProfileResult kept;
    std::string why;
    if (!readStoredProfile(file, kept, why) || kept.profile.source != profile.source) return 0;
    return kept.solution;
}

} // namespace

std::shared_ptr<ShownProfile> makeShownProfile(const InstallRoot& root, ProfileResult result) {
    auto shown = std::make_shared<ShownProfile>();
    shown->result = std::move(result);
    shown->picture = profilePictureOf(shown->result, cytobandsFor(root, shown->result.build));
    return shown;
}

void showProfile(CVARNDoc& doc, CVARNView& view, std::shared_ptr<ShownProfile> profile) {
    const std::string line = profile->result.profile.sample + ": " + profile->result.solutionLine;
    doc.shownProfile = std::move(profile);
    view.currentChromosome = std::clamp(view.currentChromosome, 1, 23);
    view.showProfileGenome();
    doc.ui().status(line);
}

bool openProfile(CVARNDoc& doc, CVARNView& view, const std::optional<std::filesystem::path>& file) {
    UserInterface& ui = doc.ui();
    std::filesystem::path path;
    if (file) {
        path = *file;
    } else {
        FileChooserOptions chooser;
        chooser.title = "Open Profile";
        chooser.initialDirectory = doc.installRoot().root();
        chooser.filter = kProfileFilter;
        const auto chosen = ui.openFile(chooser);
        if (!chosen) return false;
        path = *chosen;
    }

    // The first reading says what the file holds; a report of several samples is refused until
    // one is named, which is what the dialog asks.
    auto firstReading = std::make_shared<ProfileReading>();
    if (!ui.runCancellable("Reading " + path.filename().string(),
                           [firstReading, path] { *firstReading = readProfile(path, {}); }))
        return false;
    ProfileReading& first = *firstReading;
    if (!first.profile && first.summary.samples.size() <= 1) {
        ui.messageBox(first.refusal);
        return false;
    }
    CProfileOpen dialog;
    dialog.file = path;
    dialog.onInitDialog(first);
    const DialogResult answer = ui.profileOpen(dialog);
    if (answer == DialogResult::Failed) ui.messageBox("Profile dialog error");
    if (answer != DialogResult::Ok) return false;

    const ProfileOptions options = dialog.options();
    const bool same = first.profile && options.sample.empty() && options.normal.empty() && options.pfb.empty() &&
                      options.build == ProfileOptions{}.build;
    // Read (again, with the answers) and fitted off the window's thread; the work owns all it
    // touches, since a Cancel leaves it to finish alone.
    struct Work {
        ProfileReading reading;
        ProfileAnalysis analysis;
        std::shared_ptr<ShownProfile> shown = std::make_shared<ShownProfile>();
    };
    auto work = std::make_shared<Work>();
    if (same) work->reading = std::move(first);
    firstReading.reset();
    const InstallRoot root = doc.installRoot();
    const bool done = ui.runCancellable("Reading and fitting " + path.filename().string(), [work, same, path, options, root] {
        if (!same) work->reading = readProfile(path, options);
        if (!work->reading.profile) return;
        ShownProfile& shown = *work->shown;
        shown.asRead = std::make_shared<const Profile>(std::move(*work->reading.profile));
        work->analysis = analyseProfile(*shown.asRead, shown.analysis);
        if (!work->analysis.refusal.empty()) return;
        // The same file opened again comes back at the solution its stored analysis was kept at.
        if (const int kept = keptSolution(root, *shown.asRead); kept > 0 && kept != work->analysis.solution) {
            shown.analysis.solution = kept;
            work->analysis = analyseProfile(*shown.asRead, shown.analysis);
            if (!work->analysis.refusal.empty()) return;
        }
        shown.fit = work->analysis.fit;
        shown.result = profileResult(*shown.asRead, work->analysis, options.build);
        shown.picture = profilePictureOf(shown.result, cytobandsFor(root, options.build));
    });
    if (!done) return false;
    if (!work->shown->asRead) {
        ui.messageBox(work->reading.refusal);
        return false;
    }
    if (!work->analysis.refusal.empty()) {
        ui.messageBox(path.string() + ": " + work->analysis.refusal);
        return false;
    }
    work->shown->file = path;
    work->shown->read = options;
    showProfile(doc, view, work->shown);
    return true;
}

} // namespace varn
