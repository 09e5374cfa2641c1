// The Data menu's commands for temporary result files: Store, NonSelfLoad and SelfLoad, and the
// file dialogs that pick a stored analysis.
#include "CVARNDoc.h"

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
    if (referenceMode == kNonSelfReference) StoreNonSelfTempFile(arrayType);
    else if (referenceMode == kSelfReference) StoreSelfTempFile(arrayType);
}

int CVARNDoc::SelectNonSelfTempFile(int expectedArray) {
    const auto path = ui().openFile(tempFileDialog(*this, "Select temporary file", "C:\\VARN\\temporary files"));
    if (!path) return 1;
    return LoadNonSelfTempFile(*path, expectedArray);
}

int CVARNDoc::LoadSelfTempFile() {
    const auto path =
        ui().openFile(tempFileDialog(*this, "Select self temporary file", "C:\\VARN\\Self temporary files"));
    if (!path) return 1;
    return LoadSelfTempFile(*path);
}

// The file restores the pool-mode settings; the profile itself is recomputed against the
// references it names, then averaged and shown as a whole genome.
void CVARNDoc::OnNonSelfLoad() {
    if (SelectNonSelfTempFile() != 0) return;
    const int t = arrayType;
    referenceMode = kNonSelfReference;
    computePoolRatio(regionStart[t], regionEnd[t], refSelected[t], analysedRow[t], 0, t);
    if (view != nullptr) view->averageArrayType(t);
}

void CVARNDoc::OnSelfLoad() {
    if (LoadSelfTempFile() == 0) referenceMode = kSelfReference;
}

} // namespace varn
