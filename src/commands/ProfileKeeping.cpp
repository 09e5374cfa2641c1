// A profile's analysis kept and written: Store, Load Profile Analysis, SegmentOut and AlleleOut on
// a profile's page, as `varn-cli profile` keeps and writes them.
#include "ProfileCommands.h"

#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "engine/analysis/ProfileResult.h"
#include "export/ProfileOutputs.h"
#include "export/StoredProfileFile.h"
#include "view/CVARNView.h"
#include "view/profile/ShownProfile.h"

#include <system_error>

namespace varn {

void storeProfile(CVARNDoc& doc) {
    if (!doc.shownProfile) return;
    const ProfileResult& result = doc.shownProfile->result;
    const std::filesystem::path path = storedProfileFile(doc.installRoot(), result.profile.sample);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (!writeStoredProfile(path, result)) {
        doc.ui().messageBox("Profile analysis cannot be stored in " + path.string());
        return;
    }
    doc.ui().fileWritten("Stored", path);
}

bool loadProfileAnalysis(CVARNDoc& doc, CVARNView& view, const std::optional<std::filesystem::path>& file) {
    std::filesystem::path path;
    if (file) {
        path = *file;
    } else {
        FileChooserOptions chooser;
        chooser.title = "Load Profile Analysis";
        chooser.initialDirectory = doc.installRoot().map("c:\\VARN\\temporary files");
        chooser.filter = "Profile analysis (*.profile.gz)|*.profile.gz|All Files (*.*)|*.*||";
        const auto chosen = doc.ui().openFile(chooser);
        if (!chosen) return false;
        path = *chosen;
    }
    ProfileResult result;
    std::string error;
    if (!readStoredProfile(path, result, error)) {
        doc.ui().messageBox(error);
        return false;
    }
    auto shown = makeShownProfile(doc.installRoot(), std::move(result));
    shown->file = path;
    shown->read.build = shown->result.build;
    shown->analysis.solution = shown->result.solution;
    showProfile(doc, view, std::move(shown));
    doc.ui().filesLoaded({path});
    return true;
}

void profileSegmentOut(CVARNDoc& doc) {
    if (doc.shownProfile) writeProfileSegmentFiles(doc.installRoot(), doc.shownProfile->result, doc.ui());
}

void profileAlleleOut(CVARNDoc& doc) {
    if (doc.shownProfile) writeProfileAscatFiles(doc.installRoot(), doc.shownProfile->result, doc.ui());
}

} // namespace varn
