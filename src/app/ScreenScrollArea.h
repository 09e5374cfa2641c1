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

  private:
    int reserve_;
};

} // namespace varn
