// Data tracks of a profile against the reference pool (modes 2-5). The upper track (zero line at
// y + 700) holds the raw ratio of every SNP with the decoded copy-number level over it; the lower
// track (zero line at y + 1000) holds the moving average; the LOH score hangs below the ideogram.
#include "PaintParts.h"

#include "CVARNView.h"
#include "PaintDecor.h"
#include "PaintStyle.h"
#include "document/CVARNDoc.h"
#include "engine/hmm/HmmSegments.h"

#include <vector>

namespace varn::paint {

// A state outside 0..6 (-1 = never decoded, or a value from a damaged result file) has no level
// and is shown on the zero line.
float stateLevel(const CVARNDoc& doc, int state) {
    return state >= 0 && state < kStates ? doc.hmmMean[state] : 0.0f;
}

void drawPoolTracks(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view, int t, const Panel& panel) {
    const int ys = view.yScale;
    const int y = panel.y;
    std::vector<Point> points;
    std::vector<Segment> lines;
    points.reserve(static_cast<std::size_t>(panel.width()) + 1);
    lines.reserve(static_cast<std::size_t>(panel.width()));
    int offset = 0;

    for (int i = panel.start; i < panel.end; ++i)
        if (scaledOffset(doc.logRatio[0][positionOf(doc, t, i)], ys, offset))
            points.push_back({panel.xOf(i), y + 800 - ys - offset});
    canvas.setPixels(points, kRed);

    // Chromosome X is decoded but its level is not shown: against a pool of mixed sex its ratio
    // says more about the sample's sex than about its copy number. With the annotations the level
    // is a coloured step line over the cloud instead of a line of dark pixels under it.
    points.clear();
    if (view.annotate) {
        drawCallLine(canvas, doc, view, t, panel, panelRows(view.displayMode).values.front().zeroY);
    } else if (panel.chromosome < 23) {
        for (int i = panel.start; i < panel.end; ++i) {
            const int pos = positionOf(doc, t, i);
            if (doc.positionUsable[pos] != 1) continue;
            if (scaledOffset(stateLevel(doc, doc.hmmState[0][pos]), ys, offset))
                points.push_back({panel.xOf(i), y + 800 - ys - offset});
        }
        canvas.setPixels(points, kDarkGreen);
    }

    for (int i = panel.start; i < panel.end; ++i) {
        if (!scaledOffset(doc.lohScore[i], 1, offset)) continue;
        const int x = panel.xOf(i);
        lines.push_back({{x, y + 1500}, {x, y + 1500 + offset / 10}});
    }
    canvas.setPen(kBluePen);
    canvas.drawSegments(lines);

    // A high LOH score where the copy number is at least two marks copy-neutral (or gained)
    // loss of heterozygosity, the kind a copy-number profile alone cannot show.
    lines.clear();
    for (int i = panel.start; i < panel.end; ++i) {
        if (!(doc.lohScore[i] > kLohCallThreshold) || doc.hmmState[0][positionOf(doc, t, i)] <= 1) continue;
        const int x = panel.xOf(i);
        lines.push_back({{x, y + 1400}, {x, y + 1430}});
    }
    canvas.setPen(kMagentaPen);
    canvas.drawSegments(lines);

    points.clear();
    points.push_back({panel.left(), y + 1100 - ys});
    for (int i = panel.start; i < panel.end; ++i) {
        if (doc.positionUsable[positionOf(doc, t, i)] != 1) continue;
        if (scaledOffset(doc.averageRatio[0][i], ys, offset))
            points.push_back({panel.xOf(i), y + 1000 - offset});
    }
    drawAverageCurve(canvas, view.drawMethod, points, kBlue, kBlueThickPen);
}

} // namespace varn::paint
