// File New: the set-up of an analysis. The type of analysis and the arrays are chosen first, then
// either the raw files of a new sample or a stored analysis, which are read and handed to the
// ratio computation and the view.
#include "CVARNDoc.h"

#include "SampleFileCheck.h"
#include "SetupDialogs.h"
#include "UserInterface.h"
#include "view/CVARNView.h"

#include <cstring>
#include <string>

namespace varn {

namespace {

// A name row holds 31 characters and a terminator; a longer file name keeps its first 31.
void storeSampleName(char (&row)[kNameSize], const std::string& name) {
    std::memset(row, 0, sizeof row);
    std::memcpy(row, name.data(), name.size() < kNameSize - 1 ? name.size() : kNameSize - 1);
}

// A stored non-self analysis is recomputed with the region, references and analysed row that
// the file brought, against row 0 as the common denominator.
void recomputeStoredPoolProfile(CVARNDoc& doc, int t) {
    doc.computePoolRatio(doc.regionStart[t], doc.regionEnd[t], doc.refSelected[t], doc.analysedRow[t], 0, t);
}

void newNonSelfSample(CVARNDoc& doc, int t) {
    if (doc.refCount[t] == -1) {
        doc.ui().messageBox("Read the reference sample");
        return;
    }
    CSampleSelect dialog;
    dialog.arrayChoice = t;
    if (doc.ui().sampleSelect(dialog) != DialogResult::Ok) return;
    if (dialog.sampleChoice == 1) {
        // A file that cannot be read has been reported by its reader; the profile would be
        // computed from whatever an earlier sample left in the arrays, so the flow stops. The call
        // file is looked at first, so that a wrong one stops the flow before the signals change.
        if (doc.RefuseWrongSampleFile(t, dialog.snpPath, SampleFileKind::Calls) != 0) return;
        // Slot 1 also keeps the sample's allele sums (row 0 of the allele signals) for the allele
        // analysis; nothing of the analysis against the pool reads them.
        if (doc.ReadSignalFile(t, dialog.signalPath, 0, 1) != 0) return;
        doc.sampleAllelesHeld[t] = true;
        doc.analysedRow[t] = 0;
        storeSampleName(doc.poolSampleName[t][0], dialog.signalName);
        if (doc.ReadSnpCallFile(t, dialog.snpPath, 0) != 0) return;
        doc.computeRowRatio(doc.singleRefRow[t], 0, 1, t);
        if (doc.view != nullptr) doc.view->showCompensationPlots(t);
    } else if (dialog.sampleChoice == 2) {
        if (doc.SelectNonSelfTempFile() != 0) return;
        const int fileType = doc.arrayType;
        recomputeStoredPoolProfile(doc, fileType);
        if (doc.view != nullptr) doc.view->averageArrayType(fileType);
    }
}

void newSelfSample(CVARNDoc& doc, int t) {
    CSelfSampleSelect dialog;
    dialog.arrayChoice = t;
    if (doc.ui().selfSampleSelect(dialog) != DialogResult::Ok) return;
    if (dialog.sampleChoice == 1) {
        if (doc.RefuseWrongSampleFile(t, dialog.normalSignalPath, SampleFileKind::Signal) != 0 ||
            doc.RefuseWrongSampleFile(t, dialog.tumorSnpPath, SampleFileKind::Calls) != 0 ||
            doc.RefuseWrongSampleFile(t, dialog.normalSnpPath, SampleFileKind::Calls) != 0)
            return;
        if (doc.ReadSignalFile(t, dialog.tumorSignalPath, 0, 1) != 0) return;
        doc.analysedRow[t] = 0;
        storeSampleName(doc.poolSampleName[t][0], dialog.tumorSignalName);
        if (doc.ReadSignalFile(t, dialog.normalSignalPath, 1, 2) != 0) return;
        doc.sampleAllelesHeld[t] = true;
        if (doc.ReadSnpCallFile(t, dialog.tumorSnpPath, 0) != 0) return;
        if (doc.ReadSnpCallFile(t, dialog.normalSnpPath, 1) != 0) return;
        // The paired profile is fitted on the whole array; that range is recorded as the
        // sample's region so that a stored self file reloads to this very profile.
        doc.regionStart[t] = doc.snpFirst[t];
        doc.regionEnd[t] = doc.snpLast[t];
        doc.computePairedRatio(doc.snpFirst[t], doc.snpLast[t], t);
    } else if (dialog.sampleChoice == 2) {
        doc.LoadSelfTempFile();
    }
}

void bothArrays(CVARNDoc& doc) {
    if (doc.referenceMode == kSelfReference) {
        doc.ui().messageBox("Sorry, This mode is not supported now.");
        return;
    }
    if (doc.refCount[kXba] == -1) {
        doc.ui().messageBox("Read the Xba reference sample");
        return;
    }
    if (doc.refCount[kHind] == -1) {
        doc.ui().messageBox("Read the Hind reference sample");
        return;
    }
    // Each file sets arrayType from its own header; a file of the other array is refused, so
    // the merged profile never pairs an array with itself.
    doc.ui().messageBox("Select Xba temp file");
    if (doc.SelectNonSelfTempFile(kXba) != 0) return;
    recomputeStoredPoolProfile(doc, kXba);
    doc.ui().messageBox("Select Hind temp file");
    if (doc.SelectNonSelfTempFile(kHind) != 0) return;
    recomputeStoredPoolProfile(doc, kHind);
    if (doc.view != nullptr) doc.view->averageCombined();
}

} // namespace

void CVARNDoc::OnFileNew() {
    ResetHmmParameters();
    ResetSampleAttributes();

    CBasicMode basic;
    basic.mode = referenceMode;
    basic.arrayChoice = arrayType;
    if (ui().basicMode(basic) != DialogResult::Ok) return;
    // The choice is kept even when a check below stops the flow: the next File New opens with it.
    arrayType = basic.arrayChoice;
    referenceMode = basic.mode;

    if (arrayType == kXba || arrayType == kHind) {
        if (referenceMode == kNonSelfReference)
            newNonSelfSample(*this, arrayType);
        else if (referenceMode == kSelfReference)
            newSelfSample(*this, arrayType);
    } else if (arrayType == kCombined) {
        bothArrays(*this);
    }
}

} // namespace varn
