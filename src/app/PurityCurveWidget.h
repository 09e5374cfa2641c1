#pragma once

#include "engine/PurityEstimate.h"

#include <QWidget>

namespace varn {

// The fit curve of a tumour cell fraction estimate, drawn small (no labels) by the view's
// painting code on the widget.
class PurityCurveWidget : public QWidget {
  public:
    explicit PurityCurveWidget(QWidget* parent);
    void setEstimate(const PurityEstimate& estimate);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PurityEstimate estimate_;
};

} // namespace varn
