#pragma once

#include <QWidget>

namespace varn {

class CVARNView;

// The client area of the main window: every paint hands a QPainter canvas to the view, which
// draws its display mode. The view asks for repaints through its invalidate hook.
class GenomeWidget : public QWidget {
    Q_OBJECT
  public:
    explicit GenomeWidget(CVARNView& view, QWidget* parent = nullptr);
    ~GenomeWidget() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CVARNView& view_;
};

} // namespace varn
