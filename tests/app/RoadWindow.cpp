#include "RoadWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

namespace varn::test {

RoadWindow::RoadWindow(const std::filesystem::path& root) : ui(InstallRoot(root)), app(InstallRoot(root), ui) {
    app.frameCreated = [this](QWidget* frame) { ui.setParent(frame); };
}

bool RoadWindow::start() {
    if (!app.InitInstance({})) return false;
    app.mainFrame().resize(1280, 1000);
    QApplication::processEvents();
    return true;
}

bool RoadWindow::trigger(int id) {
    // Opening the menu refreshes its items, as the frame's timer does for the toolbar.
    app.mainFrame().updateCommandUi();
    QAction* action = app.mainFrame().commandAction(id);
    if (action == nullptr || !action->isEnabled()) return false;
    action->trigger();
    QApplication::processEvents();
    return true;
}

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void drag(QWidget* widget, QPoint from, QPoint to, const std::function<void()>& whileHeld) {
    sendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + (to - from) * step / 4;
        sendMouse(widget, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, at);
    }
    QApplication::processEvents();
    if (whileHeld) whileHeld();
    sendMouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
}

void rightClick(QWidget* widget, QPoint at) {
    sendMouse(widget, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at);
    sendMouse(widget, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, at);
}

QString qs(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

bool isFace(QWidget* modal, const char* className) {
    return QByteArray(modal->metaObject()->className()) == QByteArray("varn::") + className;
}

bool checked(QWidget* modal, const char* name) {
    auto* button = modal->findChild<QAbstractButton*>(name);
    return button != nullptr && button->isChecked();
}

QString editText(QWidget* modal, const char* name) {
    auto* edit = modal->findChild<QLineEdit*>(name);
    return edit == nullptr ? QString("<no edit %1>").arg(name) : edit->text();
}

} // namespace varn::test
