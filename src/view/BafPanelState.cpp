// Whether the B-allele fraction panel is drawn, and the allele analysis it draws. The analysis of
// a whole array takes far longer than a repaint, and a page is repainted on every scroll step, so
// the view keeps the last one until anything it is computed from changes.
#include "CVARNView.h"

#include "document/CVARNDoc.h"
#include "engine/common/ContentKey.h"
#include "view/ShownAlleleAnalysis.h"

#include <span>

namespace varn {

namespace {

template <typename T> std::span<const T> arrayRange(const T* data, const CVARNDoc& doc, int a) {
    return {data + doc.snpFirst[a], static_cast<std::size_t>(doc.snpLast[a] - doc.snpFirst[a] + 1)};
}

// The display, the profile and its decoding (the minor copies too: the allele-specific decoding
// may leave every total as it was), the sample's (and a paired normal's) allele sums,
// the allele models and every setting the fit reads: a new analysis, a reload, a new baseline, an
// HMM parameter or a tumour cell fraction all change it.
std::uint64_t analysisKey(const CVARNDoc& doc, int t, bool paired) {
    ContentKey key;
    key.add(t);
    key.add(paired);
    key.add(doc.arrayType);
    key.add(doc.referenceMode);
    key.add(doc.baseCopyNumber);
    key.add(doc.hmmMeansPurity);
    for (float m : doc.hmmMean) key.add(m);
    for (int a = 0; a < 3; ++a) {
        key.add(doc.regionStart[a]);
        key.add(doc.regionEnd[a]);
        key.add(doc.analysedRow[a]);
        key.add(doc.sampleAllelesHeld[a]);
    }
    for (int a = firstArrayOf(t); a <= lastArrayOf(t); ++a) {
        const AlleleModel& model = doc.alleleModel[a];
        key.add(model.poolKey);
        key.add(model.references);
        key.addAll(std::span<const float>(model.centreAB));
        key.addAll(arrayRange(doc.logRatio[0], doc, a));
        key.addAll(arrayRange(doc.hmmState[0], doc, a));
        if (!doc.hmmMinorCopies.empty()) key.addAll(arrayRange(doc.hmmMinorCopies.data(), doc, a));
        key.addAll(arrayRange(doc.alleleASignal[0], doc, a));
        key.addAll(arrayRange(doc.alleleBSignal[0], doc, a));
        if (paired) {
            key.addAll(arrayRange(doc.alleleASignal[1], doc, a));
            key.addAll(arrayRange(doc.alleleBSignal[1], doc, a));
        }
    }
    return key.value();
}

} // namespace

const AlleleAnalysis* CVARNView::shownAlleles() const {
    int t = 0;
    bool paired = false;
    if (!shownAlleleAnalysis(doc_, t, paired)) return nullptr;
    const std::uint64_t key = analysisKey(doc_, t, paired);
    if (!alleles_ || key != allelesKey_) {
        // Cheap checks first: a missing model or missing allele sums need no analysis to say so.
        auto analysis = std::make_shared<AlleleAnalysis>();
        analysis->why = alleleAnalysisMissing(doc_, t, paired);
        if (analysis->why.empty()) *analysis = analyseAlleles(doc_, t, paired);
        alleles_ = std::move(analysis);
        allelesKey_ = key;
    }
    return alleles_.get();
}

bool CVARNView::bafPanelShown() const {
    if (!bafPanel) return false;
    const AlleleAnalysis* alleles = shownAlleles();
    return alleles != nullptr && alleles->available;
}

std::string CVARNView::bafPanelUnavailable() const {
    const AlleleAnalysis* alleles = shownAlleles();
    return alleles == nullptr || alleles->available ? std::string() : alleles->why;
}

// The panel is asked for in the document too: Store then keeps the sample's allele sums beside the
// stored analysis, so that its reload draws the same panel.
void CVARNView::OnBafPanel() {
    bafPanel = !bafPanel;
    doc_.alleleAnalysisAsked = bafPanel;
    Invalidate();
}

} // namespace varn
