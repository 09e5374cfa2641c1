#pragma once

#include "CMainFrame.h"
#include "CVARNApp.h"
#include "QtUserInterface.h"

#include <QPoint>
#include <QString>

#include <filesystem>
#include <functional>

class QWidget;

namespace varn::test {

// One window over an installation, answering through the real Qt dialogs, as the analysis roads
// drive it.
struct RoadWindow {
    QtUserInterface ui;
    CVARNApp app;

    explicit RoadWindow(const std::filesystem::path& root);
    bool start();
    CVARNDoc& doc() { return app.document(); }
    CVARNView& view() { return app.view(); }
    QWidget* genome() { return app.mainFrame().centralWidget(); }
    // As the person does it: through the menu item, which must be enabled.
    bool trigger(int id);
};

// Press at from, move with the left button held to to in a few steps, release there. whileHeld
// runs just before the release, with the selection band on the screen.
void drag(QWidget* widget, QPoint from, QPoint to, const std::function<void()>& whileHeld = {});
void rightClick(QWidget* widget, QPoint at);

QString qs(const std::filesystem::path& path);
// Whether the modal dialog is the face of that dialog class ("BasicModeFace").
bool isFace(QWidget* modal, const char* className);
bool checked(QWidget* modal, const char* name);
QString editText(QWidget* modal, const char* name);

} // namespace varn::test
