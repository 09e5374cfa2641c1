// The strip under each panel: ticks at the sample's heterozygous calls and the cytoband
// ideogram of the chromosome.
#include "PaintParts.h"

#include "PaintStyle.h"
#include "document/CVARNDoc.h"

#include <vector>

namespace varn::paint {

// A heterozygous call proves both parental alleles are present, so a stretch without ticks
// hints at loss of heterozygosity even before the LOH score is read.
void drawHeteroTicks(Canvas& canvas, const CVARNDoc& doc, int t, const Panel& panel) {
    std::vector<Segment> ticks;
    ticks.reserve(static_cast<std::size_t>(panel.width()));
    for (int i = panel.start; i < panel.end; ++i) {
        if (doc.snpCall[snpOf(doc, t, i)] != kCallAB) continue;
        const int x = panel.xOf(i);
        ticks.push_back({{x, panel.y + 1340}, {x, panel.y + 1370}});
    }
    canvas.setPen(kDarkGreenPen);
    canvas.drawSegments(ticks);
}

// A run of SNPs with the same stain class becomes one filled rectangle ending at the first SNP
// after the run. A band that holds a single SNP is not drawn: its stain differs from the next
// SNP's, so the walk steps over it and leaves the strip blank there.
void drawIdeogram(Canvas& canvas, const CVARNDoc& doc, int t, const Panel& panel) {
    auto stain = [&](int i) { return doc.snpBandStain[snpOf(doc, t, i)]; };
    const int top = panel.y + 1250, bottom = panel.y + 1320;
    int i = panel.start;
    while (i < panel.end) {
        // The last SNP of a chromosome is compared with the first of the next; the run itself
        // never passes the chromosome's end.
        if (i + 1 >= kSlots || stain(i) != stain(i + 1)) {
            ++i;
            continue;
        }
        const int runStain = stain(i);
        int runEnd = i + 1;
        while (runEnd < panel.end && stain(runEnd) == runStain) ++runEnd;
        const Rgb colour = stainColour(runStain);
        canvas.setPen({PenStyle::Solid, 1, colour});
        canvas.setBrush(colour);
        canvas.fillRect(panel.xOf(i), top, panel.xOf(runEnd), bottom);
        i = runEnd;
    }
    const int left = panel.left(), right = panel.left() + panel.width();
    canvas.setPen(kBlackPen);
    const Segment outline[] = {{{left, top}, {left, bottom}},
                               {{right, top}, {right, bottom}},
                               {{left, top}, {right, top}},
                               {{left, bottom}, {right, bottom}}};
    canvas.drawSegments(outline);
}

} // namespace varn::paint
