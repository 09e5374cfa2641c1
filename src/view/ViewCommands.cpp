// The commands of the Parameter and View menus: window presets, chromosome stepping and panning.
#include "CVARNView.h"

#include "CChSelectDlg.h"
#include "ShownWindow.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

#include <algorithm>

namespace varn {

namespace {

bool isChromosomeMode(int mode) {
    return mode == ModeChromosomeBoth || mode == ModeChromosomeSingle || mode == ModeChromosomeSelf ||
           mode == ModeProfileChromosome;
}

// A profile's page zoomed in this many windows across by ExploreView: a chromosome of the middle
// size then shows some 40 kb a pixel on a common screen, near the spacing of a dense array's SNPs.
constexpr int kProfileExploreZoom = 16;

// A profile's presets: the page as wide as the window, or zoomed; the scroll starts over.
void profilePreset(CVARNView& view, int zoom) {
    view.resetScroll();
    view.fitToWindow = false;
    view.profileZoom = zoom;
    view.windowOrgX = view.windowOrgY = 0;
    view.windowExtX = view.windowExtY = 1;
    view.Invalidate();
}

} // namespace

void CVARNView::OnCghView() {
    if (displayMode != ModeCompensation) return;
    // Zooms on the genome-wide compensation panel, where the baseline region is dragged.
    resetScroll();
    fitToWindow = false;
    windowOrgX = 0;
    windowOrgY = 5500;
    windowExtX = 5;
    windowExtY = 2;
    Invalidate();
}

void CVARNView::OnRangeSet() {
    if (displayMode == ModeGenomeBoth || displayMode == ModeGenomeSingle || displayMode == ModeCompensation ||
        displayMode == ModeGenomeSelf) {
        rangeSetArmed = 1;
        doc_.ui().status("Range Set: drag over the baseline region, or press Enter to type it");
    }
}

void CVARNView::OnPrintView() {
    if (isProfileMode(displayMode)) return profilePreset(*this, 1);
    int x = 0, y = 0;
    switch (displayMode) {
    case ModeGenomeBoth: case ModeChromosomeBoth: x = 4; y = 2; break;
    case ModeGenomeSingle: case ModeGenomeSelf: case ModeChromosomeSingle: case ModeChromosomeSelf: x = 2; y = 2; break;
    default: return;
    }
    resetScroll();
    fitToWindow = false;
    windowOrgX = windowOrgY = 0;
    windowExtX = x;
    windowExtY = y;
    Invalidate();
}

void CVARNView::OnMonitorView() {
    if (isProfileMode(displayMode)) return profilePreset(*this, 1);
    int x = 0, y = 0;
    switch (displayMode) {
    case ModeGenomeBoth: x = 20; y = 10; break;
    case ModeChromosomeBoth: x = 10; y = 4; break;
    case ModeGenomeSingle: case ModeGenomeSelf: x = 10; y = 10; break;
    case ModeChromosomeSingle: case ModeChromosomeSelf: x = 5; y = 4; break;
    default: return;
    }
    resetScroll();
    fitToWindow = false;
    windowOrgX = windowOrgY = 0;
    windowExtX = x;
    windowExtY = y;
    Invalidate();
}

void CVARNView::OnExploreView() {
    if (!isChromosomeMode(displayMode)) return;
    if (displayMode == ModeProfileChromosome) return profilePreset(*this, kProfileExploreZoom);
    // One SNP per pixel: the chromosome is panned with MoveLeft / MoveRight.
    resetScroll();
    fitToWindow = false;
    windowOrgX = windowOrgY = 0;
    windowExtX = 1;
    windowExtY = 4;
    Invalidate();
}

void CVARNView::OnAllGenome() {
    if (displayMode == ModeProfileChromosome) return showProfileGenome();
    resetScroll();
    windowOrgX = windowOrgY = 0;
    if (displayMode == ModeChromosomeBoth) {
        displayMode = ModeGenomeBoth;
        windowExtX = 20;
        windowExtY = 10;
    } else if (displayMode == ModeChromosomeSingle) {
        displayMode = ModeGenomeSingle;
        windowExtX = windowExtY = 10;
    } else if (displayMode == ModeChromosomeSelf) {
        displayMode = ModeGenomeSelf;
        windowExtX = windowExtY = 10;
    }
    Invalidate();
}

void CVARNView::OnEachChromosome() {
    CChSelectDlg dialog;
    dialog.onInitDialog(!chromosomeDialogOpened);
    chromosomeDialogOpened = true;
    const DialogResult r = doc_.ui().chSelect(dialog);
    if (r == DialogResult::Failed) {
        doc_.ui().messageBox("Chromosome selection error");
        return;
    }
    if (r != DialogResult::Ok) return;
    // OK with no button checked keeps the chromosome shown.
    if (dialog.result >= 1 && dialog.result <= 23) currentChromosome = dialog.result;
    if (currentChromosome < 1 || currentChromosome > 23) currentChromosome = 1;
    if (displayMode == ModeProfileGenome) {
        displayMode = ModeProfileChromosome;
        return profilePreset(*this, 1);
    }
    resetScroll();
    windowOrgX = windowOrgY = 0;
    if (displayMode == ModeGenomeBoth) {
        displayMode = ModeChromosomeBoth;
        windowExtX = 10;
        windowExtY = 4;
    } else if (displayMode == ModeGenomeSingle) {
        displayMode = ModeChromosomeSingle;
        windowExtX = 5;
        windowExtY = 4;
    } else if (displayMode == ModeGenomeSelf) {
        displayMode = ModeChromosomeSelf;
        windowExtX = 5;
        windowExtY = 4;
    }
    Invalidate();
}

void CVARNView::OnPrevChromosome() {
    if (!isChromosomeMode(displayMode)) return;
    currentChromosome = currentChromosome <= 1 ? 23 : currentChromosome - 1;
    if (displayMode == ModeProfileChromosome) resetScroll();
    Invalidate();
}

void CVARNView::OnNextChromosome() {
    if (!isChromosomeMode(displayMode)) return;
    currentChromosome = currentChromosome >= 23 ? 1 : currentChromosome + 1;
    if (displayMode == ModeProfileChromosome) resetScroll();
    Invalidate();
}

// A profile's zoomed page moves half a window a step.
void CVARNView::OnMoveLeft() {
    if (displayMode == ModeProfileChromosome) {
        const ScrollAxis ax = scrollAxisX(*this);
        return scrollWindowTo(*this, ax.value - std::max(1, viewportWidth / 2), windowOrgY + scrollY);
    }
    if (!isChromosomeMode(displayMode) || windowExtX != 1) return;
    if (windowOrgX > 0) windowOrgX -= 500;
    Invalidate();
}

void CVARNView::OnMoveRight() {
    if (displayMode == ModeProfileChromosome) {
        const ScrollAxis ax = scrollAxisX(*this);
        return scrollWindowTo(*this, ax.value + std::max(1, viewportWidth / 2), windowOrgY + scrollY);
    }
    if (!isChromosomeMode(displayMode) || windowExtX != 1) return;
    // The merged chromosome 2 is twice as long as a single array's, hence the farther stop.
    const int lastStep = displayMode == ModeChromosomeBoth ? 9000 : 4500;
    if (windowOrgX <= lastStep) windowOrgX += 500;
    Invalidate();
}

void CVARNView::OnReturnToTop() {
    if (!isChromosomeMode(displayMode) || windowExtX != 1) return;
    windowOrgX = 0;
    resetScroll();
    Invalidate();
}

void CVARNView::OnAxesAndLegend() {
    annotate = !annotate;
    resetScroll();
    Invalidate();
}

void CVARNView::OnFitToWindow() {
    fitToWindow = !fitToWindow;
    resetScroll();
    Invalidate();
}

} // namespace varn
