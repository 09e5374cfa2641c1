#include "view/CohortPage.h"

#include "export/CohortSummary.h"
#include "support/RecordingCanvas.h"
#include "support/TestDocument.h"
#include "view/GenomeLayout.h"
#include "view/PaintStyle.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

// Bars stand at the merged SNP's own chromosome and base, scaled to the share of the cohort:
// a gain in all three samples fills the track up, a loss in one of three reaches a third down.
TEST(PaintCohort, BarsFollowTheSharesAtEachMergedSnp) {
    test::TestDocument td;
    const CVARNDoc& doc = *td.doc;
    CohortSummary summary;
    summary.samples = {"A", "B", "C"};
    const long long wholeChromosome = 1'000'000'000;
    summary.rows = {{3, 1, wholeChromosome, 3, 3, 3, 0, 0}, {5, 1, wholeChromosome, 3, 3, 0, 1, 2}};
    test::RecordingCanvas canvas;
    paintCohortPage(canvas, doc, summary);

    int panelX[3][24], panelY[3][24];
    buildPanelLayout(panelX, panelY);
    const struct {
        int chromosome;
        int gainTop, lossBottom, lohBottom; // relative to the panel; 0: no bar
    } cases[] = {{3, 550 - 400, 0, 0}, {5, 0, 550 + 133, 1000 + 133}, {7, 0, 0, 0}};
    for (const auto& c : cases) {
        // The middle SNP of the merged chromosome, away from the one chromosome-4 SNP at the
        // start of merged chromosome 5.
        const int i = (kChromosomeStart[0][c.chromosome] + kChromosomeStart[0][c.chromosome + 1]) / 2;
        const int x = panelX[0][c.chromosome] + 100 + i - kChromosomeStart[0][c.chromosome];
        const int y = panelY[0][c.chromosome];
        int gainTop = 0, lossBottom = 0, lohBottom = 0;
        for (const auto& line : canvas.linesAtX(x)) {
            if (line.pen == paint::kRedPen && line.from.y == y + 550) gainTop = line.to.y - y;
            if (line.pen == paint::kBluePen && line.from.y == y + 550) lossBottom = line.to.y - y;
            if (line.pen == paint::kMagentaPen && line.from.y == y + 1000) lohBottom = line.to.y - y;
        }
        EXPECT_EQ(gainTop, c.gainTop) << "chromosome " << c.chromosome;
        EXPECT_EQ(lossBottom, c.lossBottom) << "chromosome " << c.chromosome;
        EXPECT_EQ(lohBottom, c.lohBottom) << "chromosome " << c.chromosome;
    }
    ASSERT_FALSE(canvas.extents.empty());
    EXPECT_EQ(canvas.extents.front(), (Point{20, 10}));
    EXPECT_NE(canvas.findText("ChX"), nullptr);
}

} // namespace
} // namespace varn
