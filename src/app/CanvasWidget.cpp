#include "CanvasWidget.h"

#include "canvas/QPainterCanvas.h"

#include <QPainter>

namespace varn {

CanvasWidget::CanvasWidget(const QString& name, QSize minimum, QWidget* parent) : QWidget(parent) {
    setMinimumSize(minimum);
    setObjectName(name);
}

void CanvasWidget::setPaint(Paint paint) {
    paint_ = std::move(paint);
    update();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!paint_) return;
    QPainterCanvas canvas(painter);
    paint_(canvas, width(), height());
}

} // namespace varn
