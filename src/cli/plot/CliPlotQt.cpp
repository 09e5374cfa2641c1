#include "cli/CliPlot.h"

#include "canvas/RenderToImage.h"
#include "view/CVARNView.h"

#include <QGuiApplication>

namespace varn::cli {

namespace {

// Text needs Qt's font database, which lives in a GUI application object; the offscreen platform
// gives one without a display.
void ensureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    static int argc = 3;
    static char name[] = "varn-cli", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    static QGuiApplication application(argc, argv);
}

} // namespace

bool plotDisplay(CVARNView& view, const std::filesystem::path& file, std::string& error) {
    ensureGuiApplication();
    view.OnMonitorView();
    if (!renderToImage(view, file)) {
        error = "the plot " + file.string() + " could not be written";
        return false;
    }
    return true;
}

} // namespace varn::cli
