// Data tracks of a profile against the patient's own normal sample (modes 21, 22): the total
// ratio (zero line at y + 1100) and, where the normal is heterozygous, the two allele ratios
// (zero line at y + 1700). There is no raw cloud and no decoded state in these modes.
#include "PaintParts.h"

#include "CVARNView.h"
#include "PaintStyle.h"
#include "document/CVARNDoc.h"

#include <vector>

namespace varn::paint {

void drawSelfTracks(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view, int t, const Panel& panel) {
    const int ys = view.yScale;
    const int y = panel.y;
    std::vector<Segment> marks;
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(panel.width()) + 1);
    int offset = 0;

    // The normal proves the person is heterozygous there; a homozygous tumour call means one
    // allele was lost.
    for (int i = panel.start; i < panel.end; ++i) {
        const int snp = snpOf(doc, t, i);
        const int call = doc.snpCall[snp];
        if (doc.normalSnpCall[snp] != kCallAB || (call != kCallAA && call != kCallBB)) continue;
        const int x = panel.xOf(i);
        marks.push_back({{x, y + 1371}, {x, y + 1400}});
    }
    canvas.setPen(kMagentaPen);
    canvas.drawSegments(marks);

    points.push_back({panel.left(), y + 1100 - ys});
    for (int i = panel.start; i < panel.end; ++i) {
        if (doc.positionUsable[positionOf(doc, t, i)] != 1) continue;
        if (scaledOffset(doc.averageRatio[0][i], ys, offset))
            points.push_back({panel.xOf(i), y + 1000 + ys - offset});
    }
    drawAverageCurve(canvas, view.drawMethod, points, kBlue, kBlueThickPen);

    // Allele ratios only mean something where the normal carries two different alleles.
    const struct {
        int row;
        Rgb dot;
        Pen pen;
    } alleles[] = {{1, kRed, kRedPen}, {2, kDarkerGreen, kDarkGreenPen}};
    for (const auto& allele : alleles) {
        points.clear();
        points.push_back({panel.left(), y + 1700 - ys});
        for (int i = panel.start; i < panel.end; ++i) {
            const int pos = positionOf(doc, t, i);
            if (doc.positionUsable[pos] != 1 || doc.normalSnpCall[snpOf(doc, t, i)] != kCallAB) continue;
            if (scaledOffset(doc.averageRatio[allele.row][i], ys, offset))
                points.push_back({panel.xOf(i), y + 1600 + ys - offset});
        }
        drawAverageCurve(canvas, view.drawMethod, points, allele.dot, allele.pen);
    }
}

} // namespace varn::paint
