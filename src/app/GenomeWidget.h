#pragma once

#include <QWidget>

namespace varn {

class CVARNView;

// The client area of the main window: every paint hands a QPainter canvas to the view, which
// draws its display mode; the mouse goes to the view's handlers in device pixels of this widget.
// The view asks for repaints and cursor shapes through its hooks.
class GenomeWidget : public QWidget {
    Q_OBJECT
  public:
    explicit GenomeWidget(CVARNView& view, QWidget* parent = nullptr);
    ~GenomeWidget() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    CVARNView& view_;
};

} // namespace varn
