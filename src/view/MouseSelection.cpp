// Range selection with the left mouse button after Range Set. The press and the moves record the
// dragged stretch in pixels (the paint draws it as a red band); the release turns the pixels into
// positions and hands them to the baseline region. The pixel arithmetic is that of the window
// presets the selection is enabled in, the Monitor view of the genome pages and the CGH View zoom
// of the compensation plots: a mouse point is first taken into logical units through the window
// shown (scrolled or fitted) and then counted on that preset's pixel grid, so a drag marks the same
// stretch whatever the scroll or zoom.
#include "CVARNView.h"

#include "GenomeLayout.h"
#include "ShownWindow.h"
#include "commands/CBaseSet.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

#include <algorithm>
#include <utility>

namespace varn {

namespace {

// Device-pixel scale of a genome page: k logical units per pixel across, and the 100-unit left
// margin of every panel in pixels. Modes 4 and 21 show 10 units per pixel, mode 2 shows 20.
struct PanelScale {
    int k = 0;
    int margin = 0;
};

bool genomeScale(int mode, PanelScale& scale) {
    if (mode == ModeGenomeSingle || mode == ModeGenomeSelf) {
        scale = {10, 10};
        return true;
    }
    if (mode == ModeGenomeBoth) {
        scale = {20, 5};
        return true;
    }
    return false;
}

// The genome-wide band after compensation, under the CGH View zoom: 15 SNPs per logical unit and
// 5 units per pixel across (75 positions a pixel), 600 units = 300 pixels down. The frame ends at
// the last autosome; chromosome X is left out of the baseline on purpose.
constexpr int kPositionsPerPixel = 75;

bool insideCompensationFrame(const CVARNDoc& doc, int t, int x, int y) {
    return x > 0 && x < (doc.autosomeLast[t] - doc.snpFirst[t]) / kPositionsPerPixel && y > 0 && y < 300;
}

// Left and right pixel ends of chromosome c's panel (the data, not the margin).
int panelLeftPixel(const CVARNView& v, int t, int c, PanelScale s) {
    return v.panelX[t][c] / s.k + s.margin;
}
int panelRightPixel(const CVARNView& v, int t, int c, PanelScale s) {
    const int width = v.chromosomeStart[t][c + 1] - v.chromosomeStart[t][c];
    return v.panelX[t][c] / s.k + width / s.k + s.margin;
}

// Panel row under device y: rows are 1400 units (140 pixels) high, 2000 with the B-allele
// fraction panels, and the first track starts 600 units (60 pixels) down; anything above the
// second row counts as the first. -1 = no row.
int panelRowAt(const CVARNView& v, int y) {
    const int row = (y - 60) / (v.rowPitch() / 10);
    return row >= 0 && row <= 5 ? row : -1;
}

// The preset a mode's selection pixels belong to: origin and logical units per pixel.
struct PixelGrid {
    int orgX = 0, orgY = 0, extX = 1, extY = 1;
};

bool selectionGrid(int mode, PixelGrid& grid) {
    switch (mode) {
    case ModeCompensation: grid = {0, 5500, 5, 2}; return true;
    case ModeGenomeSingle: case ModeGenomeSelf: grid = {0, 0, 10, 10}; return true;
    case ModeGenomeBoth: grid = {0, 0, 20, 10}; return true;
    default: return false;
    }
}

int floorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// The device point as a pixel of the selection's preset; unchanged where the mode has none.
void toSelectionPixel(const CVARNView& v, int& x, int& y) {
    PixelGrid g;
    if (!selectionGrid(v.displayMode, g)) return;
    const Point logical = logicalPointAt(v, x, y);
    x = floorDiv(logical.x - g.orgX, g.extX);
    y = floorDiv(logical.y - g.orgY, g.extY);
}

void orderSelection(CVARNView& v) {
    if (v.selEndX < v.selStartX) std::swap(v.selStartX, v.selEndX);
}

// The base copy number dialog: the chosen n, or 0 when it was cancelled.
int askBaseCopy(CVARNDoc& doc) {
    CBaseSet dialog;
    return doc.ui().baseSet(dialog) == DialogResult::Ok ? dialog.n : 0;
}

// A Cancel in the base copy number dialog takes back the selection itself: the band goes, Range
// Set is disarmed and the region, its copy number, the references' SDs and the page shown all stay
// as they were (measuring the SDs would overwrite the profile on the screen with scratch).
void abandonSelection(CVARNView& v) {
    v.rangeSetArmed = 0;
    v.Invalidate();
}

void releaseCompensation(CVARNView& v, int x, int y) {
    CVARNDoc& doc = v.GetDocument();
    const int t = v.shownArrayType;
    if (!v.selPressHit || !insideCompensationFrame(doc, t, x, y)) return;
    v.selPressHit = false;
    v.selEndX = x;
    v.SetCursor(CVARNView::Cursor::Arrow);
    orderSelection(v);
    v.applyRegionBaseline(t, doc.snpFirst[t] + kPositionsPerPixel * v.selStartX,
                          doc.snpFirst[t] + kPositionsPerPixel * v.selEndX, 0);
}

// The release over a genome page: the band ends at the panel's right end at the most, the base
// copy number is asked, and the pixels are put in order. Returns the base copy number, 0 when the
// dialog was cancelled.
int finishGenomeDrag(CVARNView& v, int x) {
    v.selPressHit = false;
    v.selEndX = std::min(x, v.selLimitX);
    v.SetCursor(CVARNView::Cursor::Arrow);
    const int baseCopy = askBaseCopy(v.GetDocument());
    orderSelection(v);
    return baseCopy;
}

// Modes 4 and 21: positions of one array. The end is counted one pixel in from the release, so a
// band that reaches the panel's right end still ends inside its chromosome.
void releaseGenomeSingle(CVARNView& v, int x) {
    const int t = v.shownArrayType;
    const int ch = v.selChromosome;
    const int baseCopy = finishGenomeDrag(v, x);
    if (baseCopy == 0) return abandonSelection(v);
    const int start = v.chromosomeStart[t][ch] + 10 * (v.selStartX - 10) - v.panelX[t][ch];
    const int end = v.chromosomeStart[t][ch] + 10 * (v.selEndX - 11) - v.panelX[t][ch];
    // The selection is finished: a Cancel further on puts back the analysis as it was before the
    // drag, and that analysis was not waiting for a range.
    v.rangeSetArmed = 0;
    v.applyRegionBaseline(t, start, end, baseCopy);
}

// Mode 2: merged indices, split per array afterwards.
void releaseGenomeBoth(CVARNView& v, int x) {
    const int ch = v.selChromosome;
    const int baseCopy = finishGenomeDrag(v, x);
    if (baseCopy == 0) return abandonSelection(v);
    const int start = v.chromosomeStart[0][ch] + 20 * (v.selStartX - 5) - v.panelX[0][ch];
    const int end = v.chromosomeStart[0][ch] + 20 * (v.selEndX - 6) - v.panelX[0][ch];
    v.applyCombinedRegion(start, end, baseCopy);
}

} // namespace

void CVARNView::OnLButtonDown(int x, int y) {
    const int t = shownArrayType;
    if (!rangeSetArmed || t < 0 || t > 2) return;
    toSelectionPixel(*this, x, y);
    if (displayMode == ModeCompensation) {
        selPressHit = insideCompensationFrame(doc_, t, x, y);
        if (!selPressHit) return;
        selStartX = x;
        SetCursor(Cursor::CrossHair);
        return;
    }
    PanelScale scale;
    if (!genomeScale(displayMode, scale)) return;
    selChromosome = 0;
    selPressHit = false;
    const int row = panelRowAt(*this, y);
    if (row < 0) return;
    const int last = row < 5 ? kPanelRowFirst[row + 1] - 1 : kChromosomeX;
    for (int c = kPanelRowFirst[row]; c <= last; ++c) {
        if (x < panelLeftPixel(*this, t, c, scale) || x >= panelRightPixel(*this, t, c, scale)) continue;
        selChromosome = c;
        selStartX = x;
        selRow = row;
        selLimitX = panelRightPixel(*this, t, c, scale);
        selPressHit = true;
        SetCursor(Cursor::CrossHair);
        return;
    }
}

void CVARNView::OnMouseMove(int x, int y, bool leftButtonHeld) {
    if (!leftButtonHeld || !rangeSetArmed) return;
    toSelectionPixel(*this, x, y);
    // The band follows the mouse whether or not the press hit anything; only the release checks.
    if (displayMode == ModeCompensation) {
        SetCursor(Cursor::CrossHair);
        selEndX = x;
        Invalidate(true);
    } else if (displayMode == ModeGenomeBoth || displayMode == ModeGenomeSingle ||
               displayMode == ModeGenomeSelf) {
        SetCursor(Cursor::CrossHair);
        selEndX = x;
        Invalidate(false);
    }
}

void CVARNView::OnLButtonUp(int x, int y) {
    const int t = shownArrayType;
    if (!rangeSetArmed) return;
    toSelectionPixel(*this, x, y);
    switch (displayMode) {
    case ModeCompensation:
        if (t == kXba || t == kHind) releaseCompensation(*this, x, y);
        break;
    case ModeGenomeSingle:
    case ModeGenomeSelf:
        if ((t == kXba || t == kHind) && selPressHit && selChromosome >= 1 && selChromosome <= kChromosomeX)
            releaseGenomeSingle(*this, x);
        break;
    case ModeGenomeBoth:
        if (selPressHit && selChromosome >= 1 && selChromosome <= kChromosomeX) releaseGenomeBoth(*this, x);
        break;
    default:
        break;
    }
}

} // namespace varn
