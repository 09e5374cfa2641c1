#include "CVARNView.h"

#include "GenomeLayout.h"
#include "document/AnalysisSnapshot.h"
#include "document/CVARNDoc.h"

namespace varn {

CVARNView::CVARNView(CVARNDoc& doc) : doc_(doc) {
    for (int t = 0; t < 3; ++t)
        for (int c = 0; c < 25; ++c) chromosomeStart[t][c] = kChromosomeStart[t][c];
    buildPanelLayout(panelX, panelY);
    doc_.view = this;
}

CVARNView::~CVARNView() {
    if (doc_.view == this) doc_.view = nullptr;
}

} // namespace varn
