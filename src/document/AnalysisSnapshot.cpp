#include "AnalysisSnapshot.h"

#include "CVARNDoc.h"
#include "view/CVARNView.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace varn {

namespace {

// The per-position rows of one analysis: the sample's signals (row 0, and row 1 where a paired
// analysis puts its normal) and allele signals, its calls and its normal's, and every row the
// profile is computed into.
template <typename Doc>
auto floatRowsOf(Doc& doc) {
    return std::array{doc.poolSignal[0],      doc.poolSignal[1],      doc.alleleASignal[0], doc.alleleASignal[1],
                      doc.alleleBSignal[0],   doc.alleleBSignal[1],   doc.logRatio[0],      doc.logRatio[1],
                      doc.logRatio[2],        doc.refRatioSum.data(), doc.alleleARatio.data(),
                      doc.alleleBRatio.data(), doc.averageRatio[0],   doc.averageRatio[1],  doc.averageRatio[2],
                      doc.lohScore.data()};
}

template <typename Doc>
auto intRowsOf(Doc& doc) {
    return std::array{doc.snpCall.data(), doc.normalSnpCall.data(), doc.hmmState[0]};
}

template <typename T, std::size_t N>
void copyTable(const T (&from)[N], T (&to)[N]) {
    std::copy(from, from + N, to);
}

template <typename T, std::size_t N, std::size_t M>
void copyTable(const T (&from)[N][M], T (&to)[N][M]) {
    std::memcpy(to, from, sizeof to);
}

// The members a snapshot shares with the document or the view, copied one way or the other.
template <typename From, typename To>
void copySettings(const From& from, To& to) {
    copyTable(from.fitCoef, to.fitCoef);
    copyTable(from.hmmMean, to.hmmMean);
    copyTable(from.hmmSdFactor, to.hmmSdFactor);
    to.hmmMeansPurity = from.hmmMeansPurity;
    to.appliedSolution = from.appliedSolution;
    to.baseCopyNumber = from.baseCopyNumber;
    to.arrayType = from.arrayType;
    to.referenceMode = from.referenceMode;
    to.sampleOrigin = from.sampleOrigin;
    to.diseaseOrigin = from.diseaseOrigin;
    to.diseaseOther = from.diseaseOther;
    to.supplier = from.supplier;
    to.ploidyText = from.ploidyText;
    to.ploidyAdjusted = from.ploidyAdjusted;
    to.fishText = from.fishText;
    to.fishAdjusted = from.fishAdjusted;
    to.otherCharacteristics = from.otherCharacteristics;
    to.otherAdjusted = from.otherAdjusted;
    to.ploidyStatus = from.ploidyStatus;
    to.remarks = from.remarks;
    to.lastUpdateTime = from.lastUpdateTime;
    copyTable(from.poolRowMean, to.poolRowMean);
    copyTable(from.rowSd, to.rowSd);
    copyTable(from.regionStart, to.regionStart);
    copyTable(from.regionEnd, to.regionEnd);
    copyTable(from.refSelected, to.refSelected);
    copyTable(from.refUsedCount, to.refUsedCount);
    copyTable(from.pivotRow, to.pivotRow);
    copyTable(from.analysedRow, to.analysedRow);
    copyTable(from.singleRefRow, to.singleRefRow);
    copyTable(from.refSdCompensated, to.refSdCompensated);
    copyTable(from.refSdRaw, to.refSdRaw);
    to.hmmMinorCopies = from.hmmMinorCopies;
    to.alleleSpecificDecoding = from.alleleSpecificDecoding;
}

template <typename From, typename To>
void copyDisplay(const From& from, To& to) {
    to.displayMode = from.displayMode;
    to.shownArrayType = from.shownArrayType;
    to.windowOrgX = from.windowOrgX;
    to.windowOrgY = from.windowOrgY;
    to.windowExtX = from.windowExtX;
    to.windowExtY = from.windowExtY;
    to.scrollX = from.scrollX;
    to.scrollY = from.scrollY;
    to.selStartX = from.selStartX;
    to.selEndX = from.selEndX;
    to.selRow = from.selRow;
    to.selChromosome = from.selChromosome;
    to.selLimitX = from.selLimitX;
    to.rangeSetArmed = from.rangeSetArmed;
    to.selPressHit = from.selPressHit;
    to.trimExtremes = from.trimExtremes;
    to.drawMethod = from.drawMethod;
    to.averageNumber = from.averageNumber;
    to.paintChromosome = from.paintChromosome;
    to.currentChromosome = from.currentChromosome;
    to.yScale = from.yScale;
    copyTable(from.referenceSdTable, to.referenceSdTable);
    copyTable(from.referenceSdRawTable, to.referenceSdRawTable);
    copyTable(from.rankOrder, to.rankOrder);
}

constexpr std::size_t kNameBytes = sizeof(char[kNameRows][kNameSize]) * 3;

} // namespace

AnalysisSnapshot takeAnalysisSnapshot(const CVARNDoc& doc) {
    AnalysisSnapshot s;
    copySettings(doc, s);
    const char* names = &doc.poolSampleName[0][0][0];
    s.poolSampleName.assign(names, names + kNameBytes);
    for (const float* row : floatRowsOf(doc)) s.floatRows.emplace_back(row, row + kSlots);
    for (const int* row : intRowsOf(doc)) s.intRows.emplace_back(row, row + kSlots);
    if (doc.view != nullptr) {
        s.hasView = true;
        copyDisplay(*doc.view, s);
    }
    return s;
}

void restoreAnalysisSnapshot(CVARNDoc& doc, const AnalysisSnapshot& s) {
    copySettings(s, doc);
    std::copy(s.poolSampleName.begin(), s.poolSampleName.end(), &doc.poolSampleName[0][0][0]);
    const auto floats = floatRowsOf(doc);
    for (std::size_t r = 0; r < floats.size(); ++r) std::copy(s.floatRows[r].begin(), s.floatRows[r].end(), floats[r]);
    const auto ints = intRowsOf(doc);
    for (std::size_t r = 0; r < ints.size(); ++r) std::copy(s.intRows[r].begin(), s.intRows[r].end(), ints[r]);
    if (s.hasView && doc.view != nullptr) {
        copyDisplay(s, *doc.view);
        doc.view->Invalidate();
    }
}

std::unique_ptr<AnalysisSnapshot> takeSnapshotBeforeRanking(const CVARNDoc& doc) {
    auto s = std::make_unique<AnalysisSnapshot>(takeAnalysisSnapshot(doc));
    s->rangeSetArmed = 0;
    s->selPressHit = false;
    return s;
}

KeepAnalysisUnlessFinished::KeepAnalysisUnlessFinished(CVARNDoc& doc)
    : doc_(doc), kept_(takeAnalysisSnapshot(doc)) {}

void KeepAnalysisUnlessFinished::finished() {
    finished_ = true;
    if (doc_.view != nullptr) doc_.view->shownBeforeRanking.reset();
}

KeepAnalysisUnlessFinished::~KeepAnalysisUnlessFinished() {
    if (!finished_) restoreAnalysisSnapshot(doc_, kept_);
}

} // namespace varn
