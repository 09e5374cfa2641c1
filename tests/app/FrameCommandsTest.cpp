// Commands sent through the main window: chromosome stepping, panning, presets, Load Ref, the
// recent-file list, the caption, Ctrl+S, the two commands without a menu item and the "Axes and
// Legend" toggle kept in the settings.
#include "AppFixture.h"
#include "CAboutBox.h"
#include "CMainFrame.h"
#include "CommandRouter.h"
#include "document/CVARNDoc.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <cstdio>
#include <filesystem>
#include <functional>

using namespace varn;

namespace {

void enterMode(CVARNView& view, int mode, int extX, int extY) {
    view.displayMode = mode;
    view.windowOrgX = 0;
    view.windowOrgY = 0;
    view.windowExtX = extX;
    view.windowExtY = extY;
}

QStringList recentCaptions(CMainFrame& frame) {
    QStringList captions;
    for (const QAction* action : frame.menuNamed("File")->actions()) {
        const int id = action->data().toInt();
        if (action->isVisible() && id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 5)
            captions << action->text();
    }
    return captions;
}

} // namespace

class FrameCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void previousFromCh1ShowsXAndNextFromXShowsCh1();
    void moveRightStopsAtTheLastOrigin_data();
    void moveRightStopsAtTheLastOrigin();
    void printViewInExploreModeDisablesPanning();
    void titleFollowsTheDocument();
    void loadRefGoesThroughTheOpenDialog();
    void recentFilesAfterLoadingTwoPools();
    void recentFileThatNoLongerOpensLeavesTheList();
    void poolFileArgumentIsLoadedAtStartUp();
    void unreadablePoolFileArgumentEndsStartUp();
    void saveWritesThePoolFileAndAsksForANameOnlyWithoutOne();
    void commandsWithoutMenuItemsReachTheDocument();
    void viewHandlersComeBeforeTheDocumentAndTheApplication();
    void axesAndLegendStartsOnAndIsRememberedOff();
    void unstoredAnalysisIsNotClosedUnasked();
    void altFOpensTheFileMenu();
    void aboutBoxShowsTheVersionVarnCliPrints();
};

void FrameCommandsTest::previousFromCh1ShowsXAndNextFromXShowsCh1() {
    test::AppFixture f;
    CVARNView& view = f.app->view();
    enterMode(view, 5, 5, 4);
    view.currentChromosome = 1;
    QVERIFY(f.app->mainFrame().sendCommand(ID_PREV_CHROMOSOME));
    QCOMPARE(view.currentChromosome, 23);
    QVERIFY(f.app->mainFrame().sendCommand(ID_NEXT_CHROMOSOME));
    QCOMPARE(view.currentChromosome, 1);
}

void FrameCommandsTest::moveRightStopsAtTheLastOrigin_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("lastOrigin");
    QTest::newRow("merged chromosome") << 3 << 9500;
    QTest::newRow("single chromosome") << 5 << 5000;
    QTest::newRow("self chromosome") << 22 << 5000;
}

// Pressed through the toolbar's action, as the person would, until nothing moves any more.
void FrameCommandsTest::moveRightStopsAtTheLastOrigin() {
    QFETCH(int, mode);
    QFETCH(int, lastOrigin);
    test::AppFixture f;
    CVARNView& view = f.app->view();
    enterMode(view, mode, 10, 4);
    view.currentChromosome = 1;
    f.app->mainFrame().sendCommand(ID_EXPLORE_VIEW);
    QCOMPARE(view.windowExtX, 1);
    QAction* moveRight = f.app->mainFrame().commandAction(ID_MOVE_RIGHT);
    QVERIFY(moveRight->isEnabled());
    for (int k = 0; k < 40; ++k) moveRight->trigger();
    QCOMPARE(view.windowOrgX, lastOrigin);
    f.app->mainFrame().commandAction(ID_MOVE_LEFT)->trigger();
    QCOMPARE(view.windowOrgX, lastOrigin - 500);
    f.app->mainFrame().commandAction(ID_RETURN_TO_TOP)->trigger();
    QCOMPARE(view.windowOrgX, 0);
}

void FrameCommandsTest::printViewInExploreModeDisablesPanning() {
    test::AppFixture f;
    CVARNView& view = f.app->view();
    enterMode(view, 3, 10, 4);
    view.currentChromosome = 7;
    CMainFrame& frame = f.app->mainFrame();
    frame.sendCommand(ID_EXPLORE_VIEW);
    for (int id : {ID_MOVE_LEFT, ID_MOVE_RIGHT, ID_RETURN_TO_TOP})
        QVERIFY(frame.commandAction(id)->isEnabled());
    frame.commandAction(ID_PRINT_VIEW)->trigger();
    QCOMPARE(view.windowExtX, 4);
    QCOMPARE(view.windowExtY, 2);
    for (int id : {ID_MOVE_LEFT, ID_MOVE_RIGHT, ID_RETURN_TO_TOP})
        QVERIFY(!frame.commandAction(id)->isEnabled());
    // The chromosome commands stay: the mode is still a chromosome mode.
    QVERIFY(frame.commandAction(ID_EXPLORE_VIEW)->isEnabled());
    QVERIFY(frame.commandAction(ID_NEXT_CHROMOSOME)->isEnabled());
}

void FrameCommandsTest::titleFollowsTheDocument() {
    test::AppFixture f;
    QCOMPARE(f.app->mainFrame().windowTitle(), QString("Untitled - VARN"));
    const auto pool = f.folder / "XbaPool.ref";
    test::writePool(f.app->document(), kXba, 2, pool);
    QVERIFY(f.app->OpenDocumentFile(pool));
    QCOMPARE(f.app->mainFrame().windowTitle(), QString("XbaPool.ref - VARN"));
    // An analysis shown names the pool of its own array, whichever pool was loaded last.
    f.app->document().poolFile[kHind] = f.folder / "HindPool.ref";
    enterMode(f.app->view(), ModeGenomeSingle, 10, 10);
    f.app->view().shownArrayType = kHind;
    f.app->mainFrame().sendCommand(ID_MONITOR_VIEW);
    QCOMPARE(f.app->mainFrame().windowTitle(), QString("HindPool.ref - VARN"));
}

void FrameCommandsTest::loadRefGoesThroughTheOpenDialog() {
    test::AppFixture f;
    const auto pool = f.folder / "HindPool.ref";
    test::writePool(f.app->document(), kHind, 3, pool);
    f.ui.answerFile(pool);
    QVERIFY(f.app->mainFrame().sendCommand(ID_FILE_OPEN));
    QCOMPARE(f.ui.fileDialogs.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(f.ui.fileDialogs[0].title), QString("Open"));
    QCOMPARE(QString::fromStdString(f.ui.fileDialogs[0].filter),
             QString("Reference pool (*.ref)|*.ref|All Files (*.*)|*.*||"));
    QCOMPARE(f.app->document().refCount[kHind], 4);
    QCOMPARE(f.ui.messages.back(), std::string("Correct Hind reference data loaded!"));
    QVERIFY(f.app->mainFrame().commandAction(ID_NON_SELF_LOAD)->isEnabled());

    // Cancelling the dialog loads nothing and leaves the caption alone.
    f.ui.answerFile(std::nullopt);
    f.app->mainFrame().sendCommand(ID_FILE_OPEN);
    QCOMPARE(f.app->mainFrame().windowTitle(), QString("HindPool.ref - VARN"));
}

void FrameCommandsTest::recentFilesAfterLoadingTwoPools() {
    test::AppFixture f;
    CMainFrame& frame = f.app->mainFrame();
    QCOMPARE(recentCaptions(frame), QStringList{"Recent File"});
    QVERIFY(!frame.commandAction(ID_FILE_MRU_FILE1)->isEnabled());

    const auto xba = f.folder / "xba.pool";
    const auto hind = f.folder / "hind.pool";
    test::writePool(f.app->document(), kXba, 2, xba);
    test::writePool(f.app->document(), kHind, 2, hind);
    f.ui.answerFile(xba);
    frame.sendCommand(ID_FILE_OPEN);
    f.ui.answerFile(hind);
    frame.sendCommand(ID_FILE_OPEN);

    const QString h = QString::fromStdString(hind.string());
    const QString x = QString::fromStdString(xba.string());
    QCOMPARE(recentCaptions(frame), (QStringList{"&1 " + h, "&2 " + x}));
    QCOMPARE(frame.commandAction(ID_FILE_MRU_FILE1)->statusTip(), QString("Open this document"));
    {
        QSettings settings("Local AppWizard-Generated Applications", "VARN");
        QCOMPARE(settings.value("Recent File List/File1").toString(), h);
        QCOMPARE(settings.value("Recent File List/File2").toString(), x);
    }

    // Opening the second entry again brings it to the top without a duplicate.
    frame.sendCommand(ID_FILE_MRU_FILE1 + 1);
    QCOMPARE(recentCaptions(frame), (QStringList{"&1 " + x, "&2 " + h}));
    QCOMPARE(f.app->document().pathName, xba);

    // A later run reads the list back from the settings.
    test::ScriptedUi ui2;
    CVARNApp second(InstallRoot(f.root()), ui2);
    QVERIFY(second.InitInstance({}));
    QCOMPARE(recentCaptions(second.mainFrame()), (QStringList{"&1 " + x, "&2 " + h}));
}

void FrameCommandsTest::recentFileThatNoLongerOpensLeavesTheList() {
    test::AppFixture f;
    const auto pool = f.folder / "gone.pool";
    test::writePool(f.app->document(), kXba, 1, pool);
    QVERIFY(f.app->OpenDocumentFile(pool));
    std::filesystem::remove(pool);
    f.app->mainFrame().sendCommand(ID_FILE_MRU_FILE1);
    QVERIFY(f.app->recentFiles().entries().empty());
    QVERIFY(!f.ui.messages.empty());
}

void FrameCommandsTest::poolFileArgumentIsLoadedAtStartUp() {
    test::AppFixture writer;
    const auto pool = writer.folder / "start.pool";
    test::writePool(writer.app->document(), kXba, 2, pool);
    test::AppFixture f({pool});
    QVERIFY(f.started);
    QCOMPARE(f.app->document().refCount[kXba], 3);
    QCOMPARE(f.app->mainFrame().windowTitle(), QString("start.pool - VARN"));
}

void FrameCommandsTest::unreadablePoolFileArgumentEndsStartUp() {
    test::TempDir folder;
    test::AppFixture f({folder / "missing.pool"});
    QVERIFY(!f.started);
}

void FrameCommandsTest::saveWritesThePoolFileAndAsksForANameOnlyWithoutOne() {
    test::AppFixture f;
    CVARNDoc& doc = f.app->document();
    doc.arrayType = kXba;
    doc.refCount[kXba] = 1; // a pool with no references
    const auto target = f.folder / "saved.pool";
    f.ui.answerFile(target);
    QVERIFY(f.app->mainFrame().sendCommand(ID_FILE_SAVE));
    QCOMPARE(QString::fromStdString(f.ui.fileDialogs.back().title), QString("Save As"));
    QVERIFY(std::filesystem::exists(target));
    QCOMPARE(f.app->mainFrame().windowTitle(), QString("saved.pool - VARN"));
    QCOMPARE(f.app->recentFiles().entries().front(), target);

    // With a file name the save asks nothing.
    std::filesystem::remove(target);
    QVERIFY(f.app->mainFrame().sendCommand(ID_FILE_SAVE));
    QCOMPARE(f.ui.fileDialogs.size(), std::size_t{1});
    QVERIFY(std::filesystem::exists(target));
}

void FrameCommandsTest::commandsWithoutMenuItemsReachTheDocument() {
    test::AppFixture f;
    CMainFrame& frame = f.app->mainFrame();
    QVERIFY(frame.commandAction(ID_SAVE_VIEW_FILE) == nullptr);
    QVERIFY(frame.commandAction(ID_BATCH_IGB_FILE_OUT) == nullptr);

    // The view file of the shown Xba sample lands in "VARN View" beside the root.
    CVARNDoc& doc = f.app->document();
    doc.arrayType = kXba;
    std::snprintf(doc.poolSampleName[kXba][0], kNameSize, "tumour1");
    std::filesystem::create_directories(f.folder / "VARN View");
    QVERIFY(frame.sendCommand(ID_SAVE_VIEW_FILE));
    QVERIFY(std::filesystem::exists(f.folder / "VARN View" / "tumour1.cng"));

    // The batch export finds no stored analysis in the empty root and says so.
    QVERIFY(frame.sendCommand(ID_BATCH_IGB_FILE_OUT));
    QCOMPARE(f.ui.messages.back(), std::string("error"));
}

void FrameCommandsTest::viewHandlersComeBeforeTheDocumentAndTheApplication() {
    test::AppFixture f;
    CommandRouter router(f.app->document(), f.app->view());
    QStringList calls;
    router.add(CommandTarget::Application, 1, [&] { calls << "app"; });
    router.add(CommandTarget::Frame, 1, [&] { calls << "frame"; });
    router.add(CommandTarget::Document, 1, [&] { calls << "doc"; });
    router.add(CommandTarget::View, 1, [&] { calls << "view"; });
    router.add(CommandTarget::Application, 2, [&] { calls << "app"; });
    router.add(CommandTarget::Document, 2, [&] { calls << "doc"; });
    QVERIFY(router.route(1));
    QVERIFY(router.route(2));
    QVERIFY(!router.route(3));
    QCOMPARE(calls, (QStringList{"view", "doc"}));
    QVERIFY(router.isEnabled(1));
    QVERIFY(!router.isEnabled(3));
    // In the program the document's New shadows the application's.
    QVERIFY(f.app->router().handlerOf(ID_FILE_NEW) == CommandTarget::Document);
    QVERIFY(f.app->router().handlerOf(ID_FILE_OPEN) == CommandTarget::Application);
}

void FrameCommandsTest::axesAndLegendStartsOnAndIsRememberedOff() {
    test::AppFixture f;
    QAction* toggle = f.app->mainFrame().commandAction(ID_AXES_AND_LEGEND);
    QVERIFY(f.app->view().annotate);
    QVERIFY(toggle->isChecked());
    toggle->trigger();
    QVERIFY(!f.app->view().annotate);
    QVERIFY(!toggle->isChecked());
    // The next start of the program, with the same user's settings.
    test::ScriptedUi ui;
    CVARNApp next(InstallRoot(f.root()), ui);
    QVERIFY(next.InitInstance({}));
    QVERIFY(!next.view().annotate);
    QVERIFY(!next.mainFrame().commandAction(ID_AXES_AND_LEGEND)->isChecked());
}

// Closing the window, File > Exit and File New over an analysis not stored since it changed ask
// first; Cancel keeps the window and the analysis, Discard lets the window close.
void FrameCommandsTest::unstoredAnalysisIsNotClosedUnasked() {
    test::AppFixture f;
    CMainFrame& frame = f.app->mainFrame();
    CVARNDoc& doc = f.app->document();
    doc.arrayType = kXba;
    doc.referenceMode = kNonSelfReference;
    doc.analysedRow[kXba] = 0;
    std::snprintf(doc.poolSampleName[kXba][0], kNameSize, "Tumor4X");
    enterMode(f.app->view(), ModeGenomeSingle, 10, 10);
    f.app->view().shownArrayType = kXba;
    const std::function<void()> roads[] = {[&] { QVERIFY(!frame.close()); },
                                           [&] { frame.sendCommand(ID_APP_EXIT); },
                                           [&] { frame.sendCommand(ID_FILE_NEW); }};
    for (const auto& road : roads) {
        f.ui.messages.clear();
        f.ui.answerStore(StoreChoice::Cancel);
        road();
        QCOMPARE(f.ui.messages, std::vector<std::string>{"Store the analysis of Tumor4X?"});
        QVERIFY(f.ui.allAnswersUsed());
        QVERIFY(frame.isVisible());
        QCOMPARE(f.app->view().displayMode, int(ModeGenomeSingle));
    }
    f.ui.answerStore(StoreChoice::Discard);
    QVERIFY(frame.close());
    QVERIFY(!frame.isVisible());
}

void FrameCommandsTest::altFOpensTheFileMenu() {
    test::AppFixture f;
    CMainFrame& frame = f.app->mainFrame();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(frame.menuNamed("File")->isVisible());
    frame.menuNamed("File")->close();
}

// One version string: what the About box says is what `varn-cli --version` prints.
void FrameCommandsTest::aboutBoxShowsTheVersionVarnCliPrints() {
    QProcess cli;
    cli.start(VARN_CLI_PATH, {"--version"});
    QVERIFY(cli.waitForFinished(30000));
    const QString printed = QString::fromUtf8(cli.readAllStandardOutput()).trimmed();
    QVERIFY2(printed.startsWith("varn-cli "), qPrintable(printed));
    CAboutBox about;
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts << label->text();
    QCOMPARE(texts, QStringList{"VARN Version " + printed.mid(9)});
}

QTEST_MAIN(FrameCommandsTest)
#include "FrameCommandsTest.moc"
