// The Data menu's commands for temporary result files: Store, NonSelfLoad and SelfLoad, and the
// file dialogs that pick a stored analysis.
#include "CVARNDoc.h"

#include "AnalysisSnapshot.h"
#include "StoredDecoding.h"
#include "UserInterface.h"
#include "view/CVARNView.h"

namespace varn {

namespace {

FileChooserOptions tempFileDialog(const CVARNDoc& doc, const char* title, const char* folder) {
    FileChooserOptions chooser;
    chooser.title = title;
    chooser.initialDirectory = doc.fixedPath(folder);
    chooser.filter = "temp(*.temp)|*.temp|all_files(*.*)|*.*||";
    chooser.defaultExtension = "temp";
    chooser.initialFileName = "*.temp";
    return chooser;
}

} // namespace

// A merged Xba + Hind analysis has no file format of its own and is not stored.
void CVARNDoc::OnStore() {
    if (arrayType <= 0) return;
    int failed = 1;
    if (referenceMode == kNonSelfReference)
        failed = StoreNonSelfTempFile(arrayType);
    else if (referenceMode == kSelfReference)
        failed = StoreSelfTempFile(arrayType);
    if (failed == 0) markAnalysisStored();
}

int CVARNDoc::SelectNonSelfTempFile(int expectedArray, std::filesystem::path* chosen) {
    const auto path = ui().openFile(tempFileDialog(*this, "Select temporary file", "C:\\VARN\\temporary files"));
    if (!path) return 1;
    if (chosen != nullptr) *chosen = *path;
    return LoadNonSelfTempFile(*path, expectedArray);
}

int CVARNDoc::LoadSelfTempFile(std::filesystem::path* chosen) {
    const auto path =
        ui().openFile(tempFileDialog(*this, "Select self temporary file", "C:\\VARN\\Self temporary files"));
    if (!path) return 1;
    if (chosen != nullptr) *chosen = *path;
    return LoadSelfTempFile(*path);
}

// The file restores the pool-mode settings; the profile itself is recomputed against the
// references it names, then averaged and shown as a whole genome. A refused file or a cancelled
// averaging dialog leaves the analysis shown as it was.
void CVARNDoc::OnNonSelfLoad() {
    if (!MayCloseAnalysis()) return;
    KeepAnalysisUnlessFinished keep(*this);
    std::filesystem::path chosen;
    if (SelectNonSelfTempFile(0, &chosen) != 0) return;
    const int t = arrayType;
    referenceMode = kNonSelfReference;
    computePoolRatio(regionStart[t], regionEnd[t], refSelected[t], analysedRow[t], 0, t);
    restoreStoredDecoder(*this, t);
    if (view != nullptr && !view->averageArrayType(t)) return;
    keep.finished();
    markAnalysisStored();
    ui().filesLoaded({chosen});
}

void CVARNDoc::OnSelfLoad() {
    if (!MayCloseAnalysis()) return;
    KeepAnalysisUnlessFinished keep(*this);
    std::filesystem::path chosen;
    if (LoadSelfTempFile(&chosen) != 0) return;
    referenceMode = kSelfReference;
    keep.finished();
    markAnalysisStored();
    ui().filesLoaded({chosen});
}

} // namespace varn
