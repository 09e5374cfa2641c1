// "Axes and Legend" with the fonts a person sees: on every page, at three window sizes and fitted
// to the window, no text covers another or crosses a plot. Each text's box is its drawn point and
// the size the surface reports for it; the plots are the areas their grid lines span, less what
// the annotation strips cover.
#include "canvas/QPainterCanvas.h"
#include "support/TestDocument.h"
#include "view/CVARNView.h"
#include "view/DisplayMode.h"
#include "view/PaintStyle.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTest>

#include <string>
#include <vector>

using namespace varn;

namespace {

// The window's surface, noting where each text went and every plot's grid in device pixels.
class NotingCanvas : public QPainterCanvas {
  public:
    using QPainterCanvas::QPainterCanvas;
    struct Text {
        QRect box;
        std::string text;
    };
    std::vector<Text> texts;
    std::vector<QRect> gridLines; // in drawing order, five to a plot
    QRegion covered;              // whited by the strips

    void setPen(const Pen& pen) override {
        pen_ = pen;
        QPainterCanvas::setPen(pen);
    }
    void setBrush(Rgb colour) override {
        brush_ = colour;
        QPainterCanvas::setBrush(colour);
    }
    void moveTo(int x, int y) override {
        at_ = toDevice(x, y);
        QPainterCanvas::moveTo(x, y);
    }
    void lineTo(int x, int y) override {
        const QPoint to = toDevice(x, y);
        if (pen_ == paint::kGridSolidPen || pen_ == paint::kGridDottedPen || pen_ == paint::kGridDashDotPen)
            gridLines.push_back(QRect(at_, to).normalized());
        at_ = to;
        QPainterCanvas::lineTo(x, y);
    }
    void fillRect(int left, int top, int right, int bottom) override {
        if (brush_ == paint::kWhite)
            covered += QRect(toDevice(left, top), toDevice(right, bottom)).normalized();
        QPainterCanvas::fillRect(left, top, right, bottom);
    }
    void textOut(int x, int y, const std::string& text) override {
        const TextSize size = textSize(text);
        texts.push_back({QRect(toDevice(x, y), QSize(size.width, size.height)), text});
        QPainterCanvas::textOut(x, y, text);
    }

    std::vector<QRect> plots() const {
        std::vector<QRect> areas;
        for (std::size_t k = 0; k + 5 <= gridLines.size(); k += 5) {
            QRect area;
            for (std::size_t j = k; j < k + 5; ++j) area |= gridLines[j];
            areas.push_back(area);
        }
        return areas;
    }

  private:
    Pen pen_;
    Rgb brush_{255, 255, 255};
    QPoint at_;
};

struct Page {
    int mode, t, chromosome;
    int orgX, orgY, extX, extY;
};

} // namespace

class PageLabelsTest : public QObject {
    Q_OBJECT
  private slots:
    void noTextCoversAPlotOrAnotherText_data();
    void noTextCoversAPlotOrAnotherText();
};

void PageLabelsTest::noTextCoversAPlotOrAnotherText_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("chromosome");
    QTest::addColumn<QRect>("preset"); // origin and extent
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("fit");
    const struct {
        const char* name;
        Page page;
    } pages[] = {
        {"merged genome", {ModeGenomeBoth, kCombined, 1, 0, 0, 20, 10}},
        {"merged chromosome 19", {ModeChromosomeBoth, kCombined, 19, 0, 0, 10, 4}},
        {"Xba genome", {ModeGenomeSingle, kXba, 1, 0, 0, 10, 10}},
        {"Xba chromosome 1", {ModeChromosomeSingle, kXba, 1, 0, 0, 5, 4}},
        {"Hind chromosome 1 explored", {ModeChromosomeSingle, kHind, 1, 1500, 0, 1, 4}},
        {"compensation", {ModeCompensation, kXba, 1, 0, 0, 1, 1}},
        {"compensation CGH View", {ModeCompensation, kHind, 1, 0, 5500, 5, 2}},
        {"paired genome", {ModeGenomeSelf, kHind, 1, 0, 0, 10, 10}},
        {"paired chromosome 22", {ModeChromosomeSelf, kXba, 22, 0, 0, 5, 4}},
    };
    const QSize windows[] = {{1200, 860}, {800, 600}, {420, 300}};
    for (const auto& p : pages) {
        for (const QSize& w : windows) {
            for (bool fit : {false, true}) {
                const QByteArray row = QByteArray(p.name) + " " + QByteArray::number(w.width()) + "x" +
                                       QByteArray::number(w.height()) + (fit ? " fitted" : "");
                QTest::newRow(row.constData())
                    << p.page.mode << p.page.t << p.page.chromosome
                    << QRect(p.page.orgX, p.page.orgY, p.page.extX, p.page.extY) << w << fit;
            }
        }
    }
}

void PageLabelsTest::noTextCoversAPlotOrAnotherText() {
    QFETCH(int, mode);
    QFETCH(int, t);
    QFETCH(int, chromosome);
    QFETCH(QRect, preset);
    QFETCH(QSize, window);
    QFETCH(bool, fit);
    static test::TestDocument td;
    static const bool filled = (test::fillSyntheticProfile(*td.doc), true);
    Q_UNUSED(filled);
    CVARNView& view = *td.view;
    view.annotate = true;
    view.displayMode = mode;
    view.shownArrayType = t;
    view.currentChromosome = chromosome;
    view.windowOrgX = preset.x();
    view.windowOrgY = preset.y();
    view.windowExtX = preset.width();
    view.windowExtY = preset.height();
    view.drawMethod = 2;
    view.resetScroll();
    view.fitToWindow = fit;
    view.viewportWidth = window.width();
    view.viewportHeight = window.height();

    QImage image(window, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    NotingCanvas canvas(painter);
    view.OnDraw(canvas);
    painter.end();

    const std::vector<QRect> plots = canvas.plots();
    QVERIFY(!plots.empty());
    QVERIFY(canvas.texts.size() >= 3);
    for (std::size_t a = 0; a < canvas.texts.size(); ++a) {
        const auto& text = canvas.texts[a];
        for (std::size_t b = a + 1; b < canvas.texts.size(); ++b)
            QVERIFY2(!text.box.intersects(canvas.texts[b].box),
                     (text.text + " covers " + canvas.texts[b].text).c_str());
        for (const QRect& plot : plots)
            QVERIFY2((QRegion(text.box & plot) - canvas.covered).isEmpty(),
                     (text.text + " crosses a plot").c_str());
    }
}

QTEST_MAIN(PageLabelsTest)
#include "PageLabelsTest.moc"
