// varn_screenshots ROOT OUTDIR: runs the window through the analyses of a demo installation
// (made by "varn-cli --root ROOT demo-data") and saves what the window shows in the display modes
// 7 (compensation plots), 4 (Xba genome), 5 (chromosome 8 in the Explore view) and 21 (paired
// Xba genome). The person's answers come from a script, as in the tests.
#include "CMainFrame.h"
#include "CVARNApp.h"
#include "document/CVARNDoc.h"
#include "document/SetupDialogs.h"
#include "engine/CAverage.h"
#include "engine/CRefSelect.h"
#include "support/ScriptedUi.h"
#include "view/CChSelectDlg.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <filesystem>

using namespace varn;
namespace fs = std::filesystem;

namespace {

bool save(CVARNApp& app, const fs::path& file) {
    QApplication::processEvents();
    const bool saved = app.mainFrame().grab().save(QString::fromStdString(file.string()), "PNG");
    std::printf("%s %s (display mode %d)\n", saved ? "wrote" : "could not write", file.c_str(),
                app.view().displayMode);
    return saved;
}

void answerAverage(test::ScriptedUi& ui) {
    ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Usage: varn_screenshots ROOT OUTDIR\n");
        return 2;
    }
    const fs::path root = argv[1];
    const fs::path out = argv[2];
    fs::create_directories(out);
    // The user's own recent-file list stays untouched.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    test::ScriptedUi ui;
    CVARNApp app{InstallRoot(root), ui};
    if (!app.InitInstance({root / "XbaPool.ref"})) {
        std::fprintf(stderr, "the Xba pool of %s did not load\n", root.c_str());
        return 1;
    }
    app.mainFrame().resize(1280, 1000);
    CMainFrame& frame = app.mainFrame();
    CVARNView& view = app.view();

    // File New: a new Xba sample against the pool; the window opens on the compensation plots.
    ui.answer<CBasicMode>([](CBasicMode& d) {
        d.mode = kNonSelfReference;
        d.arrayChoice = kXba;
        return DialogResult::Ok;
    });
    ui.answer<CSampleSelect>([&root](CSampleSelect& d) {
        d.sampleChoice = 1;
        d.signalPath = (root / "tumorsampleX" / "Tumor1X.txt").string();
        d.signalName = "Tumor1X";
        d.snpPath = (root / "SNPtumorsampleX" / "Tumor1X.txt").string();
        d.snpName = "Tumor1X";
        return DialogResult::Ok;
    });
    frame.sendCommand(ID_FILE_NEW);
    bool ok = save(app, out / "mode7-compensation.png");

    // Chromosome 2 carries no planted change: the baseline region, two copies; then Sort with
    // every reference ticked.
    view.applyRegionBaseline(kXba, view.chromosomeStart[kXba][2], view.chromosomeStart[kXba][3] - 1, 2);
    ui.answer<CRefSelect>([](CRefSelect& d) {
        d.onSampleLoad();
        d.listChecked.assign(d.listItems.size(), true);
        return DialogResult::Ok;
    });
    answerAverage(ui);
    frame.sendCommand(ID_SORT);
    ok = save(app, out / "mode4-genome.png") && ok;

    ui.answer<CChSelectDlg>([](CChSelectDlg& d) {
        d.checked = 8;
        return DialogResult::Ok;
    });
    frame.sendCommand(ID_EACH_CHROMOSOME);
    frame.sendCommand(ID_EXPLORE_VIEW);
    ok = save(app, out / "mode5-explore-ch8.png") && ok;

    // The paired road: the same tumour against its own normal.
    ui.answer<CBasicMode>([](CBasicMode& d) {
        d.mode = kSelfReference;
        d.arrayChoice = kXba;
        return DialogResult::Ok;
    });
    ui.answer<CSelfSampleSelect>([&root](CSelfSampleSelect& d) {
        d.sampleChoice = 1;
        d.tumorSignalPath = (root / "tumorsampleX" / "Tumor1X.txt").string();
        d.tumorSignalName = "Tumor1X";
        d.tumorSnpPath = (root / "SNPtumorsampleX" / "Tumor1X.txt").string();
        d.tumorSnpName = "Tumor1X";
        d.normalSignalPath = (root / "sampledataX" / "Tumor1NX.txt").string();
        d.normalSignalName = "Tumor1NX";
        d.normalSnpPath = (root / "sampledataX" / "Tumor1NX_snp.txt").string();
        d.normalSnpName = "Tumor1NX_snp";
        return DialogResult::Ok;
    });
    answerAverage(ui);
    frame.sendCommand(ID_FILE_NEW);
    ok = save(app, out / "mode21-paired.png") && ok;

    for (const std::string& message : ui.messages) std::printf("message: %s\n", message.c_str());
    return ok ? 0 : 1;
}
