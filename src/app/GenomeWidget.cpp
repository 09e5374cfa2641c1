#include "GenomeWidget.h"

#include "canvas/RenderToImage.h"
#include "view/CVARNView.h"

#include <QPainter>

namespace varn {

GenomeWidget::GenomeWidget(CVARNView& view, QWidget* parent) : QWidget(parent), view_(view) {
    // The paint covers the whole area itself, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    view_.onInvalidate = [this](bool) { update(); };
}

GenomeWidget::~GenomeWidget() {
    view_.onInvalidate = nullptr;
}

void GenomeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintView(view_, painter, size());
}

} // namespace varn
