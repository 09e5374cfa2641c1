#include "PurityCurveWidget.h"

#include "canvas/QPainterCanvas.h"
#include "view/PaintPurityCurve.h"

#include <QPainter>

namespace varn {

PurityCurveWidget::PurityCurveWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(220, 70);
    setObjectName("purityCurve");
}

void PurityCurveWidget::setEstimate(const PurityEstimate& estimate) {
    estimate_ = estimate;
    update();
}

void PurityCurveWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QPainterCanvas canvas(painter);
    paintPurityCurve(canvas, estimate_, width(), height(), false);
}

} // namespace varn
