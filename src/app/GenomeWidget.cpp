#include "GenomeWidget.h"

#include "canvas/RenderToImage.h"
#include "view/CVARNView.h"
#include "view/ShownWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

namespace varn {

GenomeWidget::GenomeWidget(CVARNView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName("genomeView");
    // The paint covers the whole area itself, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    // Moves arrive only while a button is held: a drag is all the view follows.
    setMouseTracking(false);
    // The page keys scroll the page the mouse last clicked or wheeled over.
    setFocusPolicy(Qt::WheelFocus);
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    horizontal_->setObjectName("horizontalScroll");
    vertical_ = new QScrollBar(Qt::Vertical, this);
    vertical_->setObjectName("verticalScroll");
    for (QScrollBar* bar : {horizontal_, vertical_}) {
        bar->hide();
        bar->setCursor(Qt::ArrowCursor);
        connect(bar, &QScrollBar::valueChanged, this, [this] { scrollFromBars(); });
    }
    view_.onInvalidate = [this](bool) {
        syncBars();
        update();
    };
    view_.onCursor = [this](CVARNView::Cursor cursor) {
        setCursor(cursor == CVARNView::Cursor::CrossHair ? Qt::CrossCursor : Qt::ArrowCursor);
    };
    // The scroll ranges count the annotation strips before the first paint measures them.
    measureLabelsFor(view_);
}

GenomeWidget::~GenomeWidget() {
    view_.onInvalidate = nullptr;
    view_.onCursor = nullptr;
}

QSize GenomeWidget::viewportSize() const {
    return QSize(width() - (vertical_->isVisible() ? vertical_->sizeHint().width() : 0),
                 height() - (horizontal_->isVisible() ? horizontal_->sizeHint().height() : 0));
}

void GenomeWidget::syncBars() {
    if (syncing_) return;
    syncing_ = true;
    const int across = vertical_->sizeHint().width(), down = horizontal_->sizeHint().height();
    // A bar along one edge takes room from the other axis, so the need is settled twice.
    bool needH = false, needV = false;
    for (int pass = 0; pass < 2; ++pass) {
        view_.viewportWidth = width() - (needV ? across : 0);
        view_.viewportHeight = height() - (needH ? down : 0);
        needH = scrollAxisX(view_).needed();
        needV = scrollAxisY(view_).needed();
    }
    view_.viewportWidth = width() - (needV ? across : 0);
    view_.viewportHeight = height() - (needH ? down : 0);
    auto set = [](QScrollBar* bar, const ScrollAxis& a) {
        bar->setRange(a.minimum, std::max(a.minimum, a.maximum));
        bar->setPageStep(a.pageStep);
        bar->setSingleStep(a.singleStep);
        bar->setValue(a.value);
        bar->setVisible(a.needed());
    };
    set(horizontal_, scrollAxisX(view_));
    set(vertical_, scrollAxisY(view_));
    horizontal_->setGeometry(0, height() - down, view_.viewportWidth, down);
    vertical_->setGeometry(width() - across, 0, across, view_.viewportHeight);
    syncing_ = false;
}

void GenomeWidget::scrollFromBars() {
    if (syncing_) return;
    scrollWindowTo(view_, horizontal_->value(), vertical_->value());
}

void GenomeWidget::paintEvent(QPaintEvent*) {
    syncBars();
    QPainter painter(this);
    const QSize area = viewportSize();
    painter.setClipRect(QRect(QPoint(0, 0), area));
    paintView(view_, painter, area);
    // The corner between two bars.
    if (horizontal_->isVisible() && vertical_->isVisible())
        painter.fillRect(QRect(area.width(), area.height(), width() - area.width(), height() - area.height()),
                         palette().window());
}

void GenomeWidget::resizeEvent(QResizeEvent* event) {
    syncBars();
    QWidget::resizeEvent(event);
}

void GenomeWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) view_.OnLButtonDown(at.x(), at.y());
    else if (event->button() == Qt::RightButton) view_.OnRButtonDown(at.x(), at.y());
    QWidget::mousePressEvent(event);
}

void GenomeWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    view_.OnMouseMove(at.x(), at.y(), (event->buttons() & Qt::LeftButton) != 0);
    QWidget::mouseMoveEvent(event);
}

void GenomeWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        view_.OnLButtonUp(at.x(), at.y());
    }
    QWidget::mouseReleaseEvent(event);
}

void GenomeWidget::wheelEvent(QWheelEvent* event) {
    // A plain wheel scrolls down, a sideways wheel or a wheel turned with Shift across (some
    // systems turn the Shift wheel into a sideways one themselves).
    int dx = event->angleDelta().x(), dy = event->angleDelta().y();
    if ((event->modifiers() & Qt::ShiftModifier) != 0 && dx == 0) std::swap(dx, dy);
    if (dx == 0 && dy == 0) return QWidget::wheelEvent(event);
    // Three single steps a notch of 120, as text views scroll.
    horizontal_->setValue(horizontal_->value() - dx * 3 * horizontal_->singleStep() / 120);
    vertical_->setValue(vertical_->value() - dy * 3 * vertical_->singleStep() / 120);
    event->accept();
}

void GenomeWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageDown: vertical_->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_PageUp: vertical_->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_Home:
        horizontal_->setValue(horizontal_->minimum());
        vertical_->setValue(vertical_->minimum());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // An armed Range Set takes its region typed, for anyone who cannot drag.
        if (!view_.rangeSetArmed) return QWidget::keyPressEvent(event);
        view_.OnRegionTyped();
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

} // namespace varn
