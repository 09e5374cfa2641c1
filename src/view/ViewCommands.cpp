// The commands of the Parameter and View menus: window presets, chromosome stepping and panning.
#include "CVARNView.h"

#include "CChSelectDlg.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

namespace varn {

namespace {

bool isChromosomeMode(int mode) {
    return mode == ModeChromosomeBoth || mode == ModeChromosomeSingle || mode == ModeChromosomeSelf;
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
    // One SNP per pixel: the chromosome is panned with MoveLeft / MoveRight.
    resetScroll();
    fitToWindow = false;
    windowOrgX = windowOrgY = 0;
    windowExtX = 1;
    windowExtY = 4;
    Invalidate();
}

void CVARNView::OnAllGenome() {
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
    Invalidate();
}

void CVARNView::OnNextChromosome() {
    if (!isChromosomeMode(displayMode)) return;
    currentChromosome = currentChromosome >= 23 ? 1 : currentChromosome + 1;
    Invalidate();
}

void CVARNView::OnMoveLeft() {
    if (!isChromosomeMode(displayMode) || windowExtX != 1) return;
    if (windowOrgX > 0) windowOrgX -= 500;
    Invalidate();
}

void CVARNView::OnMoveRight() {
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
