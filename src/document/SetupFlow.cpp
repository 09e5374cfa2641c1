// File New: the set-up of an analysis. The type of analysis and the arrays are chosen first, then
// either the raw files of a new sample or a stored analysis, which are read and handed to the
// ratio computation and the view.
#include "CVARNDoc.h"

#include "AnalysisSnapshot.h"
#include "SampleFileCheck.h"
#include "SetupDialogs.h"
#include "StoredDecoding.h"
#include "UserInterface.h"
#include "view/CVARNView.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace varn {

namespace {

using FilesRead = std::vector<std::filesystem::path>;

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

// The HMM tables and the sample attributes start afresh once the dialogs have said what to read
// (for raw files, once they are read), not when File New opens: until then the page behind the
// dialogs still shows the analysis with its own means and tumour fraction.
void startNewAnalysis(CVARNDoc& doc) {
    doc.ResetHmmParameters();
    doc.ResetSampleAttributes();
}

bool newNonSelfSample(CVARNDoc& doc, int t, FilesRead& read) {
    if (doc.refCount[t] == -1) {
        doc.ui().messageBox("Read the reference sample");
        return false;
    }
    CSampleSelect dialog;
    dialog.arrayChoice = t;
    if (doc.ui().sampleSelect(dialog) != DialogResult::Ok) return false;
    if (dialog.sampleChoice == 1) {
        // A file that cannot be read has been reported by its reader and the flow stops. Both files
        // are looked at first, so that a wrong one stops the flow before the signals change.
        if (doc.RefuseWrongSampleFile(t, dialog.snpPath, SampleFileKind::Calls) != 0 ||
            doc.RefuseWrongSampleFile(t, dialog.signalPath, SampleFileKind::Signal) != 0)
            return false;
        // Slot 1 also keeps the sample's allele sums (row 0 of the allele signals) for the allele
        // analysis; nothing of the analysis against the pool reads them.
        if (doc.ReadSignalFile(t, dialog.signalPath, 0, 1) != 0) return false;
        doc.analysedRow[t] = 0;
        storeSampleName(doc.poolSampleName[t][0], dialog.signalName);
        if (doc.ReadSnpCallFile(t, dialog.snpPath, 0) != 0) return false;
        read = {dialog.signalPath, dialog.snpPath};
        startNewAnalysis(doc);
        doc.sampleAllelesHeld[t] = true;
        doc.computeRowRatio(doc.singleRefRow[t], 0, 1, t);
        if (doc.view != nullptr) doc.view->showCompensationPlots(t);
        doc.storedAnalysisKey = 0;
        return true;
    }
    if (dialog.sampleChoice == 2) {
        startNewAnalysis(doc);
        std::filesystem::path chosen;
        if (doc.SelectNonSelfTempFile(0, &chosen) != 0) return false;
        read = {chosen};
        const int fileType = doc.arrayType;
        recomputeStoredPoolProfile(doc, fileType);
        restoreStoredDecoder(doc, fileType);
        if (doc.view != nullptr && !doc.view->averageArrayType(fileType)) return false;
        doc.markAnalysisStored();
        return true;
    }
    return false;
}

bool newSelfSample(CVARNDoc& doc, int t, FilesRead& read) {
    CSelfSampleSelect dialog;
    dialog.arrayChoice = t;
    if (doc.ui().selfSampleSelect(dialog) != DialogResult::Ok) return false;
    if (dialog.sampleChoice == 1) {
        if (doc.RefuseWrongSampleFile(t, dialog.tumorSignalPath, SampleFileKind::Signal) != 0 ||
            doc.RefuseWrongSampleFile(t, dialog.normalSignalPath, SampleFileKind::Signal) != 0 ||
            doc.RefuseWrongSampleFile(t, dialog.tumorSnpPath, SampleFileKind::Calls) != 0 ||
            doc.RefuseWrongSampleFile(t, dialog.normalSnpPath, SampleFileKind::Calls) != 0)
            return false;
        if (doc.ReadSignalFile(t, dialog.tumorSignalPath, 0, 1) != 0) return false;
        doc.analysedRow[t] = 0;
        storeSampleName(doc.poolSampleName[t][0], dialog.tumorSignalName);
        if (doc.ReadSignalFile(t, dialog.normalSignalPath, 1, 2) != 0) return false;
        if (doc.ReadSnpCallFile(t, dialog.tumorSnpPath, 0) != 0) return false;
        if (doc.ReadSnpCallFile(t, dialog.normalSnpPath, 1) != 0) return false;
        read = {dialog.tumorSignalPath, dialog.normalSignalPath, dialog.tumorSnpPath, dialog.normalSnpPath};
        startNewAnalysis(doc);
        doc.sampleAllelesHeld[t] = true;
        // The paired profile is fitted on the whole array; that range is recorded as the
        // sample's region so that a stored self file reloads to this very profile.
        doc.regionStart[t] = doc.snpFirst[t];
        doc.regionEnd[t] = doc.snpLast[t];
        if (!doc.computePairedRatio(doc.snpFirst[t], doc.snpLast[t], t)) return false;
        doc.storedAnalysisKey = 0;
        return true;
    }
    if (dialog.sampleChoice == 2) {
        startNewAnalysis(doc);
        std::filesystem::path chosen;
        if (doc.LoadSelfTempFile(&chosen) != 0) return false;
        read = {chosen};
        doc.markAnalysisStored();
        return true;
    }
    return false;
}

bool bothArrays(CVARNDoc& doc, FilesRead& read) {
    if (doc.referenceMode == kSelfReference) {
        doc.ui().messageBox("Sorry, This mode is not supported now.");
        return false;
    }
    if (doc.refCount[kXba] == -1) {
        doc.ui().messageBox("Read the Xba reference sample");
        return false;
    }
    if (doc.refCount[kHind] == -1) {
        doc.ui().messageBox("Read the Hind reference sample");
        return false;
    }
    // Each file sets arrayType from its own header; a file of the other array is refused, so
    // the merged profile never pairs an array with itself.
    std::filesystem::path xbaFile, hindFile;
    startNewAnalysis(doc);
    doc.ui().messageBox("Select Xba temp file");
    if (doc.SelectNonSelfTempFile(kXba, &xbaFile) != 0) return false;
    recomputeStoredPoolProfile(doc, kXba);
    doc.ui().messageBox("Select Hind temp file");
    if (doc.SelectNonSelfTempFile(kHind, &hindFile) != 0) return false;
    recomputeStoredPoolProfile(doc, kHind);
    // One decoding for the merged analysis: the Hind file's, which also brought the means and the
    // baseline copy number in use.
    restoreStoredDecoder(doc, kCombined);
    read = {xbaFile, hindFile};
    return doc.view == nullptr || doc.view->averageCombined();
}

// The dialog opens with the answer of a File New that stopped, as long as the analysis it stopped
// over is still shown; otherwise with the analysis shown.
void presetAnalysisChoice(const CVARNDoc& doc, CBasicMode& basic) {
    const CVARNDoc::PendingAnalysisChoice& pending = doc.pendingAnalysisChoice;
    if (pending.mode != 0 && pending.shownArrayType == doc.arrayType &&
        pending.shownReferenceMode == doc.referenceMode) {
        basic.mode = pending.mode;
        basic.arrayChoice = pending.arrayChoice;
        return;
    }
    basic.mode = doc.referenceMode;
    basic.arrayChoice = doc.arrayType;
}

} // namespace

// The document changes only when the new analysis has read its files and is shown. Every other
// road (a Cancel in any of the flow's dialogs, a check that stops it, a file refused or broken
// half-way through the reading) puts back the analysis that was shown, with its means, tumour
// fraction, attributes, references and settings, so that Store still writes what the person made.
void CVARNDoc::OnFileNew() {
    if (!MayCloseAnalysis()) return;
    KeepAnalysisUnlessFinished keep(*this);
    const int shownArrayType = arrayType;
    const int shownReferenceMode = referenceMode;

    CBasicMode basic;
    presetAnalysisChoice(*this, basic);
    if (ui().basicMode(basic) != DialogResult::Ok) return;
    arrayType = basic.arrayChoice;
    referenceMode = basic.mode;

    FilesRead read;
    bool made = false;
    if (arrayType == kXba || arrayType == kHind) {
        if (referenceMode == kNonSelfReference)
            made = newNonSelfSample(*this, arrayType, read);
        else if (referenceMode == kSelfReference)
            made = newSelfSample(*this, arrayType, read);
    } else if (arrayType == kCombined) {
        made = bothArrays(*this, read);
    }
    if (!made) {
        // The choice outlives the stopped flow: the next File New opens with it.
        pendingAnalysisChoice = {basic.mode, basic.arrayChoice, shownArrayType, shownReferenceMode};
        return;
    }
    pendingAnalysisChoice = {};
    keep.finished();
    ui().filesLoaded(read);
}

} // namespace varn
