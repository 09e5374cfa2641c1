// Reference ranking: the references from the quietest up by the noise measured over the baseline
// region, the reference dialog and the Sort command that recomputes the profile against the
// ticked references.
#include "document/CVARNDoc.h"

#include "commands/CRefSelect.h"
#include "document/AnalysisSnapshot.h"
#include "document/UserInterface.h"
#include "view/CVARNView.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace varn {

namespace {

int referenceRows(const CVARNDoc& doc, int t) { return std::min(doc.refCount[t], kPoolRows); }

} // namespace

// Rank of reference i: the references with a smaller SD, plus those before it with an equal SD,
// so equal SDs keep row order. An SD that is not a number (no usable value in the region) ranks
// after every measured one, again in row order, so that no two references share a rank.
bool CVARNView::rankReferences(int t) {
    CVARNDoc& doc = doc_;
    const int rows = referenceRows(doc, t);
    if (referenceSdTable[t] == nullptr) {
        referenceSdTable[t] = doc.measureReferenceSd(doc.regionStart[t], doc.regionEnd[t], doc.analysedRow[t], t);
        referenceSdRawTable[t] = doc.measureReferenceSdRaw(doc.regionStart[t], doc.regionEnd[t], doc.analysedRow[t], t);
    }
    const float* sd = referenceSdTable[t];
    for (int i = 1; i < rows; ++i) {
        int rank = 0;
        const bool unknown = std::isnan(sd[i]);
        for (int r = 1; r < rows; ++r) {
            const bool other = std::isnan(sd[r]);
            if (unknown) {
                if (!other || r < i) ++rank;
            } else if (!other) {
                if (std::fabs(sd[r]) < sd[i] || (r < i && sd[r] == sd[i])) ++rank;
            }
        }
        rankOrder[rank + 1] = i;
    }

    CRefSelect dialog;
    for (int s = 1; s < rows; ++s) {
        std::memcpy(dialog.referenceName[s], doc.poolSampleName[t][rankOrder[s]], sizeof dialog.referenceName[s]);
        dialog.referenceSd[s] = sd[rankOrder[s]];
    }
    dialog.entryCount = doc.refCount[t];
    dialog.fillFlag = 2;
    dialog.onInitDialog();
    if (doc.ui().refSelect(dialog) != DialogResult::Ok) return false;

    // List item i shows rank (i mod (entries)) + 1: after repeated "Sample Load" presses a
    // repeated line stands for the same reference as its first copy, never for a rank beyond the
    // pool. The denominator is the best-ranked ticked reference.
    const int entries = rows - 1;
    int used = 0;
    int bestRank = 0;
    for (int s = 1; s <= entries; ++s) {
        int ticked = 0;
        for (int i = s - 1; i < 499; i += entries) ticked |= dialog.itemTicked[i];
        doc.refSelected[t][rankOrder[s]] = ticked;
        if (ticked == 0) continue;
        ++used;
        if (bestRank == 0) bestRank = s;
    }
    doc.refUsedCount[t] = used;
    if (bestRank > 0) doc.pivotRow[t] = rankOrder[bestRank];
    return true;
}

// A Cancel in the reference dialog (of either array) or in the averaging dialog ends the Sort with
// nothing of it kept, and the person returns to the result they had before the Range Set release
// that led here: its page, region, copy number, references and the profile computed against them,
// instead of a profile recomputed with the old references under the new region, or the ranking's
// blank page.
void CVARNView::OnSort() {
    const bool sorted = sortAndAverage();
    if (!sorted && shownBeforeRanking) restoreAnalysisSnapshot(doc_, *shownBeforeRanking);
    shownBeforeRanking.reset();
}

// A single array ranks by the SD list the region selection measured; when there is none yet it is
// measured here, as the merged Sort does. False, with the state at its start put back, when a
// dialog was cancelled.
bool CVARNView::sortAndAverage() {
    CVARNDoc& doc = doc_;
    KeepAnalysisUnlessFinished keep(doc);
    const int t = shownArrayType;
    if (t == kXba || t == kHind) {
        if (!rankReferences(t)) return false;
        doc.computePoolRatio(doc.regionStart[t], doc.regionEnd[t], doc.refSelected[t], doc.analysedRow[t],
                             doc.pivotRow[t], t);
        windowOrgX = 0;
        windowOrgY = 0;
        windowExtX = 1;
        windowExtY = 1;
        if (!averageArrayType(t)) return false;
        keep.finished();
        return true;
    }
    if (t != kCombined) return false;
    for (int a = kXba; a <= kHind; ++a) {
        shownArrayType = a;
        referenceSdTable[a] = doc.measureReferenceSd(doc.regionStart[a], doc.regionEnd[a], doc.analysedRow[a], a);
        referenceSdRawTable[a] = doc.measureReferenceSdRaw(doc.regionStart[a], doc.regionEnd[a], doc.analysedRow[a], a);
        doc.ui().messageBox(a == kXba ? "Sort Xba references" : "Sort Hind references");
        if (!rankReferences(a)) return false;
        doc.computePoolRatio(doc.regionStart[a], doc.regionEnd[a], doc.refSelected[a], doc.analysedRow[a],
                             doc.pivotRow[a], a);
    }
    shownArrayType = kCombined;
    windowOrgX = 0;
    windowOrgY = 0;
    windowExtX = 1;
    windowExtY = 1;
    if (!averageCombined()) return false;
    keep.finished();
    return true;
}

} // namespace varn
