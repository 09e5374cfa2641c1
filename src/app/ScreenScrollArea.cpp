#include "ScreenScrollArea.h"

#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace varn {

ScreenScrollArea::ScreenScrollArea(QWidget* content, int reserve, QWidget* parent)
    : QScrollArea(parent), reserve_(reserve) {
    setObjectName("scrollArea");
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(content);
}

QSize ScreenScrollArea::sizeHint() const {
    const QSize content = widget() != nullptr ? widget()->sizeHint() : QSize();
    int width = content.width() + 2 * frameWidth();
    int height = content.height() + 2 * frameWidth();
    const QScreen* shown = screen();
    const int room = shown != nullptr ? shown->availableGeometry().height() - reserve_ : height;
    if (height > room) {
        height = std::max(100, room);
        width += verticalScrollBar()->sizeHint().width();
    }
    return {width, height};
}

// As wide as the content, so that only the height scrolls; as low as a few lines.
QSize ScreenScrollArea::minimumSizeHint() const {
    return {sizeHint().width(), std::min(sizeHint().height(), 100)};
}

} // namespace varn
