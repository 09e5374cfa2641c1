// Pages larger than the window: scroll bars over the page, Fit to Window, and drags that mark the
// same stretch whatever the scroll; the status bar's report of the files a command wrote or loaded.
#include "AppFixture.h"
#include "CMainFrame.h"
#include "GenomeWidget.h"
#include "QtUserInterface.h"
#include "commands/CBaseSet.h"
#include "commands/CRefSelect.h"
#include "document/CVARNDoc.h"
#include "support/TestDocument.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"
#include "view/PageExtent.h"
#include "view/ShownWindow.h"

#include <QMainWindow>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <string>

using namespace varn;

namespace {

// The window at a size where neither the compensation page nor the single-array genome page
// fits, with the synthetic genome so that the view's frame and panels have their real sizes.
struct SmallWindow {
    test::AppFixture f;
    CVARNView& view = f.app->view();
    CVARNDoc& doc = view.GetDocument();
    CMainFrame& frame = f.app->mainFrame();
    GenomeWidget& genome = *frame.genomeWidget();

    SmallWindow() {
        // The page's own geometry, without the strips of "Axes and Legend" (with them the
        // compensation page opens whole in the window).
        view.annotate = false;
        test::fillSyntheticAnnotation(doc);
        view.shownArrayType = kXba;
        frame.resize(800, 600);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
    }
    void show(int mode, int extX, int extY) {
        view.displayMode = mode;
        view.windowOrgX = view.windowOrgY = 0;
        view.windowExtX = extX;
        view.windowExtY = extY;
        view.resetScroll();
        view.Invalidate();
        QCoreApplication::processEvents();
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&genome, Qt::LeftButton, {}, from);
        QTest::mouseMove(&genome, to);
        QTest::mouseRelease(&genome, Qt::LeftButton, {}, to);
    }
    // The drag through the view's handlers at the preset's own pixels, unscrolled: what a drag
    // meant before the page could scroll.
    void dragUnscrolled(QPoint from, QPoint to) {
        const int sx = view.scrollX, sy = view.scrollY;
        view.resetScroll();
        view.OnLButtonDown(from.x(), from.y());
        view.OnMouseMove(to.x(), to.y(), true);
        view.OnLButtonUp(to.x(), to.y());
        view.scrollX = sx;
        view.scrollY = sy;
    }
    std::string lastMessage() const { return f.ui.messages.empty() ? std::string() : f.ui.messages.back(); }
};

void answerBaseCopy(SmallWindow& w, int n) {
    w.f.ui.answer<CBaseSet>([n](CBaseSet& d) {
        d.n = n;
        return DialogResult::Ok;
    });
}

} // namespace

class PageScrollTest : public QObject {
    Q_OBJECT
  private slots:
    void compensationFrameScrollsIntoViewAndCghDragKeepsItsRegion();
    void scrolledRangeSetDragOverChromosome5MeansTheSameStretch();
    void fitToWindowShowsTheWholeGenomePage();
    void statusBarSaysWhatWasStored();
};

// File New opens the compensation page at one unit a pixel; its red frame lies 5,500 units down.
void PageScrollTest::compensationFrameScrollsIntoViewAndCghDragKeepsItsRegion() {
    SmallWindow w;
    w.show(ModeCompensation, 1, 1);
    QScrollBar* down = w.genome.verticalBar();
    QVERIFY(down->isVisible());
    QVERIFY(w.genome.horizontalBar()->isVisible());
    QVERIFY(down->maximum() >= 5500);
    down->setValue(5500);
    QCOMPARE(shownWindow(w.view).orgY, 5500);

    // CGH View resets the scroll to its preset; a drag in the frame gives the positions of 75 per
    // pixel from the array's first SNP, as it always did.
    w.frame.sendCommand(ID_CGH_VIEW);
    QCOMPARE(shownWindow(w.view).orgY, 5500);
    w.frame.sendCommand(ID_RANGE_SET);
    w.f.ui.cancel<CRefSelect>();
    w.drag(QPoint(100, 150), QPoint(300, 150));
    const int first = w.doc.snpFirst[kXba];
    const std::string expected = "From " + std::to_string(first + 75 * 100) + "(";
    QVERIFY2(w.lastMessage().rfind(expected, 0) == 0, w.lastMessage().c_str());
    QVERIFY(w.lastMessage().find(" to " + std::to_string(first + 75 * 300) + "(") != std::string::npos);

    // Scrolled down by 40 pixels of the CGH zoom (2 units each), the same stretch lies 40 pixels
    // higher on the screen.
    w.show(ModeCompensation, 1, 1);
    w.frame.sendCommand(ID_CGH_VIEW);
    w.frame.sendCommand(ID_RANGE_SET);
    const std::string before = w.lastMessage();
    w.f.ui.messages.clear();
    scrollWindowTo(w.view, 0, 5500 + 80);
    w.f.ui.cancel<CRefSelect>();
    w.drag(QPoint(100, 110), QPoint(300, 110));
    QCOMPARE(QString::fromStdString(w.lastMessage()), QString::fromStdString(before));
}

// Chromosome 5 ends past the right edge of an 800-pixel window at MonitorView; scrolled right, the
// drag over its panel gives the region the same drag gives at the panel's unscrolled place.
void PageScrollTest::scrolledRangeSetDragOverChromosome5MeansTheSameStretch() {
    SmallWindow w;
    w.show(ModeGenomeSingle, 10, 10);
    QScrollBar* across = w.genome.horizontalBar();
    QVERIFY(across->isVisible());
    const int left = w.view.panelX[kXba][5] / 10 + 10;
    const int width = (w.view.chromosomeStart[kXba][6] - w.view.chromosomeStart[kXba][5]) / 10;
    const QPoint from(left + width / 4, 260), to(left + 3 * width / 4, 260);

    w.view.rangeSetArmed = 1;
    answerBaseCopy(w, 2);
    w.dragUnscrolled(from, to);
    const std::string unscrolled = w.lastMessage();
    QVERIFY2(unscrolled.rfind("From ", 0) == 0, unscrolled.c_str());

    w.f.ui.messages.clear();
    w.show(ModeGenomeSingle, 10, 10);
    w.view.rangeSetArmed = 1;
    across->setValue(across->maximum());
    const int shift = across->value() / 10;
    QVERIFY(shift > 0);
    QVERIFY(to.x() - shift < w.genome.viewportSize().width());
    answerBaseCopy(w, 2);
    w.drag(from - QPoint(shift, 0), to - QPoint(shift, 0));
    QCOMPARE(QString::fromStdString(w.lastMessage()), QString::fromStdString(unscrolled));
}

void PageScrollTest::fitToWindowShowsTheWholeGenomePage() {
    SmallWindow w;
    w.show(ModeGenomeSingle, 10, 10);
    QVERIFY(w.genome.horizontalBar()->isVisible());
    w.frame.sendCommand(ID_FIT_TO_WINDOW);
    QCoreApplication::processEvents();
    QVERIFY(w.frame.commandAction(ID_FIT_TO_WINDOW)->isChecked());
    QVERIFY(!w.genome.horizontalBar()->isVisible());
    QVERIFY(!w.genome.verticalBar()->isVisible());
    const WindowMapping shown = shownWindow(w.view);
    const PageExtent page = pageExtent(w.view);
    QCOMPARE(shown.orgX, 0);
    QVERIFY(page.right / shown.extX <= w.genome.width());
    QVERIFY(page.bottom / shown.extY <= w.genome.height());
    // MonitorView is the preset again.
    w.frame.sendCommand(ID_MONITOR_VIEW);
    QVERIFY(!w.frame.commandAction(ID_FIT_TO_WINDOW)->isChecked());
    QCOMPARE(shownWindow(w.view).extX, 10);
}

void PageScrollTest::statusBarSaysWhatWasStored() {
    test::TempDir dir;
    const InstallRoot root(dir / "VARN");
    QtUserInterface ui(root);
    QMainWindow window;
    ui.setParent(&window);
    ui.fileWritten("Stored", dir / "VARN" / "temporary files" / "Tumor1X.temp");
    QCOMPARE(window.statusBar()->currentMessage(), QString("Stored temporary files/Tumor1X.temp"));
    // One command's pair of files is named together, and so are SegmentOut's three.
    ui.fileWritten("Wrote", dir / "VARN View" / "Tumor1X.cng");
    QCOMPARE(window.statusBar()->currentMessage(),
             QString("Stored temporary files/Tumor1X.temp; Wrote ../VARN View/Tumor1X.cng"));
    ui.fileWritten("Wrote", dir / "VARN" / "segments" / "Tumor1X.bed");
    QCOMPARE(window.statusBar()->currentMessage(), QString("Stored temporary files/Tumor1X.temp; Wrote ../VARN "
                                                           "View/Tumor1X.cng; Wrote segments/Tumor1X.bed"));
    // The next command wrote nothing but loaded a merged analysis' two files.
    QCoreApplication::processEvents();
    ui.filesLoaded({dir / "VARN" / "temporary files" / "Tumor4X.temp", dir / "VARN" / "temporary files" / "Tumor4H.temp"});
    QCOMPARE(window.statusBar()->currentMessage(),
             QString("Loaded temporary files/Tumor4X.temp and temporary files/Tumor4H.temp"));
}

QTEST_MAIN(PageScrollTest)
#include "PageScrollTest.moc"
