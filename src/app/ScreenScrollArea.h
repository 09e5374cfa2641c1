#pragma once

#include <QScrollArea>

namespace varn {

// A dialog's content that may grow taller than a screen (the HMM dialog once Estimate shows its map
// and solutions): the area is as large as the content until the dialog, with the `reserve` pixels
// of buttons and frame around the area, would no longer fit the screen's free height; from there
// it scrolls, and the buttons stay in view.
class ScreenScrollArea : public QScrollArea {
  public:
    ScreenScrollArea(QWidget* content, int reserve, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    // The content grew or shrank (Estimate shows its map): the area asks for its new size, and the
    // dialog takes it, kept on the screen.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int reserve_;
};

} // namespace varn
