// Title line and chromosome labels of the copy-number plots.
#include "PaintParts.h"

#include "CVARNView.h"
#include "DisplayMode.h"
#include "document/CVARNDoc.h"
#include "engine/analysis/ResultWording.h"

#include <cmath>

namespace varn::paint {

namespace {

const char* arrayPrefix(int t) {
    return t == kXba ? "Xba " : "Hind ";
}

const char* trimText(const CVARNView& view) {
    return view.trimExtremes == 1 ? "Max and Min deleted" : "All data included";
}

std::string analysedName(const CVARNDoc& doc, int t) {
    const int row = t >= 0 && t <= 2 ? doc.analysedRow[t] : 0;
    return sampleName(doc, t, row);
}

// The ploidy is the mean decoded copy number over the autosomes, recomputed on every paint so
// that it follows a re-based profile at once.
std::string ploidyText(CVARNDoc& doc, int t) {
    return formatText("   ploidy=%f", static_cast<double>(doc.computePloidy(t, 0)));
}

std::string sdText(CVARNDoc& doc, int start, int end) {
    return formatText("   SD=%f", static_cast<double>(doc.regionSd(doc.logRatio[0], start, end)));
}

// Means mixed for an impure sample say so; the pure-tumour means add nothing. Means set from a
// solution of the joint fit name it, with the ploidy it stands for, and say so when it is not
// the fit's best.
std::string purityTitleText(const CVARNDoc& doc) {
    const AppliedSolution& s = doc.appliedSolution;
    if (s.number > 0)
        return formatText("   solution %d%s: tumour cells=%s%%, ploidy %s%s", s.number,
                          s.number > 1 ? " (not the best)" : "", figureDigits(Figure::TumourCells, s.purity).c_str(),
                          figureDigits(Figure::Ploidy, s.ploidy).c_str(), s.doubled ? ", genome doubled" : "");
    if (!(doc.hmmMeansPurity < 1.0f)) return {};
    return formatText("   tumour cells=%s%%", figureDigits(Figure::TumourCells, doc.hmmMeansPurity).c_str());
}

// The references the shown profile averages: the ticked rows of the loaded pool, as the ratio
// computation takes them. A count kept from an earlier analysis or read from a stored file may
// name rows the pool in memory no longer has.
int referencesInProfile(const CVARNDoc& doc, int t) {
    if (t != kXba && t != kHind) return 0;
    const int rows = doc.refCount[t] < kPoolRows ? doc.refCount[t] : kPoolRows;
    int used = 0;
    for (int i = 1; i < rows; ++i) used += doc.refSelected[t][i] == 1 ? 1 : 0;
    return used;
}

} // namespace

std::string copyNumberTitle(CVARNDoc& doc, const CVARNView& view) {
    const int t = view.shownArrayType;
    const int d = view.averageNumber;
    switch (view.displayMode) {
    case ModeGenomeBoth:
    case ModeChromosomeBoth:
        return formatText("Xba Sample %s compared with %d Samples", analysedName(doc, kXba).c_str(),
                          referencesInProfile(doc, kXba)) +
               formatText(" and Hind Sample %s compared with %d Samples : Display average number = %d,",
                          analysedName(doc, kHind).c_str(), referencesInProfile(doc, kHind), d) +
               trimText(view) + ploidyText(doc, t) + purityTitleText(doc);
    case ModeGenomeSingle:
    case ModeChromosomeSingle: {
        std::string title = arrayPrefix(t) +
                            formatText("Sample %s compared with %d Samples : Display average number = %d,",
                                       analysedName(doc, t).c_str(), referencesInProfile(doc, t), d) +
                            trimText(view) + ploidyText(doc, t);
        if (view.displayMode == ModeGenomeSingle) title += sdText(doc, doc.regionStart[t], doc.regionEnd[t]);
        return title + purityTitleText(doc);
    }
    case ModeGenomeSelf:
    case ModeChromosomeSelf: {
        std::string title =
            arrayPrefix(t) +
            formatText("Sample %s compared with the self reference : Display average number = %d,",
                       analysedName(doc, t).c_str(), d) +
            trimText(view);
        if (view.displayMode == ModeGenomeSelf) {
            // No region chosen yet (negative bounds): the SD is taken over the whole array.
            const int start = doc.regionStart[t] < 0 ? doc.snpFirst[t] : doc.regionStart[t];
            const int end = doc.regionEnd[t] < 0 ? doc.snpLast[t] : doc.regionEnd[t];
            title += sdText(doc, start, end);
        }
        return title;
    }
    default:
        return {};
    }
}

std::string chromosomeLabel(int chromosome) {
    return chromosome == 23 ? std::string("ChX") : "Ch" + std::to_string(chromosome);
}

} // namespace varn::paint
