// The roads of an analysis through the real window: the Qt dialogs are answered control by
// control, the file choosers with real files, the selections dragged with mouse events on the
// genome view. Each road ends by writing its results, and the same analysis run by varn-cli must
// give the same files byte for byte.
//
// With VARN_SCREENSHOTS=FOLDER every dialog and the window after every step are saved as PNG
// files there (run under Xvfb to see them as a person would).
#include "CMainFrame.h"
#include "CVARNApp.h"
#include "ModalDriver.h"
#include "QtUserInterface.h"
#include "RoadWindow.h"
#include "demo/DemoInstallation.h"
#include "document/CVARNDoc.h"
#include "document/HmmDefaults.h"
#include "engine/analysis/ApplyPurityPloidySolution.h"
#include "engine/analysis/ResultWording.h"
#include "engine/hmm/MeansForPurity.h"
#include "engine/purity/PurityEstimate.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"
#include "view/PaintParts.h"
#include "view/ShownWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QSpinBox>
#include <QTest>
#include <QUrl>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>

using namespace varn;
using namespace varn::test;
namespace fs = std::filesystem;

namespace {

// Catches what the window hands to the system's URL opener, so no browser starts.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QStringList urls;
  public slots:
    void openUrl(const QUrl& url) { urls << url.toString(QUrl::FullyEncoded); }
};

using Window = RoadWindow;

// The window pixel where the page now draws what lies at pixel p of the mode's preset, unscrolled:
// the drags below are worked out on the preset's grid, and "Axes and Legend" moves the page right
// of and under its strips.
QPoint onPage(const CVARNView& view, QPoint p) {
    const WindowMapping shown = shownWindow(view);
    return QPoint(static_cast<int>(std::lround(shown.deviceX(view.windowOrgX + p.x() * view.windowExtX))),
                  static_cast<int>(std::lround(shown.deviceY(view.windowOrgY + p.y() * view.windowExtY))));
}


// The first display position of chromosome ch of array t whose base position lies beyond bases.
int firstPositionBeyond(const CVARNDoc& doc, const CVARNView& view, int t, int ch, int bases) {
    for (int pos = view.chromosomeStart[t][ch]; pos < view.chromosomeStart[t][ch + 1]; ++pos)
        if (doc.snpPosition[doc.arrangeOrder[pos]] > bases) return pos;
    return view.chromosomeStart[t][ch + 1] - 1;
}

// Everything a paint of the view draws, in order, as text: two equal records are the same page.
std::string canvasRecord(CVARNView& view) {
    RecordingCanvas canvas;
    view.OnDraw(canvas);
    std::ostringstream out;
    for (const auto& p : canvas.pixels)
        out << "p " << p.at.x << ' ' << p.at.y << ' ' << int(p.colour.r) << ' ' << int(p.colour.g) << ' '
            << int(p.colour.b) << '\n';
    for (const auto& l : canvas.lines)
        out << "l " << l.from.x << ' ' << l.from.y << ' ' << l.to.x << ' ' << l.to.y << ' ' << int(l.pen.style) << ' '
            << l.pen.width << ' ' << int(l.pen.colour.r) << ' ' << int(l.pen.colour.g) << ' ' << int(l.pen.colour.b)
            << '\n';
    for (const auto& r : canvas.rects) out << "r " << r.left << ' ' << r.top << ' ' << r.right << ' ' << r.bottom << '\n';
    for (const auto& t : canvas.texts) out << "t " << t.at.x << ' ' << t.at.y << ' ' << t.text << '\n';
    for (const auto& o : canvas.origins) out << "o " << o.x << ' ' << o.y << '\n';
    for (const auto& e : canvas.extents) out << "e " << e.x << ' ' << e.y << '\n';
    return out.str();
}

// Pixels of an informative SNP's dot inside the B-allele fraction panels.
int informativeDots(CVARNView& view) {
    RecordingCanvas canvas;
    view.OnDraw(canvas);
    return static_cast<int>(canvas.pixelsOf(Rgb{40, 40, 40}).size());
}

} // namespace

class AnalysisRoadsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("http"); }
    void nonSelfRoad();
    void typedRegionRoad();
    void pairedRoad();
    void mergedRoad();
    void purityRoad();
    void solutionRoad();
    void answerRoad();
    void bafPanelRoad();
    void selfWithBothArraysIsRefused();
    void wrongFileInFileNewIsRefused();
    void poolBuildingRoad();

  private:
    fs::path root() const { return folder_ / "VARN"; }
    fs::path rootFile(const std::string& relative) const { return root() / relative; }
    // Runs varn-cli on the installation; true on exit status 0.
    bool runCli(const QStringList& args);
    // The output folder a road wrote is moved aside, and an empty one takes its place, so that the
    // command line writes fresh files.
    void moveAside(const std::string& folder, const std::string& aside);
    void compareFiles(const fs::path& window, const fs::path& cli);
    void shoot(Window& window, const QString& step);
    void watchDialogs(ModalDriver& driver);
    void expectAverage(ModalDriver& driver, const QString& number);
    void reloadWithXbaPool(Window& window, ModalDriver& driver, const fs::path& temp);

    TempDir folder_;
    UrlCatcher urls_;
    QString shots_;
    int shotCount_ = 0;
};

void AnalysisRoadsTest::initTestCase() {
    // The user's own settings stay untouched; the browser site falls back to its default.
    const QString settings = qs(folder_ / "settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    QDesktopServices::setUrlHandler("http", &urls_, "openUrl");
    shots_ = qEnvironmentVariable("VARN_SCREENSHOTS");
    if (!shots_.isEmpty()) fs::create_directories(shots_.toStdString());

    demo::DemoOptions options;
    options.referenceCount = 4;
    options.reportSnps = 1000; // the final reports are not read here
    std::string report;
    std::ostringstream err;
    QVERIFY2(demo::writeDemoInstallation(root(), options, report, err), err.str().c_str());
}

void AnalysisRoadsTest::cleanup() {
    // No dialog of a failed road may stay open into the next one.
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

bool AnalysisRoadsTest::runCli(const QStringList& args) {
    QProcess cli;
    cli.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cli.start(VARN_CLI_PATH, QStringList{"--root", qs(root())} + args);
    if (!cli.waitForFinished(600000)) return false;
    return cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0;
}

void AnalysisRoadsTest::moveAside(const std::string& folder, const std::string& aside) {
    fs::remove_all(root() / aside);
    fs::rename(root() / folder, root() / aside);
    // The stored-analysis folders belong to the installation; only the exports make their own.
    fs::create_directory(root() / folder);
}

void AnalysisRoadsTest::compareFiles(const fs::path& window, const fs::path& cli) {
    const std::string fromWindow = readFileBytes(window);
    QVERIFY2(!fromWindow.empty(), ("the window wrote no " + window.string()).c_str());
    QVERIFY2(fromWindow == readFileBytes(cli), (window.string() + " differs from " + cli.string()).c_str());
}

void AnalysisRoadsTest::shoot(Window& window, const QString& step) {
    if (shots_.isEmpty()) return;
    QApplication::processEvents();
    const QString file = QString("%1/%2-%3.png").arg(shots_).arg(++shotCount_, 2, 10, QChar('0')).arg(step);
    window.app.mainFrame().grab().save(file, "PNG");
}

void AnalysisRoadsTest::watchDialogs(ModalDriver& driver) {
    if (shots_.isEmpty()) return;
    driver.beforeStep = [this](QWidget* modal, const QString& what) {
        QString name = what;
        name.replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
        const QString file =
            QString("%1/%2-dialog-%3.png").arg(shots_).arg(++shotCount_, 2, 10, QChar('0')).arg(name);
        modal->grab().save(file, "PNG");
    };
}

// The averaging dialog opens with "Exclude Max and Min", "Lines" and 10; the number is typed in.
void AnalysisRoadsTest::expectAverage(ModalDriver& driver, const QString& number) {
    driver.expect("averaging dialog", [&driver, number](QWidget* modal) {
        if (!isFace(modal, "AverageFace")) return driver.fail(modal, "expected the averaging dialog");
        if (!checked(modal, "1001") || !checked(modal, "1004") || editText(modal, "1005") != "10")
            driver.failures << "the averaging dialog did not open with its presets";
        modal->findChild<QLineEdit*>("1005")->setText(number);
        driver.click(modal, "1");
    });
}

// Load Ref, File New with a new Xba sample, the compensation plots, CGH View, Range Set and a drag
// over the diploid chromosome 2 inside the red frame, the reference SDs (mode 10), Sort with the
// three quietest references ticked, averaging over 5, the genome (mode 4), chromosome 8 in the
// Explore view with a right-click report, then Store, IGBFileOut and RawDataOut.
void AnalysisRoadsTest::nonSelfRoad() {
    Window window(root());
    QVERIFY(window.start());
    CVARNDoc& doc = window.doc();
    CVARNView& view = window.view();
    ModalDriver driver;
    watchDialogs(driver);

    driver.expectFile("Open", rootFile("XbaPool.ref"));
    driver.expectMessage("Correct Xba reference data loaded!");
    QVERIFY(window.trigger(ID_FILE_OPEN));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(doc.refCount[kXba], 5);

    driver.expect("analysis type", [&driver](QWidget* modal) {
        if (!isFace(modal, "BasicModeFace")) return driver.fail(modal, "expected the analysis dialog");
        // The first File New of a run: a pool analysis of the Xba array.
        if (!checked(modal, "1002") || !checked(modal, "1003"))
            driver.failures << "the first File New did not preset \"Non self reference\" and \"Xba\"";
        driver.click(modal, "1");
    });
    driver.expect("sample files", [&driver](QWidget* modal) {
        if (!isFace(modal, "SampleSelectFace")) return driver.fail(modal, "expected the sample dialog");
        driver.click(modal, "1001");
        driver.click(modal, "1003");
        driver.click(modal, "1004");
        if (editText(modal, "1005") != "Tumor1X" || editText(modal, "1006") != "Tumor1X")
            driver.failures << "the chosen names are not shown: " + editText(modal, "1005");
        driver.click(modal, "1");
    });
    driver.expectFile("Select Xba tumor sample signal data file", rootFile("tumorsampleX/Tumor1X.txt"),
                      rootFile("tumorsampleX"));
    driver.expectFile("Select Xba tumor sample SNP data file", rootFile("SNPtumorsampleX/Tumor1X.txt"),
                      rootFile("SNPtumorsampleX"));
    QVERIFY(window.trigger(ID_FILE_NEW));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(view.displayMode, int(ModeCompensation));
    shoot(window, "compensation");
    // The page is far taller than the window: scrolled down, its red frame's band comes into view.
    scrollWindowTo(view, 0, 5000);
    QApplication::processEvents();
    shoot(window, "compensation-scrolled");

    QVERIFY(window.trigger(ID_CGH_VIEW));
    shoot(window, "cgh-view");
    QVERIFY(window.trigger(ID_RANGE_SET));
    QCOMPARE(view.rangeSetArmed, 1);

    // A release at the frame's left edge is no selection: nothing is asked and Range Set stays armed.
    drag(window.genome(), onPage(view, QPoint(0, 150)), onPage(view, QPoint(0, 150)));
    QCOMPARE(view.rangeSetArmed, 1);
    QCOMPARE(view.displayMode, int(ModeCompensation));

    // 75 positions per pixel from the array's first position under the CGH View zoom.
    const int first = doc.snpFirst[kXba];
    const int fromX = (view.chromosomeStart[kXba][2] - first) / 75 + 1;
    const int toX = (view.chromosomeStart[kXba][3] - 1 - first) / 75;
    driver.expect("region box", [&driver](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr || !box->text().startsWith("From ") || !box->text().endsWith("Calculate StDev?") ||
            box->text().contains("Base line") || box->icon() != QMessageBox::Information)
            return driver.fail(modal, "expected the region's information box");
        box->button(QMessageBox::Ok)->click();
    });
    drag(window.genome(), onPage(view, QPoint(fromX, 150)), onPage(view, QPoint(toX, 150)), [&] {
        QCOMPARE(window.genome()->cursor().shape(), Qt::CrossCursor);
        shoot(window, "dragging");
    });
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(doc.regionStart[kXba], first + 75 * fromX);
    QCOMPARE(doc.regionEnd[kXba], first + 75 * toX);
    QCOMPARE(view.rangeSetArmed, 0);
    QCOMPARE(view.displayMode, int(ModeReferenceSort));
    shoot(window, "reference-sds");

    driver.expect("reference list", [&driver](QWidget* modal) {
        if (!isFace(modal, "RefSelectFace")) return driver.fail(modal, "expected the reference dialog");
        driver.click(modal, "1003");
        auto* list = modal->findChild<QListWidget*>("1006");
        if (list == nullptr || list->count() != 4)
            return driver.fail(modal, "\"Sample Load\" did not list 4");
        driver.click(modal, "1"); // nothing ticked yet: refused
        for (int item = 0; item < 3; ++item) list->item(item)->setCheckState(Qt::Checked);
        driver.click(modal, "1");
    });
    driver.expectMessage("Select samples");
    driver.expectMessage("3 items selected \n as references");
    expectAverage(driver, "5");
    QVERIFY(window.trigger(ID_SORT));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(view.displayMode, int(ModeGenomeSingle));
    QCOMPARE(doc.refUsedCount[kXba], 3);
    shoot(window, "genome");
    QVERIFY(window.trigger(ID_FIT_TO_WINDOW));
    shoot(window, "genome-fitted");
    QVERIFY(window.trigger(ID_FIT_TO_WINDOW));

    driver.expect("chromosome", [&driver](QWidget* modal) {
        driver.click(modal, "1008");
        driver.click(modal, "1");
    });
    QVERIFY(window.trigger(ID_EACH_CHROMOSOME));
    QVERIFY(window.trigger(ID_EXPLORE_VIEW));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(view.windowExtX, 1);
    shoot(window, "explore-ch8");

    // One pixel column is one SNP; the first 100 columns are the panel's margin.
    const int clickX = 400;
    const int index = clickX + view.windowOrgX + view.chromosomeStart[kXba][8] - 100;
    const int snp = doc.arrangeOrder[index];
    driver.expectYesNo(QString("SNPnumber= %1\tChromosome= 8\t").arg(index), true);
    rightClick(window.genome(), onPage(view, QPoint(clickX, 300)));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(urls_.urls.size(), 1);
    QCOMPARE(urls_.urls.takeFirst().toStdString(),
             genomeBrowserUrl(GenomeBrowserSite{}, 8, doc.snpPosition[snp]));

    QVERIFY(window.trigger(ID_ALL_GENOME));
    QCOMPARE(view.displayMode, int(ModeGenomeSingle));
    QVERIFY(window.trigger(ID_STORE));
    QCOMPARE(window.app.mainFrame().statusBar()->currentMessage(), QString("Stored temporary files/Tumor1X.temp"));
    QVERIFY(window.trigger(ID_IGB_FILE_OUT));
    QVERIFY(window.trigger(ID_RAW_DATA_OUT));
    QVERIFY(window.trigger(ID_SEGMENT_OUT));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));

    moveAside("temporary files", "window temporary files");
    moveAside("IGBfiles", "window IGBfiles");
    moveAside("RawData", "window RawData");
    moveAside("segments", "window segments");
    QVERIFY(runCli({"analyze", "--pool", qs(rootFile("XbaPool.ref")), "--signal",
                    qs(rootFile("tumorsampleX/Tumor1X.txt")), "--calls",
                    qs(rootFile("SNPtumorsampleX/Tumor1X.txt")), "--region",
                    QString("%1-%2").arg(doc.regionStart[kXba]).arg(doc.regionEnd[kXba]), "--refs", "best:3",
                    "--average", "5", "--store", "--tracks", "--raw-data", "--segments"}));
    compareFiles(rootFile("window temporary files/Tumor1X.temp"), rootFile("temporary files/Tumor1X.temp"));
    compareFiles(rootFile("window IGBfiles/Tumor1X.sgr"), rootFile("IGBfiles/Tumor1X.sgr"));
    compareFiles(rootFile("window IGBfiles/Tumor1XLOH.sgr"), rootFile("IGBfiles/Tumor1XLOH.sgr"));
    compareFiles(rootFile("window RawData/Tumor1X.xls"), rootFile("RawData/Tumor1X.xls"));
    for (const char* file : {"Tumor1X.seg", "Tumor1X.segments.tsv", "Tumor1X.bed"})
        compareFiles(rootFile(std::string("window segments/") + file), rootFile(std::string("segments/") + file));
}

// Range Set with the region typed (Enter, then the region dialog) instead of dragged: the same
// stretch of chromosome 2 in CGH View gives the same stored analysis after Sort, and a region the
// array does not have keeps the dialog open with the reason.
void AnalysisRoadsTest::typedRegionRoad() {
    Window window(root());
    QVERIFY(window.start());
    CVARNDoc& doc = window.doc();
    CVARNView& view = window.view();
    ModalDriver driver;
    watchDialogs(driver);
    driver.expectFile("Open", rootFile("XbaPool.ref"));
    driver.expectMessage("Correct Xba reference data loaded!");
    QVERIFY(window.trigger(ID_FILE_OPEN));
    const int first = doc.snpFirst[kXba];
    const int fromX = (view.chromosomeStart[kXba][2] - first) / 75 + 1;
    const int toX = (view.chromosomeStart[kXba][3] - 1 - first) / 75;
    const QString region = QString("%1-%2").arg(first + 75 * fromX).arg(first + 75 * toX);

    std::string stored[2];
    for (const bool typed : {false, true}) {
        driver.expect("analysis type", [&driver](QWidget* modal) { driver.click(modal, "1"); });
        driver.expect("sample files", [&driver](QWidget* modal) {
            for (const char* name : {"1001", "1003", "1004", "1"}) driver.click(modal, name);
        });
        driver.expectFile("Select Xba tumor sample signal data file", rootFile("tumorsampleX/Tumor1X.txt"));
        driver.expectFile("Select Xba tumor sample SNP data file", rootFile("SNPtumorsampleX/Tumor1X.txt"));
        QVERIFY(window.trigger(ID_FILE_NEW));
        QVERIFY(window.trigger(ID_CGH_VIEW));
        QVERIFY(window.trigger(ID_RANGE_SET));
        if (typed) {
            driver.expect("typed region", [&driver, region](QWidget* modal) {
                auto* text = modal->findChild<QLineEdit*>("region");
                if (text == nullptr) return driver.fail(modal, "expected the region dialog");
                text->setText("chr25");
                driver.click(modal, "1");
                text->setText(region);
                driver.click(modal, "1");
            });
            driver.expectMessage("Region: the chromosome is 1..22 or X, as chr5 or chrX");
        }
        driver.expect("region box",
                      [](QWidget* m) { qobject_cast<QMessageBox*>(m)->button(QMessageBox::Ok)->click(); });
        if (typed)
            QTest::keyClick(window.genome(), Qt::Key_Return);
        else
            drag(window.genome(), onPage(view, QPoint(fromX, 150)), onPage(view, QPoint(toX, 150)));
        QVERIFY2(driver.finished(), qPrintable(driver.report()));
        QCOMPARE(QString("%1-%2").arg(doc.regionStart[kXba]).arg(doc.regionEnd[kXba]), region);
        QCOMPARE(view.displayMode, int(ModeReferenceSort));

        driver.expect("reference list", [&driver](QWidget* modal) {
            auto* list = modal->findChild<QListWidget*>("1006");
            for (int item = 0; item < 3; ++item) list->item(item)->setCheckState(Qt::Checked);
            driver.click(modal, "1");
        });
        driver.expectMessage("3 items selected \n as references");
        expectAverage(driver, "5");
        QVERIFY(window.trigger(ID_SORT));
        QVERIFY(window.trigger(ID_STORE));
        QVERIFY2(driver.finished(), qPrintable(driver.report()));
        stored[typed ? 1 : 0] = readFileBytes(rootFile("temporary files/Tumor1X.temp"));
    }
    QVERIFY(!stored[0].empty());
    QVERIFY2(stored[0] == stored[1], "the typed region's analysis differs from the dragged one's");
}

// File New with "Self reference": the four files, the paired profile (mode 21); then Range Set and
// a drag from right to left over chromosome 1's long arm, which carries three copies, re-based
// to n=3; Store.
void AnalysisRoadsTest::pairedRoad() {
    Window window(root());
    QVERIFY(window.start());
    CVARNDoc& doc = window.doc();
    CVARNView& view = window.view();
    ModalDriver driver;
    watchDialogs(driver);

    driver.expect("analysis type", [&driver](QWidget* modal) {
        driver.click(modal, "1001");
        driver.click(modal, "1003");
        driver.click(modal, "1");
    });
    driver.expect("paired sample files", [&driver](QWidget* modal) {
        if (!isFace(modal, "SelfSampleSelectFace"))
            return driver.fail(modal, "expected the paired sample dialog");
        driver.click(modal, "1001");
        for (const char* chooser : {"1003", "1007", "1004", "1009"}) driver.click(modal, chooser);
        if (editText(modal, "1008") != "Tumor1NX" || editText(modal, "1010") != "Tumor1NX_snp")
            driver.failures << "the normal's names are not shown";
        driver.click(modal, "1");
    });
    driver.expectFile("Select Xba tumor sample signal data file", rootFile("tumorsampleX/Tumor1X.txt"),
                      rootFile("tumorsampleX"));
    driver.expectFile("Select Xba normal sample signal data file", rootFile("sampledataX/Tumor1NX.txt"),
                      rootFile("sampledataX"));
    driver.expectFile("Select Xba tumor sample SNP data file", rootFile("SNPtumorsampleX/Tumor1X.txt"),
                      rootFile("SNPtumorsampleX"));
    driver.expectFile("Select Xba normal sample SNP data file", rootFile("sampledataX/Tumor1NX_snp.txt"),
                      rootFile("sampledataX"));
    expectAverage(driver, "10");
    QVERIFY(window.trigger(ID_FILE_NEW));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(view.displayMode, int(ModeGenomeSelf));
    shoot(window, "paired-genome");

    QVERIFY(window.trigger(ID_RANGE_SET));
    // Chromosome 1 is the first panel of the first row: 10 units per pixel plus the margin.
    const int panel = view.panelX[kXba][1] / 10 + 10;
    const int start = firstPositionBeyond(doc, view, kXba, 1, 160000000);
    const int leftX = panel + (start - view.chromosomeStart[kXba][1]) / 10 + 1;
    const int rightX = panel + (view.chromosomeStart[kXba][2] - view.chromosomeStart[kXba][1]) / 10 - 2;
    driver.expect("base copy number", [&driver](QWidget* modal) {
        if (!isFace(modal, "BaseSetFace")) return driver.fail(modal, "expected the base copy number dialog");
        driver.click(modal, "1"); // none ticked: refused
        driver.click(modal, "1003");
        driver.click(modal, "1");
    });
    driver.expectMessage("Select one ");
    driver.expect("region box", [&driver](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr || !box->text().endsWith("Base line is 3   Calculate StDev?") ||
            box->icon() != QMessageBox::Information)
            return driver.fail(modal, "expected the region's information box with base line 3");
        box->button(QMessageBox::Ok)->click();
    });
    expectAverage(driver, "10");
    drag(window.genome(), onPage(view, QPoint(rightX, 120)), onPage(view, QPoint(leftX, 120)),
         [&] { shoot(window, "paired-dragging"); });
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    // Dragged from right to left, the stretch is the same as from left to right.
    const int chromosomeStart = view.chromosomeStart[kXba][1] - view.panelX[kXba][1];
    QCOMPARE(doc.regionStart[kXba], chromosomeStart + 10 * (leftX - 10));
    QCOMPARE(doc.regionEnd[kXba], chromosomeStart + 10 * (rightX - 11));
    QCOMPARE(doc.baseCopyNumber, 3);
    QCOMPARE(view.displayMode, int(ModeGenomeSelf));
    shoot(window, "paired-rebased");

    QVERIFY(window.trigger(ID_STORE));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    moveAside("Self temporary files", "window Self temporary files");
    QVERIFY(runCli({"paired", "--array", "xba", "--tumor-signal", qs(rootFile("tumorsampleX/Tumor1X.txt")),
                    "--tumor-calls", qs(rootFile("SNPtumorsampleX/Tumor1X.txt")), "--normal-signal",
                    qs(rootFile("sampledataX/Tumor1NX.txt")), "--normal-calls",
                    qs(rootFile("sampledataX/Tumor1NX_snp.txt")), "--region",
                    QString("%1-%2").arg(doc.regionStart[kXba]).arg(doc.regionEnd[kXba]), "--base-copy", "3",
                    "--store"}));
    compareFiles(rootFile("window Self temporary files/Tumor1X.temp"),
                 rootFile("Self temporary files/Tumor1X.temp"));
}

// Two stored pool analyses, one per array, made by the command line; in the window: both pools
// loaded, File New with "Xba + Hind" and the two files, the merged genome (mode 2) and its tracks;
// then a region dragged in the merged genome and the combined Sort.
void AnalysisRoadsTest::mergedRoad() {
    for (const char* array : {"X", "H"}) {
        const QString pool = qs(rootFile(array == QString("X") ? "XbaPool.ref" : "HindPool.ref"));
        QVERIFY(
            runCli({"analyze", "--pool", pool, "--signal",
                    qs(rootFile(std::string("tumorsample") + array + "/Tumor1" + array + ".txt")), "--calls",
                    qs(rootFile(std::string("SNPtumorsample") + array + "/Tumor1" + array + ".txt")),
                    "--region", "chr2", "--refs", "best:3", "--store"}));
    }
    const fs::path xbaTemp = rootFile("temporary files/Tumor1X.temp");
    const fs::path hindTemp = rootFile("temporary files/Tumor1H.temp");

    Window window(root());
    QVERIFY(window.start());
    ModalDriver driver;
    watchDialogs(driver);
    driver.expectFile("Open", rootFile("XbaPool.ref"));
    driver.expectMessage("Correct Xba reference data loaded!");
    QVERIFY(window.trigger(ID_FILE_OPEN));
    driver.expectFile("Open", rootFile("HindPool.ref"));
    driver.expectMessage("Correct Hind reference data loaded!");
    QVERIFY(window.trigger(ID_FILE_OPEN));

    driver.expect("analysis type", [&driver](QWidget* modal) {
        driver.click(modal, "1002");
        driver.click(modal, "1005");
        driver.click(modal, "1");
    });
    driver.expectMessage("Select Xba temp file");
    driver.expectFile("Select temporary file", xbaTemp, rootFile("temporary files"));
    driver.expectMessage("Select Hind temp file");
    driver.expectFile("Select temporary file", hindTemp);
    expectAverage(driver, "10");
    QVERIFY(window.trigger(ID_FILE_NEW));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(window.view().displayMode, int(ModeGenomeBoth));
    shoot(window, "merged-genome");

    QVERIFY(window.trigger(ID_IGB_FILE_OUT));
    QVERIFY(window.trigger(ID_SEGMENT_OUT));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    moveAside("IGBfiles", "window IGBfiles");
    moveAside("segments", "window segments");
    QVERIFY(runCli({"merged", "--pool", qs(rootFile("XbaPool.ref")), "--pool", qs(rootFile("HindPool.ref")),
                    "--xba-temp", qs(xbaTemp), "--hind-temp", qs(hindTemp), "--tracks", "--segments"}));
    for (const char* file : {"Tumor1XandTumor1H.seg", "Tumor1XandTumor1H.segments.tsv", "Tumor1XandTumor1H.bed"})
        compareFiles(rootFile(std::string("window segments/") + file), rootFile(std::string("segments/") + file));
    compareFiles(rootFile("window IGBfiles/Tumor1XandTumor1H.sgr"),
                 rootFile("IGBfiles/Tumor1XandTumor1H.sgr"));
    compareFiles(rootFile("window IGBfiles/Tumor1XandTumor1HLOH.sgr"),
                 rootFile("IGBfiles/Tumor1XandTumor1HLOH.sgr"));

    // Range Set in the merged genome: a drag over chromosome 2's panel (20 units per pixel, a
    // 5-pixel margin) marks a region of each array inside chromosome 2; the combined Sort then
    // ranks the references of both arrays.
    CVARNDoc& doc = window.doc();
    CVARNView& view = window.view();
    QVERIFY(window.trigger(ID_RANGE_SET));
    const int panel = view.panelX[kCombined][2] / 20 + 5;
    const int width = (view.chromosomeStart[kCombined][3] - view.chromosomeStart[kCombined][2]) / 20;
    driver.expect("base copy number", [&driver](QWidget* modal) {
        driver.click(modal, "1002");
        driver.click(modal, "1");
    });
    driver.expect("merged region box", [&driver](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr || !box->text().startsWith("Xba: From ") ||
            !box->text().contains("\nHind: From ") ||
            !box->text().endsWith("Base line is 2   Calculate StDev?"))
            return driver.fail(modal, "expected the merged region's information box");
        box->button(QMessageBox::Ok)->click();
    });
    drag(window.genome(), onPage(view, QPoint(panel + width / 4, 120)),
         onPage(view, QPoint(panel + 3 * width / 4, 120)));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(view.displayMode, int(ModeReferenceSort));
    QCOMPARE(view.shownArrayType, int(kCombined));
    for (int t : {kXba, kHind}) {
        QVERIFY(doc.regionStart[t] < doc.regionEnd[t]);
        QCOMPARE(doc.snpChromosome[doc.arrangeOrder[doc.regionStart[t]]], 2);
        QCOMPARE(doc.snpChromosome[doc.arrangeOrder[doc.regionEnd[t]]], 2);
    }

    const auto tickBestThree = [&driver](QWidget* modal) {
        driver.click(modal, "1003");
        auto* list = modal->findChild<QListWidget*>("1006");
        if (list == nullptr || list->count() != 4)
            return driver.fail(modal, "\"Sample Load\" did not list 4");
        for (int item = 0; item < 3; ++item) list->item(item)->setCheckState(Qt::Checked);
        driver.click(modal, "1");
    };
    driver.expectMessage("Sort Xba references");
    driver.expect("Xba references", tickBestThree);
    driver.expectMessage("3 items selected \n as references");
    driver.expectMessage("Sort Hind references");
    driver.expect("Hind references", tickBestThree);
    driver.expectMessage("3 items selected \n as references");
    expectAverage(driver, "10");
    QVERIFY(window.trigger(ID_SORT));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(view.displayMode, int(ModeGenomeBoth));
    QCOMPARE(doc.refUsedCount[kXba], 3);
    QCOMPARE(doc.refUsedCount[kHind], 3);
    shoot(window, "merged-sorted");
}

// Load Ref of the Xba pool, then NonSelfLoad of a stored analysis, averaged over 10.
void AnalysisRoadsTest::reloadWithXbaPool(Window& window, ModalDriver& driver, const fs::path& temp) {
    watchDialogs(driver);
    driver.expectFile("Open", rootFile("XbaPool.ref"));
    driver.expectMessage("Correct Xba reference data loaded!");
    QVERIFY(window.trigger(ID_FILE_OPEN));
    driver.expectFile("Select temporary file", temp, rootFile("temporary files"));
    expectAverage(driver, "10");
    QVERIFY(window.trigger(ID_NON_SELF_LOAD));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
}

// A stored analysis of Tumor4 (50 % normal cells) reloaded with NonSelfLoad; the HMM parameter
// dialog's Estimate shows the fraction and puts the means for it into the spins, OK decodes with
// them, and the states are those of varn-cli analyze --purity auto. The title names the fraction.
void AnalysisRoadsTest::purityRoad() {
    const QStringList analyze = {"analyze", "--pool", qs(rootFile("XbaPool.ref")), "--signal",
                                 qs(rootFile("tumorsampleX/Tumor4X.txt")), "--calls",
                                 qs(rootFile("SNPtumorsampleX/Tumor4X.txt")), "--region", "chr1:1-100000000"};
    QVERIFY(runCli(analyze + QStringList{"--store"}));
    const fs::path temp = rootFile("temporary files/Tumor4X.temp");
    // Without its allele sums (a road that stored them before leaves them beside): the levels' fit.
    fs::remove(rootFile("temporary files/Tumor4X.alleles"));

    Window window(root());
    QVERIFY(window.start());
    CVARNDoc& doc = window.doc();
    ModalDriver driver;
    reloadWithXbaPool(window, driver, temp);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(window.view().displayMode, int(ModeGenomeSingle));
    QCOMPARE(doc.hmmMeansPurity, 1.0f);

    QString shown;
    int spins[6] = {};
    driver.expect("HMM parameters", [&](QWidget* modal) {
        if (!isFace(modal, "HmmParameterFace")) return driver.fail(modal, "expected the HMM parameter dialog");
        driver.click(modal, "estimate");
        shown = modal->findChild<QLabel*>("estimateText")->text();
        for (int i = 0; i < 6; ++i) spins[i] = modal->findChild<QSpinBox*>(QString::number(1019 + i))->value();
        if (!shots_.isEmpty()) modal->grab().save(shots_ + "/purity-estimate.png", "PNG");
        driver.click(modal, "1");
    });
    QVERIFY(window.trigger(ID_HMM_PARAMETER));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QVERIFY2(QRegularExpression("^Tumour cells (4[5-9]|5[0-5]) % \\(\\d+\u2013\\d+ %\\)$").match(shown).hasMatch(),
             qPrintable(shown));
    // The spins hold the means for the estimated fraction (rows: copy numbers 5 .. 0); OK applied
    // all seven.
    QVERIFY(doc.hmmMeansPurity > 0.44f && doc.hmmMeansPurity < 0.56f);
    float means[kStates];
    meansForPurity(kDefaultHmmMean, doc.hmmMeansPurity, false, means);
    for (int i = 0; i < 6; ++i) QCOMPARE(spins[i], int(std::lround(means[5 - i] * 100)));
    for (int k = 0; k < kStates; ++k) QCOMPARE(doc.hmmMean[k], means[k]);
    QVERIFY(paint::copyNumberTitle(doc, window.view()).ends_with(
        "   tumour cells=" + std::to_string(std::lround(doc.hmmMeansPurity * 100)) + "%"));
    QVERIFY(window.trigger(ID_RAW_DATA_OUT));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    shoot(window, "purity-genome");

    // The stored signal has six decimals, so the reloaded log ratios may differ from a fresh
    // analysis in the last digit; the decoded states may not.
    moveAside("RawData", "window RawData");
    QVERIFY(runCli(analyze + QStringList{"--purity", "auto", "--raw-data"}));
    const auto states = [](const fs::path& table) {
        QStringList out;
        for (const QString& line : QString::fromStdString(readFileBytes(table)).split('\n')) {
            const QStringList f = line.split('\t');
            if (f.size() > 4) out << f[0] + f[1] + f[4];
        }
        return out;
    };
    const QStringList fromWindow = states(rootFile("window RawData/Tumor4X.xls"));
    QVERIFY(fromWindow.size() > 50000);
    QVERIFY(fromWindow == states(rootFile("RawData/Tumor4X.xls")));
}

// Tumor4 (50 % normal cells; its levels fit a doubled genome at a third of the cells nearly as
// well) stored with its allele sums and reloaded with NonSelfLoad, its baseline region held at two
// copies: the HMM dialog's Estimate shows the map of
// the joint fit and its solutions; the second one used from the list sets the means for its
// fraction and the baseline's copy number it gives, decodes, and the title names it. Default and
// OK forget it again.
void AnalysisRoadsTest::solutionRoad() {
    QVERIFY(runCli({"analyze", "--pool", qs(rootFile("XbaPool.ref")), "--signal",
                    qs(rootFile("tumorsampleX/Tumor4X.txt")), "--calls",
                    qs(rootFile("SNPtumorsampleX/Tumor4X.txt")), "--region", "chr1:1-100000000", "--store",
                    "--baf"}));
    Window window(root());
    QVERIFY(window.start());
    CVARNDoc& doc = window.doc();
    ModalDriver driver;
    reloadWithXbaPool(window, driver, rootFile("temporary files/Tumor4X.temp"));
    if (QTest::currentTestFailed()) return;

    PurityEstimate fit;
    std::string reason;
    PurityFitOptions options;
    options.listMapBest = true;
    QVERIFY2(estimatePurity(doc, kXba, false, fit, reason, options), reason.c_str());
    QVERIFY2(fit.joint && fit.fit.solutions.size() >= 2, fit.alleleReason.c_str());
    bool mapShown = false;
    int listed = 0;
    driver.expect("HMM parameters", [&](QWidget* modal) {
        driver.click(modal, "estimate");
        mapShown = modal->findChild<QWidget*>("purityMap")->isVisible();
        auto* list = modal->findChild<QListWidget*>("solutions");
        listed = list->count();
        if (!shots_.isEmpty()) modal->grab().save(shots_ + "/solution-map.png", "PNG");
        list->setCurrentRow(1);
        driver.click(modal, "useSolution");
    });
    QVERIFY(window.trigger(ID_HMM_PARAMETER));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QVERIFY(mapShown);
    QCOMPARE(listed, int(fit.fit.solutions.size()));
    const PurityPloidySolution& second = fit.fit.solutions[1];
    QCOMPARE(doc.hmmMeansPurity, float(second.purity));
    QCOMPARE(doc.baseCopyNumber, second.regionCopyNumber[kXba]);
    const std::string title = paint::copyNumberTitle(doc, window.view());
    QVERIFY2(title.find("   solution 2 (not the best): tumour cells=" + std::to_string(std::lround(second.purity * 100)) +
                        "%, ploidy ") != std::string::npos,
             title.c_str());
    const std::vector<int> states(doc.hmmState[0], doc.hmmState[0] + kSlots);
    applyPurityPloidySolution(doc, kXba, fit.fit.solutions[0], 1);
    QVERIFY(!std::equal(states.begin(), states.end(), doc.hmmState[0]));

    driver.expect("HMM parameters", [&driver](QWidget* modal) {
        driver.click(modal, "1003");
        driver.click(modal, "1");
    });
    QVERIFY(window.trigger(ID_HMM_PARAMETER));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(doc.appliedSolution.number, 0);
    QVERIFY(paint::copyNumberTitle(doc, window.view()).find("solution") == std::string::npos);
}

// The first page of a PDF as poppler's pdftotext reads it.
QString firstPageText(const fs::path& pdf) {
    QProcess text;
    text.start("pdftotext", {"-f", "1", "-l", "1", "-layout", qs(pdf), "-"});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

// Tumor4, Tumor5 and Tumor6 (a doubled genome, 30 % normal cells) stored with their allele sums and
// reloaded, the baseline region held at two copies: Estimate lists the solutions by their fit with
// the data's best first and selected, the edits beside the spins showing its means. On Tumor6 OK
// applies it whole
// (fraction, ploidy and the baseline's four copies) and decodes with the allele-specific HMM.
// Store and NonSelfLoad keep both; the title, the report's first page and its footer print the
// same fraction and ploidy.
void AnalysisRoadsTest::answerRoad() {
    std::string title;
    AppliedSolution applied;
    // Tumor4 and Tumor5 (50 % and 70 % normal cells) only list: the order of their fit, the best
    // selected. Tumor6 goes on with OK.
    for (const std::string tumour : {"Tumor4X", "Tumor5X", "Tumor6X"}) {
        QVERIFY(runCli({"analyze", "--pool", qs(rootFile("XbaPool.ref")), "--signal",
                        qs(rootFile("tumorsampleX/" + tumour + ".txt")), "--calls",
                        qs(rootFile("SNPtumorsampleX/" + tumour + ".txt")), "--region", "chr1:1-100000000",
                        "--store", "--baf"}));
        const bool ok = tumour == "Tumor6X";
        Window window(root());
        QVERIFY(window.start());
        CVARNDoc& doc = window.doc();
        ModalDriver driver;
        reloadWithXbaPool(window, driver, rootFile("temporary files/" + tumour + ".temp"));
        if (QTest::currentTestFailed()) return;
        PurityEstimate fit;
        std::string reason;
        PurityFitOptions options;
        options.listMapBest = true;
        QVERIFY2(estimatePurity(doc, kXba, false, fit, reason, options) && fit.joint, reason.c_str());
        QStringList lines, edits;
        int selected = -1;
        driver.expect("HMM parameters", [&](QWidget* modal) {
            driver.click(modal, "estimate");
            auto* list = modal->findChild<QListWidget*>("solutions");
            for (int k = 0; k < list->count(); ++k) lines << list->item(k)->text();
            selected = list->currentRow();
            // What "fit N %" means stands under the list and in its tooltip.
            const QLabel* note = modal->findChild<QLabel*>("fitNote");
            if (!note || !note->isVisible() || !note->text().startsWith("fit: ") || list->toolTip().isEmpty())
                driver.failures << "the list's fit is not explained";
            for (int i = 0; i < 6; ++i) edits << modal->findChild<QLineEdit*>(QString::number(1005 + i))->text();
            if (!shots_.isEmpty())
                modal->grab().save(shots_ + "/answer-estimate-" + QString::fromStdString(tumour) + ".png", "PNG");
            driver.click(modal, ok ? "1" : "2");
        });
        QVERIFY(window.trigger(ID_HMM_PARAMETER));
        QVERIFY2(driver.finished(), qPrintable(driver.report()));

        QCOMPARE(lines.size(), int(fit.fit.solutions.size()));
        QCOMPARE(selected, 0);
        double previous = 101;
        for (const QString& line : lines) {
            const double score = QRegularExpression("fit ([\\d.]+) %$").match(line).captured(1).toDouble();
            QVERIFY2(score <= previous, qPrintable(lines.join("\n")));
            previous = score;
        }
        const PurityPloidySolution& best = fit.fit.solutions.front();
        float means[kStates];
        meansForPurity(kDefaultHmmMean, best.purity, false, means);
        for (int i = 0; i < 6; ++i) QCOMPARE(edits[i], QString::asprintf("%3f", means[5 - i]));
        if (!ok) {
            QCOMPARE(doc.appliedSolution.number, 0);
            continue;
        }
        QVERIFY2(best.doubled && best.regionCopyNumber[kXba] == 4, qPrintable(lines.join("\n")));

        QCOMPARE(doc.appliedSolution.number, 1);
        QCOMPARE(doc.baseCopyNumber, 4);
        QVERIFY(doc.alleleSpecificDecoding && !doc.hmmMinorCopies.empty());
        QVERIFY(window.app.mainFrame().commandAction(ID_ALLELE_DECODING)->isChecked());
        QVERIFY(window.app.mainFrame().statusBar()->currentMessage().startsWith("Allele-specific decoding: tumour cells " +
                                                                                 QString::number(std::lround(best.purity * 100)) + " %"));
        title = paint::copyNumberTitle(doc, window.view());
        const std::string named = "   solution 1: tumour cells=" + figureDigits(Figure::TumourCells, best.purity) +
                                  "%, ploidy " + figureDigits(Figure::Ploidy, best.ploidy) + ", genome doubled";
        QVERIFY2(title.ends_with(named), title.c_str());
        // The states are the solution's: the decoded genome holds about its ploidy.
        QVERIFY2(std::fabs(doc.computePloidy(kXba, 0) - best.ploidy) < 0.3, title.c_str());
        shoot(window, "answer-genome-Tumor6X");
        QVERIFY(window.trigger(ID_STORE));
        QVERIFY(fs::exists(rootFile("temporary files/Tumor6X.decoding")));
        applied = doc.appliedSolution;
    }

    Window window(root());
    QVERIFY(window.start());
    CVARNDoc& doc = window.doc();
    ModalDriver driver;
    reloadWithXbaPool(window, driver, rootFile("temporary files/Tumor6X.temp"));
    if (QTest::currentTestFailed()) return;
    QVERIFY(doc.alleleSpecificDecoding && !doc.hmmMinorCopies.empty());
    QCOMPARE(doc.appliedSolution.number, applied.number);
    QCOMPARE(doc.appliedSolution.ploidy, applied.ploidy);
    // The means come back from the .temp's six decimals: the mean decoded copy number and the SD
    // may move in their last digits, the solution named may not.
    const std::string reloaded = paint::copyNumberTitle(doc, window.view());
    QVERIFY2(reloaded.ends_with(title.substr(title.find("   solution"))), reloaded.c_str());

    const fs::path pdf = rootFile("Tumor6X.pdf");
    driver.expectFile("ReportOut", pdf);
    QVERIFY(window.trigger(ID_REPORT_OUT));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    const QString page = firstPageText(pdf);
    const QString fraction = QString::fromStdString(figureDigits(Figure::TumourCells, applied.purity));
    const QString ploidy = QString::fromStdString(figureDigits(Figure::Ploidy, applied.ploidy));
    // pdftotext gives a run of blanks as one.
    QVERIFY2(page.contains("Tumour cells " + fraction + " % (") && page.contains("tumour cells=" + fraction + "%") &&
                 page.contains(QRegularExpression("tumour cells " + fraction + " %\\s+·\\s+ploidy " + ploidy)),
             qPrintable(page));
    // Every fraction and fitted ploidy on the page is the solution's.
    for (const QRegularExpressionMatch& m : QRegularExpression("[Tt]umour cells=?\\s?(\\d+) ?%").globalMatch(page))
        QVERIFY2(m.captured(1) == fraction, qPrintable(page));
    for (const QRegularExpressionMatch& m : QRegularExpression("ploidy (\\d\\.\\d\\d)\\b").globalMatch(page))
        QVERIFY2(m.captured(1) == ploidy, qPrintable(page));
}

// The B-allele fraction panel over a stored analysis of Tumor2 (no normal cells) and of Tumor4 (the
// same events with 50 % normal cells), stored with the means for their estimated tumour cell
// fraction and reloaded with NonSelfLoad: View > B-allele Fraction adds the
// panel to the genome and chromosome pages, the right-click report names the SNP's fraction and
// call, Store with the panel shown keeps the allele sums beside the analysis, Data > Allele-specific
// Decoding on and off leaves the analysis as it was, and the panel's toggle turned off gives back
// the page drawn before, call for call.
void AnalysisRoadsTest::bafPanelRoad() {
    for (const char* tumour : {"Tumor2X", "Tumor4X"}) {
        const std::string name = tumour;
        QVERIFY(runCli({"analyze", "--pool", qs(rootFile("XbaPool.ref")), "--signal",
                        qs(rootFile("tumorsampleX/" + name + ".txt")), "--calls",
                        qs(rootFile("SNPtumorsampleX/" + name + ".txt")), "--region", "chr1:1-100000000", "--purity",
                        "auto", "--store", "--baf"}));
        const fs::path temp = rootFile("temporary files/" + name + ".temp");
        const fs::path alleles = rootFile("temporary files/" + name + ".alleles");

        Window window(root());
        QVERIFY(window.start());
        CVARNView& view = window.view();
        ModalDriver driver;
        reloadWithXbaPool(window, driver, temp);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(view.displayMode, int(ModeGenomeSingle));
        QVERIFY(!view.bafPanel);
        const std::string today = canvasRecord(view);
        QCOMPARE(informativeDots(view), 0);

        QVERIFY(window.trigger(ID_BAF_PANEL));
        QVERIFY(view.bafPanelShown());
        QVERIFY(window.app.mainFrame().commandAction(ID_BAF_PANEL)->isChecked());
        // Nearly every SNP has a fraction; a fifth to a third of them are heterozygous.
        const int informative = informativeDots(view);
        QVERIFY2(informative > 5000, qPrintable(QString::number(informative)));
        shoot(window, QString::fromStdString("baf-genome-" + name));

        driver.expect("chromosome", [&driver](QWidget* modal) {
            driver.click(modal, "1006");
            driver.click(modal, "1");
        });
        QVERIFY(window.trigger(ID_EACH_CHROMOSOME));
        QVERIFY2(driver.finished(), qPrintable(driver.report()));
        shoot(window, QString::fromStdString("baf-chromosome6-" + name));
        QVERIFY(window.trigger(ID_EXPLORE_VIEW));
        QString report;
        driver.expect("point report", [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) return driver.fail(modal, "expected the point report");
            report = box->text();
            box->button(QMessageBox::No)->click();
        });
        rightClick(window.genome(), QPoint(400, 300));
        QVERIFY2(driver.finished(), qPrintable(driver.report()));
        QVERIFY2(QRegularExpression("\\n\\n B-allele fraction= (\\d\\.\\d{3} \\((not )?informative\\)|none)\\t"
                                    "Call= (AA|AB|BB|no call)\\n\\n Goto Web Information\\?$")
                     .match(report)
                     .hasMatch(),
                 qPrintable(report));
        QVERIFY(window.trigger(ID_ALL_GENOME));

        fs::remove(alleles);
        QVERIFY(window.trigger(ID_STORE));
        QVERIFY(fs::exists(alleles));

        // Data > Allele-specific Decoding, on and off again: the profile is the one it was, X
        // included, and so is what Store writes.
        const std::vector<int> sevenState(window.doc().hmmState[0], window.doc().hmmState[0] + kSlots);
        const std::string stored = readFileBytes(temp);
        QAction* decoding = window.app.mainFrame().commandAction(ID_ALLELE_DECODING);
        QVERIFY(window.trigger(ID_ALLELE_DECODING));
        QVERIFY(decoding->isChecked() && !window.doc().hmmMinorCopies.empty());
        QVERIFY2(window.app.mainFrame().statusBar()->currentMessage().startsWith("Allele-specific decoding: tumour cells"),
                 qPrintable(window.app.mainFrame().statusBar()->currentMessage()));
        shoot(window, QString::fromStdString("allele-decoding-" + name));
        QVERIFY(window.trigger(ID_ALLELE_DECODING));
        QVERIFY(!decoding->isChecked() && window.doc().hmmMinorCopies.empty());
        QVERIFY(std::equal(sevenState.begin(), sevenState.end(), window.doc().hmmState[0]));
        QVERIFY(window.trigger(ID_STORE));
        QVERIFY(readFileBytes(temp) == stored);

        QVERIFY(window.trigger(ID_BAF_PANEL));
        QVERIFY(!view.bafPanelShown());
        QVERIFY(canvasRecord(view) == today);
    }
}

// "Self reference" with "Xba + Hind" is not offered: one message, nothing read, and the next File
// New opens with that choice checked.
void AnalysisRoadsTest::selfWithBothArraysIsRefused() {
    Window window(root());
    QVERIFY(window.start());
    ModalDriver driver;
    driver.expect("analysis type", [&driver](QWidget* modal) {
        driver.click(modal, "1001");
        driver.click(modal, "1005");
        driver.click(modal, "1");
    });
    driver.expectMessage("Sorry, This mode is not supported now.");
    QVERIFY(window.trigger(ID_FILE_NEW));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(driver.messages, QStringList{"Sorry, This mode is not supported now."});
    QCOMPARE(window.doc().refCount[kXba], -1);

    driver.expect("analysis type again", [&driver](QWidget* modal) {
        if (!checked(modal, "1001") || !checked(modal, "1005"))
            driver.failures << "the next File New did not keep \"Self reference\" and \"Xba + Hind\"";
        driver.click(modal, "2");
    });
    QVERIFY(window.trigger(ID_FILE_NEW));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(window.view().displayMode, int(ModeNone));
}

// File New on the Xba pool with the Hind tumour's signal file chosen: the reader names the file
// and what it expected, the dialog's flow stops and the window still shows nothing.
void AnalysisRoadsTest::wrongFileInFileNewIsRefused() {
    Window window(root());
    QVERIFY(window.start());
    ModalDriver driver;
    driver.expectFile("Open", rootFile("XbaPool.ref"));
    driver.expectMessage("Correct Xba reference data loaded!");
    QVERIFY(window.trigger(ID_FILE_OPEN));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));

    driver.expect("analysis type", [&driver](QWidget* modal) {
        driver.click(modal, "1002");
        driver.click(modal, "1003");
        driver.click(modal, "1");
    });
    driver.expect("sample files", [&driver](QWidget* modal) {
        driver.click(modal, "1001");
        driver.click(modal, "1003");
        driver.click(modal, "1004");
        driver.click(modal, "1");
    });
    driver.expectFile("Select Xba tumor sample signal data file", rootFile("tumorsampleH/Tumor1H.txt"));
    driver.expectFile("Select Xba tumor sample SNP data file", rootFile("SNPtumorsampleX/Tumor1X.txt"));
    driver.expectMessage("Tumor1H.txt holds 57244 SNP lines; an Xba 50K signal file holds 58960");
    QVERIFY(window.trigger(ID_FILE_NEW));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(window.view().displayMode, int(ModeNone));

    // A text file chosen in Load Ref: refused in one box, and the title still names the pool in
    // memory.
    std::string notes;
    for (int i = 0; i < 10; ++i) notes += "just some notes\n";
    writeFileBytes(rootFile("notes.txt"), notes);
    driver.expectFile("Open", rootFile("notes.txt"));
    driver.expectMessage("Invalid data file\nnotes.txt is not a reference pool file: it does not start with the "
                         "pool file's marker; the reference pools in memory are unchanged");
    QVERIFY(window.trigger(ID_FILE_OPEN));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(window.app.mainFrame().windowTitle(), QString("XbaPool.ref - VARN"));
    fs::remove(rootFile("notes.txt"));
}

// Data, MakeReference and then AddReference: the array type, the sample list, the signal files
// read under a progress dialog, Save As; the pool files are the ones varn-cli make-pool and
// add-to-pool write.
void AnalysisRoadsTest::poolBuildingRoad() {
    Window window(root());
    QVERIFY(window.start());
    ModalDriver driver;
    watchDialogs(driver);
    driver.expect("array type", [&driver](QWidget* modal) {
        if (!isFace(modal, "SampleTypeSelectFace"))
            return driver.fail(modal, "expected the array type dialog");
        driver.click(modal, "1"); // no type chosen: refused
        driver.click(modal, "1001");
        driver.click(modal, "1");
    });
    driver.expectMessage("Select one type ");
    driver.expectFile("Select sample list file", rootFile("sampledataX/SampleList.txt"),
                      rootFile("sampledataX"));
    driver.expectFile("Save As", rootFile("WindowPool.ref"));
    QVERIFY(window.trigger(ID_MAKE_REFERENCE));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(driver.progressDialogsSeen, 1);
    QCOMPARE(window.doc().refCount[kXba], 5);

    QVERIFY(runCli({"make-pool", "--array", "xba", "--list", qs(rootFile("sampledataX/SampleList.txt")),
                    "--out", qs(rootFile("CliPool.ref"))}));
    compareFiles(rootFile("WindowPool.ref"), rootFile("CliPool.ref"));

    // AddReference onto the pool just built: the same four samples once more.
    driver.expectMessage("The reference pool file to which new references are added should be loaded");
    driver.expect("array type", [&driver](QWidget* modal) {
        driver.click(modal, "1001");
        driver.click(modal, "1");
    });
    driver.expectFile("Select sample list file", rootFile("sampledataX/SampleList.txt"));
    driver.expectFile("Save As", rootFile("WindowGrown.ref"));
    QVERIFY(window.trigger(ID_ADD_REFERENCE));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(driver.progressDialogsSeen, 2);
    QCOMPARE(window.doc().refCount[kXba], 9);
    QVERIFY(runCli({"add-to-pool", "--pool", qs(rootFile("CliPool.ref")), "--list",
                    qs(rootFile("sampledataX/SampleList.txt")), "--out", qs(rootFile("CliGrown.ref"))}));
    compareFiles(rootFile("WindowGrown.ref"), rootFile("CliGrown.ref"));
}

QTEST_MAIN(AnalysisRoadsTest)
#include "AnalysisRoadsTest.moc"
