#include "PageInFrame.h"

#include "CVARNView.h"
#include "DisplayMode.h"

namespace varn {

ShownPageGuard::ShownPageGuard(CVARNView& view)
    : view_(view), mode_(view.displayMode), chromosome_(view.currentChromosome), orgX_(view.windowOrgX),
      orgY_(view.windowOrgY), extX_(view.windowExtX), extY_(view.windowExtY), scrollX_(view.scrollX),
      scrollY_(view.scrollY), width_(view.viewportWidth), height_(view.viewportHeight), fit_(view.fitToWindow) {}

ShownPageGuard::~ShownPageGuard() {
    view_.displayMode = mode_;
    view_.currentChromosome = chromosome_;
    view_.windowOrgX = orgX_;
    view_.windowOrgY = orgY_;
    view_.windowExtX = extX_;
    view_.windowExtY = extY_;
    view_.scrollX = scrollX_;
    view_.scrollY = scrollY_;
    view_.viewportWidth = width_;
    view_.viewportHeight = height_;
    view_.fitToWindow = fit_;
}

void fitPageInto(CVARNView& view, int width, int height) {
    view.viewportWidth = width;
    view.viewportHeight = height;
    view.fitToWindow = true;
    view.resetScroll();
}

void showChromosomeOf(CVARNView& view, int chromosome) {
    switch (view.displayMode) {
    case ModeGenomeBoth: view.displayMode = ModeChromosomeBoth; break;
    case ModeGenomeSingle: view.displayMode = ModeChromosomeSingle; break;
    case ModeGenomeSelf: view.displayMode = ModeChromosomeSelf; break;
    default: break;
    }
    view.currentChromosome = chromosome;
    view.OnMonitorView();
}

} // namespace varn
