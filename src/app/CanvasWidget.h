#pragma once

#include <QWidget>

#include <functional>

namespace varn {

class Canvas;

// A widget the view's painting code draws on: the picture `paint` puts on a canvas of the
// widget's size, on white (the fraction estimate's curve, the joint fit's map).
class CanvasWidget : public QWidget {
  public:
    using Paint = std::function<void(Canvas& canvas, int width, int height)>;
    CanvasWidget(const QString& name, QSize minimum, QWidget* parent);
    void setPaint(Paint paint);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Paint paint_;
};

} // namespace varn
