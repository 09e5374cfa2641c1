// varn: the Qt 6 window of VARN.
//   varn [--root DIR] [--screenshot FILE.png] [POOLFILE | PROFILE]
// A pool file argument is loaded at start-up, as "Load Ref" would load it; a profile (a name ending
// in .txt, .csv, .tsv or .gz) is opened as Open Profile opens it. --screenshot saves an
// image of the window once it is shown and ends the program (for documentation and checks).
#include "CMainFrame.h"
#include "CVARNApp.h"
#include "QtUserInterface.h"
#include "ToolbarIcons.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <vector>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("VARN");
    QApplication::setWindowIcon(varn::toolbarIcon(varn::ID_PROGRAM_ICON, *QApplication::style()));

    std::optional<std::filesystem::path> rootOption;
    std::optional<QString> screenshot;
    std::vector<std::filesystem::path> files;
    const QStringList args = QApplication::arguments();
    for (qsizetype k = 1; k < args.size(); ++k) {
        if (args[k] == "--root" && k + 1 < args.size()) {
            rootOption = args[++k].toStdString();
        } else if (args[k] == "--screenshot" && k + 1 < args.size()) {
            screenshot = args[++k];
        } else if (args[k] == "--help" || args[k] == "-h") {
            std::printf("Usage: varn [--root DIR] [--screenshot FILE.png] [POOLFILE | PROFILE]\n");
            return 0;
        } else {
            files.emplace_back(args[k].toStdString());
        }
    }

    const varn::InstallRoot root = varn::InstallRoot::fromOptionOrEnvironment(rootOption);
    varn::QtUserInterface ui(root);
    varn::CVARNApp app(root, ui);
    bool started = false;
    app.frameCreated = [&ui](QWidget* frame) { ui.setParent(frame); };

    if (screenshot) {
        // Unattended: every message box of the start-up is answered OK, then the window is saved
        // once it shows.
        auto* timer = new QTimer(&application);
        QObject::connect(timer, &QTimer::timeout, [&app, &started, &screenshot] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
                return;
            }
            if (!started || !app.mainFrame().isVisible()) return;
            const bool saved = app.mainFrame().grab().save(*screenshot, "PNG");
            QApplication::exit(saved ? 0 : 1);
        });
        timer->start(300);
    }
    if (!app.InitInstance(files)) return 1;
    started = true;
    return QApplication::exec();
}
