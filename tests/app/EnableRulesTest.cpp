// Which menu items and toolbar buttons are live in each display mode and window preset.
#include "AppFixture.h"
#include "CMainFrame.h"
#include "CommandRouter.h"
#include "document/CVARNDoc.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"

#include <QAction>
#include <QTest>
#include <QToolBar>

#include <set>

using namespace varn;

namespace {

// Every command that has a menu item (the first recent-file slot aside).
const int kMenuCommands[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_PRINT,
    ID_FILE_PRINT_PREVIEW,
    ID_FILE_PRINT_SETUP,
    ID_APP_EXIT,
    ID_NON_SELF_LOAD,
    ID_SELF_LOAD,
    ID_STORE,
    ID_IGB_FILE_OUT,
    ID_RAW_DATA_OUT,
    ID_SEGMENT_OUT,
    ID_MAKE_REFERENCE,
    ID_ADD_REFERENCE,
    ID_ALLELE_MODEL,
    ID_ALLELE_DECODING, // greyed in every row: none has allele data
    ID_CGH_VIEW,
    ID_RANGE_SET,
    ID_SORT,
    ID_HMM_PARAMETER,
    ID_AVERAGE_MODE,
    ID_PRINT_VIEW,
    ID_MONITOR_VIEW,
    ID_EXPLORE_VIEW,
    ID_ALL_GENOME,
    ID_EACH_CHROMOSOME,
    ID_PREV_CHROMOSOME,
    ID_NEXT_CHROMOSOME,
    ID_MOVE_LEFT,
    ID_MOVE_RIGHT,
    ID_RETURN_TO_TOP,
    ID_APP_ABOUT,
    ID_DEBUG,
};

// Live in every state: the application's own commands and the document's loaders and builders.
const QList<int> kAlwaysEnabled = {ID_FILE_NEW,      ID_FILE_OPEN, ID_FILE_PRINT_SETUP,
                                   ID_APP_EXIT,      ID_SELF_LOAD, ID_MAKE_REFERENCE,
                                   ID_ADD_REFERENCE, ID_DEBUG,     ID_APP_ABOUT};

const QList<int> kChromosomeViews = {ID_PRINT_VIEW,   ID_MONITOR_VIEW,    ID_ALL_GENOME,
                                     ID_EXPLORE_VIEW, ID_PREV_CHROMOSOME, ID_NEXT_CHROMOSOME};
const QList<int> kPanning = {ID_MOVE_LEFT, ID_MOVE_RIGHT, ID_RETURN_TO_TOP};
// The pool profiles' chromosome displays also offer the segments of the whole profile.
const QList<int> kPoolChromosomeViews = kChromosomeViews + QList<int>{ID_SEGMENT_OUT};

} // namespace

class EnableRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void itemsAndButtons_data();
    void itemsAndButtons();
    void printAndPrintPreviewAreAlwaysGreyed();
    void greyedToolbarButtonDoesNothing();
};

void EnableRulesTest::itemsAndButtons_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("extX");
    QTest::addColumn<int>("extY");
    QTest::addColumn<int>("orgY");
    QTest::addColumn<bool>("poolLoaded");
    QTest::addColumn<QList<int>>("alsoEnabled");

    QTest::newRow("start-up") << 0 << 0 << 0 << 0 << false << QList<int>{};
    QTest::newRow("a pool loaded") << 0 << 0 << 0 << 0 << true << QList<int>{ID_NON_SELF_LOAD, ID_ALLELE_MODEL};
    QTest::newRow("2 monitor") << 2 << 20 << 10 << 0 << false
                               << QList<int>{ID_RANGE_SET,  ID_AVERAGE_MODE, ID_IGB_FILE_OUT, ID_SEGMENT_OUT,
                                             ID_PRINT_VIEW, ID_MONITOR_VIEW, ID_EACH_CHROMOSOME};
    QTest::newRow("2 print") << 2 << 4 << 2 << 0 << false
                             << QList<int>{ID_AVERAGE_MODE, ID_IGB_FILE_OUT, ID_SEGMENT_OUT, ID_PRINT_VIEW,
                                           ID_MONITOR_VIEW, ID_EACH_CHROMOSOME};
    QTest::newRow("3 monitor") << 3 << 10 << 4 << 0 << false << kPoolChromosomeViews;
    QTest::newRow("3 print") << 3 << 4 << 2 << 0 << false << kPoolChromosomeViews;
    QTest::newRow("3 explore") << 3 << 1 << 4 << 0 << false << kPoolChromosomeViews + kPanning;
    QTest::newRow("4 monitor") << 4 << 10 << 10 << 0 << true
                               << QList<int>{ID_NON_SELF_LOAD, ID_ALLELE_MODEL,  ID_RANGE_SET,  ID_HMM_PARAMETER,
                                             ID_AVERAGE_MODE,   ID_STORE,      ID_IGB_FILE_OUT,
                                             ID_RAW_DATA_OUT,   ID_SEGMENT_OUT, ID_PRINT_VIEW,
                                             ID_MONITOR_VIEW,   ID_EACH_CHROMOSOME};
    QTest::newRow("4 print") << 4 << 2 << 2 << 0 << true
                             << QList<int>{ID_NON_SELF_LOAD, ID_ALLELE_MODEL, ID_HMM_PARAMETER, ID_AVERAGE_MODE,
                                           ID_STORE,         ID_IGB_FILE_OUT,  ID_RAW_DATA_OUT,
                                           ID_SEGMENT_OUT,   ID_PRINT_VIEW,    ID_MONITOR_VIEW,  ID_EACH_CHROMOSOME};
    QTest::newRow("5 monitor") << 5 << 5 << 4 << 0 << false << kPoolChromosomeViews;
    QTest::newRow("5 explore") << 5 << 1 << 4 << 0 << false << kPoolChromosomeViews + kPanning;
    QTest::newRow("7 entered") << 7 << 1 << 1 << 0 << true << QList<int>{ID_NON_SELF_LOAD, ID_ALLELE_MODEL, ID_CGH_VIEW};
    QTest::newRow("7 CGH View") << 7 << 5 << 2 << 5500 << true
                                << QList<int>{ID_NON_SELF_LOAD, ID_ALLELE_MODEL, ID_CGH_VIEW, ID_RANGE_SET};
    QTest::newRow("10") << 10 << 1 << 1 << 0 << true << QList<int>{ID_NON_SELF_LOAD, ID_ALLELE_MODEL, ID_SORT};
    QTest::newRow("21 monitor") << 21 << 10 << 10 << 0 << false
                                << QList<int>{ID_RANGE_SET,  ID_AVERAGE_MODE, ID_STORE,
                                              ID_PRINT_VIEW, ID_MONITOR_VIEW, ID_EACH_CHROMOSOME};
    QTest::newRow("21 print") << 21 << 2 << 2 << 0 << false
                              << QList<int>{ID_AVERAGE_MODE, ID_STORE, ID_PRINT_VIEW, ID_MONITOR_VIEW,
                                            ID_EACH_CHROMOSOME};
    QTest::newRow("22 monitor") << 22 << 5 << 4 << 0 << false << kChromosomeViews;
    QTest::newRow("22 explore") << 22 << 1 << 4 << 0 << false << kChromosomeViews + kPanning;
}

void EnableRulesTest::itemsAndButtons() {
    QFETCH(int, mode);
    QFETCH(int, extX);
    QFETCH(int, extY);
    QFETCH(int, orgY);
    QFETCH(bool, poolLoaded);
    QFETCH(QList<int>, alsoEnabled);
    test::AppFixture f;
    CVARNView& view = f.app->view();
    view.displayMode = mode;
    view.windowExtX = extX;
    view.windowExtY = extY;
    view.windowOrgY = orgY;
    f.app->document().refCount[kXba] = poolLoaded ? 5 : -1;
    CMainFrame& frame = f.app->mainFrame();
    frame.updateCommandUi();

    const std::set<int> enabled = [&] {
        std::set<int> s(kAlwaysEnabled.begin(), kAlwaysEnabled.end());
        s.insert(alsoEnabled.begin(), alsoEnabled.end());
        return s;
    }();
    for (int id : kMenuCommands) {
        const QAction* action = frame.commandAction(id);
        QVERIFY(action != nullptr);
        const bool expected = enabled.count(id) != 0;
        QVERIFY2(action->isEnabled() == expected, qPrintable(QString("menu item %1").arg(action->text())));
        if (const QWidget* button = frame.toolBar()->widgetForAction(const_cast<QAction*>(action)))
            QVERIFY2(button->isEnabled() == expected, qPrintable(QString("button %1").arg(action->text())));
    }
    // The view file has no item, but its rule still holds for the command.
    QCOMPARE(f.app->router().isEnabled(ID_SAVE_VIEW_FILE), mode == 4);
}

void EnableRulesTest::printAndPrintPreviewAreAlwaysGreyed() {
    test::AppFixture f;
    QVERIFY(!f.app->router().hasHandler(ID_FILE_PRINT));
    QVERIFY(!f.app->router().hasHandler(ID_FILE_PRINT_PREVIEW));
    QVERIFY(!f.app->mainFrame().sendCommand(ID_FILE_PRINT));
}

// A greyed button cannot be pressed; a triggered action of a greyed command is ignored as well.
void EnableRulesTest::greyedToolbarButtonDoesNothing() {
    test::AppFixture f;
    CVARNView& view = f.app->view();
    view.displayMode = 5;
    view.windowExtX = 5;
    view.windowExtY = 4;
    view.currentChromosome = 3;
    f.app->mainFrame().updateCommandUi();
    f.app->mainFrame().commandAction(ID_MOVE_RIGHT)->trigger();
    QCOMPARE(view.windowOrgX, 0);
    f.app->mainFrame().commandAction(ID_NEXT_CHROMOSOME)->trigger();
    QCOMPARE(view.currentChromosome, 4);
}

QTEST_MAIN(EnableRulesTest)
#include "EnableRulesTest.moc"
