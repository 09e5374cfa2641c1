// varn_screenshots ROOT OUTDIR: runs the window through the analyses of a demo installation
// (made by "varn-cli --root ROOT demo-data") and saves what the window shows in every display
// mode: 7 (compensation plots, as opened and under CGH View), 10 (reference ranking), 4 (Xba
// genome), 5 (chromosome 8 under MonitorView and in the Explore view), 2 and 3 (Xba + Hind genome
// and chromosome 4), 21 and 22 (paired Xba genome and chromosome 8), and the B-allele fraction
// panel under chromosome 8 and the Xba genome. The person's answers come
// from a script, as in the tests; the window starts with the user's "Axes and Legend" setting,
// which is on unless switched off. Then every dialog face is opened over the window with the
// analysis' own values and saved as it opens (dialog-*.png).
#include "CMainFrame.h"
#include "CVARNApp.h"
#include "QtUserInterface.h"
#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "commands/CHMMParameter.h"
#include "commands/CRefSelect.h"
#include "commands/CRegionEntry.h"
#include "document/CVARNDoc.h"
#include "document/SetupDialogs.h"
#include "engine/purity/PurityEstimate.h"
#include "support/ScriptedUi.h"
#include "view/CChSelectDlg.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

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

// Lets the event loop run for a while, so a chooser lists its folder before it is saved.
void settle(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool saveWidget(QWidget* widget, const fs::path& file) {
    const bool saved = widget != nullptr && widget->grab().save(QString::fromStdString(file.string()), "PNG");
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.c_str());
    return saved;
}

// Saves the next modal dialog as it opens (after `prepare`, which may press its buttons) and then
// closes it as Cancel would. The flag turns false when nothing opened within five seconds.
void shootNextModal(const fs::path& file, bool& ok, std::function<void(QWidget*)> prepare = {}) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, file, &ok, prepare] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && clock->elapsed() < 5000) return;
        timer->stop();
        timer->deleteLater();
        if (modal == nullptr) {
            std::printf("no dialog opened for %s\n", file.c_str());
            ok = false;
            return;
        }
        if (prepare) prepare(modal);
        settle(50);
        ok = saveWidget(modal, file) && ok;
        modal->close();
    });
    timer->start(10);
}

void press(QWidget* dialog, const QString& name) {
    if (auto* button = dialog->findChild<QAbstractButton*>(name)) button->click();
}
void press(QWidget* dialog, int id) {
    press(dialog, QString::number(id));
}

// Opens each face through the real Qt interface, with the values the analysis left behind.
bool shootDialogs(CVARNApp& app, const InstallRoot& root, const CRefSelect& ranked, const fs::path& out) {
    CVARNDoc& doc = app.document();
    CVARNView& view = app.view();
    QtUserInterface qt(root);
    qt.setParent(&app.mainFrame());
    bool ok = true;

    CBasicMode basic;
    basic.mode = doc.referenceMode;
    basic.arrayChoice = doc.arrayType;
    shootNextModal(out / "dialog-basic-mode.png", ok);
    qt.basicMode(basic);

    CSampleSelect sample;
    sample.arrayChoice = kXba;
    sample.signalName = "Tumor1X";
    sample.snpName = "Tumor1X";
    shootNextModal(out / "dialog-sample-select.png", ok);
    qt.sampleSelect(sample);

    CSelfSampleSelect paired;
    paired.arrayChoice = kXba;
    paired.tumorSignalName = "Tumor1X";
    paired.tumorSnpName = "Tumor1X";
    paired.normalSignalName = "Tumor1NX";
    paired.normalSnpName = "Tumor1NX_snp";
    shootNextModal(out / "dialog-self-sample-select.png", ok);
    qt.selfSampleSelect(paired);

    CSampleTypeSelect type;
    shootNextModal(out / "dialog-sample-type-select.png", ok);
    qt.sampleTypeSelect(type);

    CRefSelect refs = ranked;
    shootNextModal(out / "dialog-ref-select.png", ok, [](QWidget* dialog) { press(dialog, 1003); });
    qt.refSelect(refs);

    CBaseSet base;
    shootNextModal(out / "dialog-base-set.png", ok);
    qt.baseSet(base);

    CAverage average;
    average.onInitDialog();
    shootNextModal(out / "dialog-average.png", ok);
    qt.average(average);

    CHMMParameter hmm;
    for (int i = 0; i < 6; ++i) hmm.member[i] = doc.hmmMean[5 - i];
    hmm.onInitDialog();
    shootNextModal(out / "dialog-hmm-parameter.png", ok);
    qt.hmmParameter(hmm);

    CChSelectDlg chromosome;
    chromosome.onInitDialog(true);
    shootNextModal(out / "dialog-ch-select.png", ok);
    qt.chSelect(chromosome);

    FileChooserOptions chooser;
    chooser.title = "Select Xba tumor sample signal data file";
    chooser.initialDirectory = root.map("C:\\VARN\\tumorsampleX");
    chooser.filter = "text(*.txt)|*.txt|all_files(*.*)|*.*||";
    chooser.defaultExtension = "txt";
    chooser.initialFileName = "*.txt";
    shootNextModal(out / "dialog-file-chooser.png", ok, [](QWidget*) { settle(400); });
    qt.openFile(chooser);

    qt.progress("Reading reference samples", 3, 8);
    QWidget* progress = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "progress" && widget->isVisible()) progress = widget;
    settle(50);
    ok = saveWidget(progress, out / "dialog-progress.png") && ok;
    qt.progress("Reading reference samples", 8, 8);

    shootNextModal(out / "dialog-message-box.png", ok);
    qt.messageBox("Read the reference sample");

    // The question before an unstored analysis is closed, over the window as the screen shows it.
    shootNextModal(out / "dialog-store-question.png", ok, [&out](QWidget*) {
        settle(100);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            screen->grabWindow(0).save(QString::fromStdString((out / "screen-store-question.png").string()),
                                       "PNG");
    });
    qt.storeQuestion("Store the analysis of Tumor1X?");

    CRegionEntry region;
    region.doc = &doc;
    region.t = kXba;
    region.text = "chr1:1-100000000";
    shootNextModal(out / "dialog-region-entry.png", ok);
    qt.regionEntry(region);

    // The point inspection's question, with the values of a SNP in chromosome 8.
    const int i = view.chromosomeStart[kXba][8] + 500;
    char text[1024];
    int used = std::snprintf(text, sizeof text, "SNPnumber= %d\tChromosome= %d\tCytoband= %7s\n ", i,
                             doc.snpChromosome[doc.arrangeOrder[i]], doc.snpBandName[doc.arrangeOrder[i]]);
    for (int j = i - 2; j <= i + 2 && used > 0 && used < static_cast<int>(sizeof text); ++j)
        used += std::snprintf(text + used, sizeof text - static_cast<std::size_t>(used),
                              "\n point %d: signal= %f Position= %d", j, static_cast<double>(doc.logRatio[0][j]),
                              doc.snpPosition[doc.arrangeOrder[j]]);
    std::string question = std::string(text) + "\n\n Goto Web Information?";
    shootNextModal(out / "dialog-inspection-yes-no.png", ok);
    qt.yesNoBox(question);
    return ok;
}

// The HMM dialog after Estimate on the pool analysis shown: its map and solutions make it taller
// than a screen of 1000 pixels, whose free height it must keep to (it scrolls inside).
bool shootHmmEstimate(CVARNApp& app, const InstallRoot& root, const fs::path& out) {
    CVARNDoc& doc = app.document();
    QtUserInterface qt(root);
    qt.setParent(&app.mainFrame());
    CHMMParameter hmm;
    for (int i = 0; i < 6; ++i) hmm.member[i] = doc.hmmMean[5 - i];
    hmm.onInitDialog();
    hmm.estimator = [&doc, &hmm](PurityEstimate& estimate, std::string& reason) {
        return estimatePurity(doc, kXba, false, estimate, reason, hmm.fitOptions);
    };
    bool ok = true;
    shootNextModal(out / "dialog-hmm-estimate.png", ok, [&out](QWidget* dialog) {
        press(dialog, "estimate");
        settle(300);
        const QRect screen = dialog->screen()->availableGeometry();
        std::printf("HMM dialog after Estimate: %d pixels high (frame %d) on a screen of %d free\n",
                    dialog->height(), dialog->frameGeometry().height(), screen.height());
        if (QScreen* shown = QGuiApplication::primaryScreen())
            shown->grabWindow(0).save(QString::fromStdString((out / "screen-hmm-estimate.png").string()),
                                      "PNG");
    });
    qt.hmmParameter(hmm);
    return ok;
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
    frame.sendCommand(ID_CGH_VIEW);
    ok = save(app, out / "mode7-cgh-view.png") && ok;

    // Chromosome 2 carries no planted change: the baseline region, two copies; then Sort with
    // every reference ticked.
    view.applyRegionBaseline(kXba, view.chromosomeStart[kXba][2], view.chromosomeStart[kXba][3] - 1, 2);
    ok = save(app, out / "mode10-reference-sort.png") && ok;
    CRefSelect ranked; // the ranked references as the dialog received them, shown again below
    auto answerSort = [&ui, &ranked] {
        ui.answer<CRefSelect>([&ranked](CRefSelect& d) {
            ranked = d;
            d.onSampleLoad();
            d.listChecked.assign(d.listItems.size(), true);
            return DialogResult::Ok;
        });
        answerAverage(ui);
    };
    answerSort();
    frame.sendCommand(ID_SORT);
    ok = save(app, out / "mode4-genome.png") && ok;
    ok = shootHmmEstimate(app, InstallRoot(root), out) && ok;
    frame.sendCommand(ID_STORE);

    auto chooseChromosome = [&ui](int c) {
        ui.answer<CChSelectDlg>([c](CChSelectDlg& d) {
            d.checked = c;
            return DialogResult::Ok;
        });
    };
    chooseChromosome(8);
    frame.sendCommand(ID_EACH_CHROMOSOME);
    ok = save(app, out / "mode5-ch8.png") && ok;
    frame.sendCommand(ID_EXPLORE_VIEW);
    ok = save(app, out / "mode5-explore-ch8.png") && ok;
    // The B-allele fraction panel under chromosome 8 and under the genome, with its axis and key.
    frame.sendCommand(ID_MONITOR_VIEW);
    frame.sendCommand(ID_BAF_PANEL);
    ok = save(app, out / "mode5-ch8-baf.png") && ok;
    frame.sendCommand(ID_ALL_GENOME);
    ok = save(app, out / "mode4-genome-baf.png") && ok;
    frame.sendCommand(ID_BAF_PANEL);

    // The same tumour on Hind, stored, and both arrays merged (File New, "Xba + Hind").
    if (!app.OpenDocumentFile(root / "HindPool.ref")) std::printf("the Hind pool did not load\n");
    ui.answer<CBasicMode>([](CBasicMode& d) {
        d.mode = kNonSelfReference;
        d.arrayChoice = kHind;
        return DialogResult::Ok;
    });
    ui.answer<CSampleSelect>([&root](CSampleSelect& d) {
        d.sampleChoice = 1;
        d.signalPath = (root / "tumorsampleH" / "Tumor1H.txt").string();
        d.signalName = "Tumor1H";
        d.snpPath = (root / "SNPtumorsampleH" / "Tumor1H.txt").string();
        d.snpName = "Tumor1H";
        return DialogResult::Ok;
    });
    frame.sendCommand(ID_FILE_NEW);
    view.applyRegionBaseline(kHind, view.chromosomeStart[kHind][2], view.chromosomeStart[kHind][3] - 1, 2);
    answerSort();
    frame.sendCommand(ID_SORT);
    frame.sendCommand(ID_STORE);
    ui.answer<CBasicMode>([](CBasicMode& d) {
        d.mode = kNonSelfReference;
        d.arrayChoice = kCombined;
        return DialogResult::Ok;
    });
    ui.answerFile(root / "temporary files" / "Tumor1X.temp");
    ui.answerFile(root / "temporary files" / "Tumor1H.temp");
    answerAverage(ui);
    frame.sendCommand(ID_FILE_NEW);
    ok = save(app, out / "mode2-merged-genome.png") && ok;
    chooseChromosome(4);
    frame.sendCommand(ID_EACH_CHROMOSOME);
    ok = save(app, out / "mode3-merged-ch4.png") && ok;

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
    chooseChromosome(8);
    frame.sendCommand(ID_EACH_CHROMOSOME);
    ok = save(app, out / "mode22-paired-ch8.png") && ok;

    ok = shootDialogs(app, InstallRoot(root), ranked, out) && ok;

    for (const std::string& message : ui.messages) std::printf("message: %s\n", message.c_str());
    return ok ? 0 : 1;
}
