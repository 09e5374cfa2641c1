// The cohort picture: gain, loss and LOH frequencies along the merged genome page.
#include "CohortPage.h"

#include "GenomeLayout.h"
#include "PaintParts.h"
#include "PaintStyle.h"
#include "document/CVARNDoc.h"
#include "export/CohortSummary.h"

#include <algorithm>
#include <vector>

namespace varn {

namespace {

// Offsets inside a panel row of 1400 units: the label at the top, the gain/loss track around
// its zero line, the LOH strip, then the ideogram at 1250..1320 as the genome view has it.
constexpr int kZeroLine = 550;
constexpr int kShareHeight = 400; // a share of 1 reaches this far up or down
constexpr int kLohTop = 1000;
constexpr int kLohHeight = 200;
constexpr int kTitleRoom = 200;

int scaled(int count, int of, int height) {
    return of > 0 ? count * height / of : 0;
}

void drawPanelFrame(Canvas& canvas, const paint::Panel& panel) {
    const int left = panel.left(), right = panel.left() + panel.width(), y = panel.y;
    canvas.setPen(paint::kGridDottedPen);
    const Segment halves[] = {
        {{left, y + kZeroLine - kShareHeight / 2}, {right, y + kZeroLine - kShareHeight / 2}},
        {{left, y + kZeroLine + kShareHeight / 2}, {right, y + kZeroLine + kShareHeight / 2}},
        {{left, y + kLohTop + kLohHeight / 2}, {right, y + kLohTop + kLohHeight / 2}}};
    canvas.drawSegments(halves);
    canvas.setPen(paint::kGridSolidPen);
    const Segment axes[] = {{{left, y + kZeroLine}, {right, y + kZeroLine}},
                            {{left, y + kLohTop}, {right, y + kLohTop}},
                            {{left, y + kZeroLine - kShareHeight}, {left, y + kZeroLine + kShareHeight}}};
    canvas.drawSegments(axes);
}

void drawFrequencies(Canvas& canvas, const CVARNDoc& doc, const CohortSummary& summary,
                     const paint::Panel& panel) {
    std::vector<Segment> gains, losses, loh;
    const int y = panel.y;
    for (int i = panel.start; i < panel.end; ++i) {
        const int snp = paint::snpOf(doc, kCombined, i);
        const CohortFrequencyRow* row =
            frequencyAt(summary.rows, doc.snpChromosome[snp], doc.snpPosition[snp]);
        if (row == nullptr) continue;
        const int x = panel.xOf(i);
        if (const int up = scaled(row->gains, row->withCopyNumber, kShareHeight); up > 0)
            gains.push_back({{x, y + kZeroLine}, {x, y + kZeroLine - up}});
        if (const int down = scaled(row->losses, row->withCopyNumber, kShareHeight); down > 0)
            losses.push_back({{x, y + kZeroLine}, {x, y + kZeroLine + down}});
        if (const int down = scaled(row->loh, row->samples, kLohHeight); down > 0)
            loh.push_back({{x, y + kLohTop}, {x, y + kLohTop + down}});
    }
    canvas.setPen(paint::kRedPen);
    canvas.drawSegments(gains);
    canvas.setPen(paint::kBluePen);
    canvas.drawSegments(losses);
    canvas.setPen(paint::kMagentaPen);
    canvas.drawSegments(loh);
}

paint::Panel cohortPanel(int chromosome) {
    int panelX[3][24], panelY[3][24];
    buildPanelLayout(panelX, panelY);
    paint::Panel panel;
    panel.chromosome = chromosome;
    panel.x = panelX[kCombined][chromosome];
    panel.y = panelY[kCombined][chromosome];
    panel.start = kChromosomeStart[kCombined][chromosome];
    panel.end = kChromosomeStart[kCombined][chromosome + 1];
    return panel;
}

} // namespace

CohortPageGeometry cohortPageGeometry() {
    CohortPageGeometry page;
    page.originY = -kTitleRoom;
    for (int c = 1; c <= kChromosomeX; ++c) {
        const paint::Panel panel = cohortPanel(c);
        page.right = std::max(page.right, panel.left() + panel.width() + 100);
        page.bottom = std::max(page.bottom, panel.y + kPanelRowHeight);
    }
    return page;
}

void paintCohortPage(Canvas& canvas, const CVARNDoc& doc, const CohortSummary& summary) {
    const CohortPageGeometry page = cohortPageGeometry();
    canvas.setWindowOrg(page.originX, page.originY);
    canvas.setWindowExt(page.extentX, page.extentY);
    canvas.textOut(page.originX, page.originY,
                   paint::formatText("Cohort of %zu samples: share gained (red, up), lost (blue, down), "
                                     "in LOH (magenta); dotted lines at 50%%",
                                     summary.samples.size()));
    for (int c = 1; c <= kChromosomeX; ++c) {
        const paint::Panel panel = cohortPanel(c);
        drawPanelFrame(canvas, panel);
        drawFrequencies(canvas, doc, summary, panel);
        paint::drawIdeogram(canvas, doc, kCombined, panel);
        canvas.textOut(panel.left(), panel.y, paint::chromosomeLabel(c));
    }
}

} // namespace varn
