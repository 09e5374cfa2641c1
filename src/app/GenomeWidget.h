#pragma once

#include <QWidget>

class QScrollBar;

namespace varn {

class CVARNView;

// The client area of the main window: every paint hands a QPainter canvas to the view, which
// draws its display mode; the mouse goes to the view's handlers in device pixels of this widget.
// The view asks for repaints and cursor shapes through its hooks.
//
// A page larger than the area gets scroll bars along its right and bottom edges; they, the wheel
// (Shift+wheel across), PageUp / PageDown and Home move the view's shown origin. Enter types the
// region of an armed Range Set. Their ranges
// come from the view (ShownWindow.h), so the bars follow every command and resize.
class GenomeWidget : public QWidget {
    Q_OBJECT
  public:
    explicit GenomeWidget(CVARNView& view, QWidget* parent = nullptr);
    ~GenomeWidget() override;

    QScrollBar* horizontalBar() const { return horizontal_; }
    QScrollBar* verticalBar() const { return vertical_; }
    // The part of the widget the page is drawn in: all of it but the bars shown.
    QSize viewportSize() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Sets the bars' ranges and values from the view, shows those that are needed and tells the
    // view its viewport. Runs before every paint.
    void syncBars();
    void scrollFromBars();

    CVARNView& view_;
    QScrollBar* horizontal_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    bool syncing_ = false;
};

} // namespace varn
