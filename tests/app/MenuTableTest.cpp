// The menu bar as the person sees it: every caption, command id, separator, status-bar prompt
// and tooltip, and the toolbar's buttons in order.
#include "AppFixture.h"
#include "CMainFrame.h"
#include "view/CommandIds.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

using namespace varn;

namespace {

// A menu's entries as "caption=id", "-" for a separator; hidden entries left out.
QStringList entriesOf(const QMenu* menu) {
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (!action->isVisible()) continue;
        if (action->isSeparator())
            entries << "-";
        else
            entries << action->text() + "=" + QString::number(action->data().toInt());
    }
    return entries;
}

} // namespace

class MenuTableTest : public QObject {
    Q_OBJECT
  private slots:
    void menuBarHoldsTheFiveMenusInOrder();
    void menuEntries_data();
    void menuEntries();
    void promptsAndTooltips_data();
    void promptsAndTooltips();
    void toolbarButtonsInOrder();
    void menuItemsShowNoIcons();
};

void MenuTableTest::menuBarHoldsTheFiveMenusInOrder() {
    test::AppFixture f;
    QStringList titles;
    for (const QAction* action : f.app->mainFrame().menuBar()->actions()) titles << action->text();
    QCOMPARE(titles, (QStringList{"&File", "&Data", "&Parameter", "&View", "&Help"}));
}

void MenuTableTest::menuEntries_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("File") << "File"
                          << QStringList{"&New\tCtrl+N=57600",
                                         "-",
                                         "Load Ref=57601",
                                         "Open &Profile...\tCtrl+Shift+O=32839",
                                         "Load Profile &Analysis...=32840",
                                         "&Export Picture...\tCtrl+E=32831",
                                         "-",
                                         "&Print...\tCtrl+P=57607",
                                         "Print Pre&view=57609",
                                         "P&rint Setup...=57606",
                                         "-",
                                         "Recent File=57616",
                                         "-",
                                         "E&xit=57665"};
    QTest::newRow("Data")
        << "Data"
        << QStringList{
               "NonSelfLoad=32776", "SelfLoad=32777",   "-", "Store=32775",         "-",
               "IGBFileOut=32818",  "RawDataOut=32821", "SegmentOut=32830", "AlleleOut=32834", "ReportOut=32833", "-",
               "MakeReference=32812", "AddReference=32813", "AlleleModel=32835", "Allele-specific Decoding=32838"};
    QTest::newRow("Parameter") << "Parameter"
                               << QStringList{"CGH View=32771", "Range Set=32772", "Sort=32774",
                                              "HMM parameter=32773", "Average mode=32791"};
    QTest::newRow("View") << "View"
                          << QStringList{"PrintView=32793",
                                         "MonitorView=32794",
                                         "ExploreView=32795",
                                         "-",
                                         "AllGenome =32796",
                                         "EachChromosome=32797",
                                         "-",
                                         "PreviousChromosome=32807",
                                         "NextChromosome=32808",
                                         "-",
                                         "MoveLeft=32809",
                                         "MoveRight=32810",
                                         "ReturnToTop=32811",
                                         "-",
                                         "Fit to Window=32832",
                                         "Axes and Legend=32836",
                                         "B-allele Fraction=32837"};
    QTest::newRow("Help") << "Help" << QStringList{"&About VARN...=57664", "Debug=32815"};
}

void MenuTableTest::menuEntries() {
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    test::AppFixture f;
    const QMenu* m = f.app->mainFrame().menuNamed(menu);
    QVERIFY(m != nullptr);
    QCOMPARE(entriesOf(m), entries);
}

void MenuTableTest::promptsAndTooltips_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("tip");
    QTest::newRow("New") << int(ID_FILE_NEW) << "Create a new document"
                         << "New";
    QTest::newRow("Load Ref") << int(ID_FILE_OPEN) << "Load Reference Filet"
                              << "Load Ref File";
    QTest::newRow("Print") << int(ID_FILE_PRINT) << "Print the active document"
                           << "Print";
    QTest::newRow("Print Preview") << int(ID_FILE_PRINT_PREVIEW) << "Display full pages"
                                   << "Print Preview";
    QTest::newRow("Print Setup") << int(ID_FILE_PRINT_SETUP) << "Change the printer and printing options"
                                 << "Print Setup";
    QTest::newRow("Exit") << int(ID_APP_EXIT) << "Quit the application; prompts to save documents"
                          << "Exit";
    QTest::newRow("NonSelfLoad") << int(ID_NON_SELF_LOAD) << "Non-self temp file load"
                                 << "Non-self temp";
    QTest::newRow("SelfLoad") << int(ID_SELF_LOAD) << "Self Temp file load"
                              << "self temp file load";
    QTest::newRow("Store") << int(ID_STORE) << "Store temporary files"
                           << "temp file store";
    QTest::newRow("IGBFileOut") << int(ID_IGB_FILE_OUT) << ""
                                << "IGBFileOut";
    QTest::newRow("RawDataOut") << int(ID_RAW_DATA_OUT) << ""
                                << "RawDataOut";
    QTest::newRow("SegmentOut") << int(ID_SEGMENT_OUT) << "Write the segment table, SEG and BED files of the analysis shown"
                                << "Segment files";
    QTest::newRow("MakeReference") << int(ID_MAKE_REFERENCE) << ""
                                   << "MakeReference";
    QTest::newRow("AddReference") << int(ID_ADD_REFERENCE) << ""
                                  << "AddReference";
    QTest::newRow("AlleleModel") << int(ID_ALLELE_MODEL)
                                 << "Learn the allele model of a loaded pool from its references' signal files"
                                 << "Allele model";
    QTest::newRow("CGH View") << int(ID_CGH_VIEW) << "Temporary CGH View"
                              << "TempCGHView";
    QTest::newRow("Range Set") << int(ID_RANGE_SET) << "Set Range for Compensation"
                               << "Range Set";
    QTest::newRow("Sort") << int(ID_SORT) << "Sort reference samples"
                          << "Sort refs";
    QTest::newRow("HMM") << int(ID_HMM_PARAMETER) << "Set HMM parameters"
                         << "HMM parameters";
    QTest::newRow("Average") << int(ID_AVERAGE_MODE) << "Set Averaging Mode Parameters"
                             << "Averaging parameter";
    QTest::newRow("PrintView") << int(ID_PRINT_VIEW) << "Printer View"
                               << "Print View";
    QTest::newRow("MonitorView") << int(ID_MONITOR_VIEW) << "Monitor View"
                                 << "Monitor View";
    QTest::newRow("ExploreView") << int(ID_EXPLORE_VIEW) << "Explore View"
                                 << "Explore View";
    QTest::newRow("AllGenome") << int(ID_ALL_GENOME) << "All Genome View"
                               << "All genome view";
    QTest::newRow("EachChromosome") << int(ID_EACH_CHROMOSOME) << "Each Chromosome View"
                                    << "Each Ch View";
    QTest::newRow("Previous") << int(ID_PREV_CHROMOSOME) << "Show Previous Chromosome"
                              << "Previous Ch";
    QTest::newRow("Next") << int(ID_NEXT_CHROMOSOME) << "Show Next Chromosome"
                          << "Next Ch";
    QTest::newRow("MoveLeft") << int(ID_MOVE_LEFT) << "Move Left"
                              << "Move Left";
    QTest::newRow("MoveRight") << int(ID_MOVE_RIGHT) << "Move Right"
                               << "Move Right";
    QTest::newRow("ReturnToTop") << int(ID_RETURN_TO_TOP) << "Return to The Top of Chromosome"
                                 << "Return to Top";
    QTest::newRow("About") << int(ID_APP_ABOUT) << "Display program information, version number and copyright"
                           << "About";
    QTest::newRow("Debug") << int(ID_DEBUG) << ""
                           << "Debug";
}

// Items without a string-table entry show no prompt; their tooltip falls back on the caption.
void MenuTableTest::promptsAndTooltips() {
    QFETCH(int, id);
    QFETCH(QString, prompt);
    QFETCH(QString, tip);
    test::AppFixture f;
    const QAction* action = f.app->mainFrame().commandAction(id);
    QVERIFY(action != nullptr);
    QCOMPARE(action->statusTip(), prompt);
    QCOMPARE(action->toolTip(), tip);
}

void MenuTableTest::toolbarButtonsInOrder() {
    test::AppFixture f;
    QStringList buttons;
    for (const QAction* action : f.app->mainFrame().toolBar()->actions())
        buttons << (action->isSeparator() ? QString("|") : QString::number(action->data().toInt()));
    const QStringList expected = {"57600", "57601", "57609", "57607", "|",     "32777", "32776", "32775",
                                  "|",     "32771", "32772", "32774", "32791", "32773", "|",     "32796",
                                  "32797", "|",     "32793", "32794", "32795", "|",     "32807", "32808",
                                  "32809", "32810", "32811", "|",     "57664"};
    QCOMPARE(buttons, expected);
    for (const QAction* action : f.app->mainFrame().toolBar()->actions())
        if (!action->isSeparator()) QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
}

void MenuTableTest::menuItemsShowNoIcons() {
    test::AppFixture f;
    QVERIFY(!f.app->mainFrame().commandAction(ID_FILE_NEW)->isIconVisibleInMenu());
}

QTEST_MAIN(MenuTableTest)
#include "MenuTableTest.moc"
