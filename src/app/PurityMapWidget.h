#pragma once

#include "engine/PurityPloidyFit.h"

#include <QWidget>

namespace varn {

// The joint fit of tumour cell fraction and ploidy as a map, drawn with its axes and numbered
// solutions by the view's painting code on the widget.
class PurityMapWidget : public QWidget {
  public:
    explicit PurityMapWidget(QWidget* parent);
    void setFit(const PurityPloidyFit& fit);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PurityPloidyFit fit_;
};

} // namespace varn
