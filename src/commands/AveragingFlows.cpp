// The averaging dialog and the moving averages that end every analysis, and the Average mode
// command that re-averages what is shown.
#include "view/CVARNView.h"

#include "commands/CAverage.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"

namespace varn {

namespace {

// Opens the averaging dialog preset to a window of 10, "Exclude Max and Min" and "Lines"; on OK
// the view keeps the three answers (the plot titles print them).
DialogResult askAveraging(CVARNView& view) {
    CAverage dialog;
    dialog.averageNumber = 10;
    dialog.onInitDialog();
    const DialogResult result = view.GetDocument().ui().average(dialog);
    if (result == DialogResult::Ok) {
        view.trimExtremes = dialog.trimExtremes;
        view.drawMethod = dialog.drawMethod;
        view.averageNumber = dialog.averageNumber;
    }
    return result;
}

void averagePoolRow(CVARNView& view, int t) {
    view.GetDocument().movingAverage(t, view.averageNumber, view.trimExtremes, 1, false);
}

// The paired rows are drawn as linear tumour/normal ratios (1 for an unchanged allele), so they
// are averaged on that scale.
void averagePairedRows(CVARNView& view, int t) {
    for (int kind = 1; kind <= 3; ++kind)
        view.GetDocument().movingAverage(t, view.averageNumber, view.trimExtremes, kind, true);
}

void showWholeGenome(CVARNView& view, int mode, int extentX) {
    view.resetScroll();
    view.windowOrgX = 0;
    view.windowOrgY = 0;
    view.windowExtX = extentX;
    view.windowExtY = 10;
    view.displayMode = mode;
    view.Invalidate();
}

} // namespace

bool CVARNView::averageArrayType(int t) {
    shownArrayType = t;
    if (askAveraging(*this) != DialogResult::Ok) return false;
    averagePoolRow(*this, t);
    doc_.computeLohScore(t);
    showWholeGenome(*this, ModeGenomeSingle, 10);
    return true;
}

bool CVARNView::averageCombined() {
    shownArrayType = kCombined;
    if (askAveraging(*this) != DialogResult::Ok) return false;
    averagePoolRow(*this, kCombined);
    doc_.computeLohScore(kCombined);
    showWholeGenome(*this, ModeGenomeBoth, 20);
    return true;
}

bool CVARNView::averagePaired(int t) {
    shownArrayType = t;
    const DialogResult result = askAveraging(*this);
    if (result == DialogResult::Cancel) {
        doc_.ui().messageBox("Cancelled");
        return false;
    }
    if (result == DialogResult::Failed) {
        doc_.ui().messageBox("Averaging error");
        return false;
    }
    averagePairedRows(*this, t);
    showWholeGenome(*this, ModeGenomeSelf, 10);
    return true;
}

bool CVARNDoc::averagePairedInView(int t) { return view == nullptr || view->averagePaired(t); }

void CVARNView::OnAverageMode() {
    if (askAveraging(*this) != DialogResult::Ok) return;
    switch (displayMode) {
    case ModeGenomeBoth:
    case ModeChromosomeBoth:
    case ModeGenomeSingle:
    case ModeChromosomeSingle:
        averagePoolRow(*this, shownArrayType);
        break;
    case ModeGenomeSelf:
    case ModeChromosomeSelf:
        averagePairedRows(*this, shownArrayType);
        break;
    default:
        break;
    }
    Invalidate();
}

} // namespace varn
