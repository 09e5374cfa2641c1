#include "GenomeWidget.h"

#include "canvas/RenderToImage.h"
#include "view/CVARNView.h"

#include <QMouseEvent>
#include <QPainter>

namespace varn {

GenomeWidget::GenomeWidget(CVARNView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName("genomeView");
    // The paint covers the whole area itself, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    // Moves arrive only while a button is held: a drag is all the view follows.
    setMouseTracking(false);
    view_.onInvalidate = [this](bool) { update(); };
    view_.onCursor = [this](CVARNView::Cursor cursor) {
        setCursor(cursor == CVARNView::Cursor::CrossHair ? Qt::CrossCursor : Qt::ArrowCursor);
    };
}

GenomeWidget::~GenomeWidget() {
    view_.onInvalidate = nullptr;
    view_.onCursor = nullptr;
}

void GenomeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintView(view_, painter, size());
}

void GenomeWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) view_.OnLButtonDown(at.x(), at.y());
    else if (event->button() == Qt::RightButton) view_.OnRButtonDown(at.x(), at.y());
    QWidget::mousePressEvent(event);
}

void GenomeWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    view_.OnMouseMove(at.x(), at.y(), (event->buttons() & Qt::LeftButton) != 0);
    QWidget::mouseMoveEvent(event);
}

void GenomeWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        view_.OnLButtonUp(at.x(), at.y());
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace varn
