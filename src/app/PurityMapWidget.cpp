#include "PurityMapWidget.h"

#include "canvas/QPainterCanvas.h"
#include "view/PaintPurityMap.h"

#include <QPainter>

namespace varn {

PurityMapWidget::PurityMapWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(620, 320);
    setObjectName("purityMap");
}

void PurityMapWidget::setFit(const PurityPloidyFit& fit) {
    fit_ = fit;
    update();
}

void PurityMapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QPainterCanvas canvas(painter);
    paintPurityMap(canvas, fit_, width(), height(), true);
}

} // namespace varn
