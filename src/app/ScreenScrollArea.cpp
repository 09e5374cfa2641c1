#include "ScreenScrollArea.h"

#include <QEvent>
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

bool ScreenScrollArea::eventFilter(QObject* watched, QEvent* event) {
    const bool handled = QScrollArea::eventFilter(watched, event);
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        QWidget* dialog = window();
        const QScreen* shown = dialog->screen();
        if (dialog != this && dialog->isVisible() && shown != nullptr) {
            // Not adjustSize, which keeps a window to two thirds of the screen: the dialog may take
            // the screen's whole free height, which the area's hint already leaves room in.
            const QRect room = shown->availableGeometry();
            dialog->resize(dialog->sizeHint().boundedTo(room.size()));
            const int below = dialog->frameGeometry().bottom() - room.bottom();
            if (below > 0) dialog->move(dialog->x(), std::max(room.top(), dialog->y() - below));
        }
    }
    return handled;
}

// As wide as the content, so that only the height scrolls; as low as a few lines.
QSize ScreenScrollArea::minimumSizeHint() const {
    return {sizeHint().width(), std::min(sizeHint().height(), 100)};
}

} // namespace varn
