// The baseline region chosen on the merged genome. The two arrays interrogate different SNPs of
// the same stretch, so each array's region is the part of the stretch that holds its own SNPs:
// from its first SNP at or after the start to its last SNP at or before the end, in merged order.
#include "view/CVARNView.h"

#include "document/AnalysisSnapshot.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

namespace varn {

namespace {

// Whether merged index i shows a SNP of array t: Xba positions lie above the Hind block.
bool showsArray(const CVARNDoc& doc, int i, int t) {
    const int pos = doc.combineOrder[i];
    return t == kXba ? pos > doc.snpLast[kHind] : pos < doc.snpFirst[kXba];
}

// Sets the region of array t to its part of first..last; an array without a SNP there keeps the
// region it had, since an empty region would give the fits and SDs nothing to work on.
void splitRegion(CVARNDoc& doc, int t, int first, int last) {
    int start = first;
    while (start <= last && !showsArray(doc, start, t)) ++start;
    if (start > last) return;
    int end = last;
    while (!showsArray(doc, end, t)) --end;
    doc.regionStart[t] = doc.combineOrder[start];
    doc.regionEnd[t] = doc.combineOrder[end];
}

} // namespace

void CVARNView::applyCombinedRegion(int mergedStart, int mergedEnd, int baseCopy) {
    CVARNDoc& doc = doc_;
    std::unique_ptr<AnalysisSnapshot> before = takeSnapshotBeforeRanking(doc);
    if (baseCopy >= 1 && baseCopy <= 4) doc.baseCopyNumber = baseCopy;
    // A new baseline moves every level: the solution the means came from no longer describes them.
    doc.appliedSolution = {};
    if (mergedEnd < mergedStart) std::swap(mergedStart, mergedEnd);
    mergedStart = std::clamp(mergedStart, doc.snpFirst[0], doc.snpLast[0]);
    mergedEnd = std::clamp(mergedEnd, doc.snpFirst[0], doc.snpLast[0]);
    splitRegion(doc, kXba, mergedStart, mergedEnd);
    splitRegion(doc, kHind, mergedStart, mergedEnd);

    int values[12];
    int* v = values;
    for (int t : {kXba, kHind}) {
        for (int pos : {doc.regionStart[t], doc.regionEnd[t]}) {
            // A region kept from a stored analysis is shown as it is, even if it is no position.
            const bool known = inSlots(pos);
            const int snp = known ? doc.arrangeOrder[pos] : 0;
            *v++ = pos;
            *v++ = known ? doc.snpChromosome[snp] : 0;
            *v++ = known ? doc.snpPosition[snp] : 0;
        }
    }
    char text[384];
    std::snprintf(
        text, sizeof text,
        "Xba: From %d(Ch %d position %d) \n\t to %d(Ch %d position %d) \nHind: From %d(Ch %d position %d) "
        "\n\t to %d(Ch %d position %d) \n selected \n Base line is %d   Calculate StDev?",
        values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7], values[8],
        values[9], values[10], values[11], doc.baseCopyNumber);
    doc.ui().informationBox(text);

    // Both arrays' references are measured by the Sort that follows, one array after the other.
    rangeSetArmed = 0;
    shownArrayType = 0;
    displayMode = ModeReferenceSort;
    shownBeforeRanking = std::move(before);
    Invalidate();
}

} // namespace varn
