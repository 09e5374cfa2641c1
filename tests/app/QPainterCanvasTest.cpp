// The QPainter surface: the anisotropic mapping, pens never thinner than a pixel, pixels,
// filled rectangles, unscaled text, and batches that draw what the single calls draw.
#include "canvas/QPainterCanvas.h"
#include "canvas/RenderToImage.h"
#include "document/CollectingUserInterface.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "view/CVARNView.h"
#include "view/DisplayMode.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <functional>
#include <vector>

using namespace varn;

namespace {

QImage paint(QSize size, const std::function<void(QPainterCanvas&)>& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

bool isColour(const QImage& image, int x, int y, QColor colour) {
    return image.pixelColor(x, y) == colour;
}

int countNonWhite(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) ++n;
    return n;
}


// The same surface with every batch handed out as single calls, as a plain surface would get it.
class SingleCallCanvas : public QPainterCanvas {
  public:
    using QPainterCanvas::QPainterCanvas;
    void setPixels(std::span<const Point> points, Rgb colour) override { Canvas::setPixels(points, colour); }
    void drawSegments(std::span<const Segment> segments) override { Canvas::drawSegments(segments); }
    void polyline(std::span<const Point> points) override { Canvas::polyline(points); }
};

// A merged profile with something on every track: ratios, states, LOH, averages, heterozygous
// calls and cytoband runs.
struct MergedPage {
    CollectingUserInterface ui;
    CVARNDoc doc{InstallRoot("/nonexistent-varn-root"), ui};
    CVARNView view{doc};

    explicit MergedPage(int drawMethod) {
        for (int p = 0; p < kSlots; ++p) {
            doc.arrangeOrder[p] = p;
            doc.combineOrder[p] = p;
            doc.positionUsable[p] = p % 10 != 0;
            doc.snpBandStain[p] = 1 + (p / 200) % 8;
            doc.snpCall[p] = 1 + p % 3;
            doc.logRatio[0][p] = static_cast<float>(p % 41 - 20) / 40.0f;
            doc.hmmState[0][p] = p % 7 - 1;
            doc.lohScore[p] = static_cast<float>((p / 50) % 97);
            doc.averageRatio[0][p] = static_cast<float>(p % 13 - 6) / 30.0f;
        }
        view.displayMode = ModeGenomeBoth;
        view.shownArrayType = kCombined;
        view.windowExtX = 20;
        view.windowExtY = 10;
        view.drawMethod = drawMethod;
        view.averageNumber = 5;
    }

    template <typename Surface> QImage paintWith() {
        QImage image(QSize(1100, 900), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Surface canvas(painter);
        view.OnDraw(canvas);
        return image;
    }
};

int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

} // namespace

class QPainterCanvasTest : public QObject {
    Q_OBJECT
  private slots:
    void pixelLandsAtTheMappedDevicePoint_data();
    void pixelLandsAtTheMappedDevicePoint();
    void deviceRoundingMatchesTheMappingEverywhere();
    void onePixelPenSurvivesAnyExtent();
    void widePenScalesWithTheXExtent();
    void marksKeepTheirScreenSizeWhenMagnified();
    void fillRectUsesTheBrushAndStartsWhite();
    void textIsDrawnUnscaledBelowTheMappedPoint();
    void batchedPixelsMatchSingleCalls();
    void batchedSegmentsAndPolylineMatchSingleCalls();
    void farOffPointsAreClipped();
    void genomePageBatchedEqualsSingleCalls();
    void genomePageWithLinesMatchesSingleCallsAtTheJoints();
    void drawingSizeHoldsThePage_data();
    void drawingSizeHoldsThePage();
};

void QPainterCanvasTest::pixelLandsAtTheMappedDevicePoint_data() {
    QTest::addColumn<int>("orgX");
    QTest::addColumn<int>("orgY");
    QTest::addColumn<int>("extX");
    QTest::addColumn<int>("extY");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QPoint>("device");
    QTest::newRow("identity") << 0 << 0 << 1 << 1 << 7 << 9 << QPoint(7, 9);
    QTest::newRow("monitor genome") << 0 << 0 << 10 << 10 << 500 << 800 << QPoint(50, 80);
    QTest::newRow("merged genome") << 0 << 0 << 20 << 10 << 1000 << 300 << QPoint(50, 30);
    QTest::newRow("explore panned") << 4500 << 0 << 1 << 4 << 4510 << 400 << QPoint(10, 100);
    QTest::newRow("CGH View") << 0 << 5500 << 5 << 2 << 100 << 5700 << QPoint(20, 100);
    QTest::newRow("extent 0 counts as 1") << 0 << 0 << 0 << 0 << 12 << 13 << QPoint(12, 13);
}

void QPainterCanvasTest::pixelLandsAtTheMappedDevicePoint() {
    QFETCH(int, orgX);
    QFETCH(int, orgY);
    QFETCH(int, extX);
    QFETCH(int, extY);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QPoint, device);
    const QImage image = paint(QSize(200, 200), [&](QPainterCanvas& c) {
        c.setWindowOrg(orgX, orgY);
        c.setWindowExt(extX, extY);
        c.setPixel(x, y, kRed);
    });
    QVERIFY(isColour(image, device.x(), device.y(), Qt::red));
    QCOMPARE(countNonWhite(image), 1);
}

// The fast integer mapping must land every mark exactly where the mapping's own arithmetic puts
// it, exact halves and negative offsets and extents included.
void QPainterCanvasTest::deviceRoundingMatchesTheMappingEverywhere() {
    QImage image(QSize(4, 4), QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    int checked = 0;
    for (int ext : {1, 2, 3, 4, 5, 7, 10, 20, -1, -4, 0}) {
        for (int org : {0, 5500, -37, 4500}) {
            canvas.setWindowOrg(org, org);
            canvas.setWindowExt(ext, ext);
            WindowMapping m{org, org, ext, ext};
            for (int x = -3000; x <= 3000; x += 7) {
                const int logical = org + x;
                const QPoint device = canvas.toDevice(logical, logical - 1);
                QCOMPARE(device.x(), static_cast<int>(std::lround(m.deviceX(logical))));
                QCOMPARE(device.y(), static_cast<int>(std::lround(m.deviceY(logical - 1))));
                ++checked;
            }
        }
    }
    QVERIFY(checked > 30000);
    // Far outside: clamped, not wrapped.
    canvas.setWindowOrg(0, 0);
    canvas.setWindowExt(1, 1);
    QCOMPARE(canvas.toDevice(2'000'000'000, -2'000'000'000), QPoint(10'000'000, -10'000'000));
}

// A one-unit pen at 20 logical units per pixel would be a twentieth of a pixel; it is drawn as one.
void QPainterCanvasTest::onePixelPenSurvivesAnyExtent() {
    const QImage image = paint(QSize(100, 40), [](QPainterCanvas& c) {
        c.setWindowExt(20, 10);
        c.setPen(Pen{PenStyle::Solid, 1, kBlue});
        c.moveTo(0, 100);
        c.lineTo(1000, 100);
    });
    QVERIFY(isColour(image, 25, 10, Qt::blue));
    QVERIFY(!isColour(image, 25, 11, Qt::blue));
    QVERIFY(!isColour(image, 25, 9, Qt::blue));
}

void QPainterCanvasTest::widePenScalesWithTheXExtent() {
    auto thickness = [](int extX) {
        const QImage image = paint(QSize(100, 100), [extX](QPainterCanvas& c) {
            c.setWindowExt(extX, 1);
            c.setPen(Pen{PenStyle::Solid, 10, kRed});
            c.moveTo(0, 50);
            c.lineTo(50 * extX, 50);
        });
        int n = 0;
        for (int y = 0; y < 100; ++y)
            if (isColour(image, 20, y, Qt::red)) ++n;
        return n;
    };
    QCOMPARE(thickness(1), 10);
    QCOMPARE(thickness(5), 2);
    QCOMPARE(thickness(20), 1);
}

// A page magnified for a printer (300 and 600 dpi) draws a dot, and a line that begins and ends in
// one pixel, at least as large in inches as the screen's pixel: 96 dpi a pixel, rounded up.
void QPainterCanvasTest::marksKeepTheirScreenSizeWhenMagnified() {
    for (int dpi : {300, 600}) {
        const double scale = dpi / 96.0;
        QImage image(QSize(200, 100), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(scale, scale);
        QPainterCanvas canvas(painter);
        canvas.setPixel(10, 10, kRed);
        canvas.setPen(Pen{PenStyle::Solid, 1, kBlue});
        const Segment dot[] = {{{30, 10}, {30, 10}}};
        canvas.drawSegments(dot);
        painter.end();
        auto side = [&](QColor colour) {
            QRect box;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == colour) box |= QRect(x, y, 1, 1);
            return box;
        };
        const int expected = static_cast<int>(std::ceil(scale));
        QCOMPARE(side(Qt::red).size(), QSize(expected, expected));
        QCOMPARE(side(Qt::blue).size(), QSize(expected, expected));
    }
}

void QPainterCanvasTest::fillRectUsesTheBrushAndStartsWhite() {
    const QImage image = paint(QSize(100, 100), [](QPainterCanvas& c) {
        c.setPen(Pen{PenStyle::Solid, 1, {0, 0, 0}});
        c.fillRect(10, 10, 30, 30); // the default brush: white inside a black frame
        c.setBrush({127, 127, 127});
        c.setWindowExt(2, 2);
        c.fillRect(100, 100, 160, 140); // device 50..80 x 50..70
    });
    QVERIFY(isColour(image, 10, 10, Qt::black));
    QVERIFY(isColour(image, 20, 20, Qt::white));
    QVERIFY(isColour(image, 50, 60, Qt::black));
    QVERIFY(isColour(image, 65, 60, QColor(127, 127, 127)));
    QVERIFY(isColour(image, 85, 60, Qt::white));
}

// Text keeps its device size under any extent and has its top-left at the mapped point.
void QPainterCanvasTest::textIsDrawnUnscaledBelowTheMappedPoint() {
    auto bounds = [](int ext) {
        const QImage image = paint(QSize(400, 200), [ext](QPainterCanvas& c) {
            c.setWindowExt(ext, ext);
            c.textOut(50 * ext, 40 * ext, "Ch1");
        });
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != QColor(Qt::white)) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect one = bounds(1);
    const QRect ten = bounds(10);
    QVERIFY(!one.isEmpty());
    QCOMPARE(ten, one);
    QVERIFY(one.left() >= 50 && one.left() < 60);
    QVERIFY(one.top() >= 40 && one.top() < 60);
}

void QPainterCanvasTest::batchedPixelsMatchSingleCalls() {
    std::vector<Point> points;
    for (int k = 0; k < 300; ++k) points.push_back({k * 7, (k * 37) % 900});
    auto draw = [&](bool batched) {
        return paint(QSize(220, 100), [&](QPainterCanvas& c) {
            c.setWindowExt(10, 10);
            if (batched)
                c.setPixels(points, kRed);
            else
                for (const Point& p : points) c.setPixel(p.x, p.y, kRed);
        });
    };
    QCOMPARE(draw(true), draw(false));
}

void QPainterCanvasTest::batchedSegmentsAndPolylineMatchSingleCalls() {
    std::vector<Segment> segments;
    std::vector<Point> line;
    for (int k = 0; k < 200; ++k) {
        segments.push_back({{k * 10, 500}, {k * 10, 500 + (k * 13) % 300}});
        line.push_back({k * 10, 200 + (k * 29) % 200});
    }
    auto draw = [&](bool batched) {
        return paint(QSize(220, 100), [&](QPainterCanvas& c) {
            c.setWindowExt(10, 10);
            c.setPen(Pen{PenStyle::Solid, 1, kBlue});
            if (batched) {
                c.drawSegments(segments);
                c.setPen(Pen{PenStyle::Solid, 10, kRed});
                c.polyline(line);
            } else {
                for (const Segment& s : segments) {
                    c.moveTo(s.from.x, s.from.y);
                    c.lineTo(s.to.x, s.to.y);
                }
                c.setPen(Pen{PenStyle::Solid, 10, kRed});
                c.moveTo(line[0].x, line[0].y);
                for (const Point& p : line) c.lineTo(p.x, p.y);
            }
        });
    };
    const QImage batched = draw(true);
    const QImage single = draw(false);
    // A connected line and its separate pieces differ at most by a pixel at each joint.
    int differing = 0;
    for (int y = 0; y < batched.height(); ++y)
        for (int x = 0; x < batched.width(); ++x)
            if (batched.pixel(x, y) != single.pixel(x, y)) ++differing;
    QVERIFY2(differing <= static_cast<int>(line.size()), qPrintable(QString::number(differing)));
    QVERIFY(countNonWhite(batched) > 1000);
}

// A log ratio of an empty signal puts a mark a million units off the page; nothing is drawn there
// and nothing else suffers.
void QPainterCanvasTest::farOffPointsAreClipped() {
    const QImage image = paint(QSize(50, 50), [](QPainterCanvas& c) {
        c.setPixel(1000000, -1000000, kRed);
        c.setPen(Pen{PenStyle::Solid, 1, kBlue});
        c.moveTo(10, 10);
        c.lineTo(10, 1000000);
        c.setPixel(5, 5, kRed);
    });
    QVERIFY(isColour(image, 5, 5, Qt::red));
    QVERIFY(isColour(image, 10, 40, Qt::blue));
}

// The batches leave out marks that repeat the one before; the page must come out pixel for pixel
// as the single calls draw it.
void QPainterCanvasTest::genomePageBatchedEqualsSingleCalls() {
    MergedPage page(1);
    const QImage batched = page.paintWith<QPainterCanvas>();
    const QImage single = page.paintWith<SingleCallCanvas>();
    QCOMPARE(differingPixels(batched, single), 0);
    QVERIFY(countNonWhite(batched) > 50000);
}

void QPainterCanvasTest::genomePageWithLinesMatchesSingleCallsAtTheJoints() {
    MergedPage page(2);
    const QImage batched = page.paintWith<QPainterCanvas>();
    const QImage single = page.paintWith<SingleCallCanvas>();
    // A connected line and its separate pieces may differ by a pixel at a joint, never more.
    const int differing = differingPixels(batched, single);
    qInfo("pixels differing at joints: %d", differing);
    QVERIFY2(differing < 2000, qPrintable(QString::number(differing)));
}

void QPainterCanvasTest::drawingSizeHoldsThePage_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("extX");
    QTest::addColumn<int>("extY");
    QTest::addColumn<QSize>("atLeast");
    // The widest genome row plus margins: row 3 of the merged page, 9..12, about 21,000 units.
    QTest::newRow("merged genome, monitor") << 2 << 0 << 20 << 10 << QSize(1000, 880);
    QTest::newRow("Xba genome, monitor") << 4 << 1 << 10 << 10 << QSize(1000, 880);
    QTest::newRow("Xba chromosome 1, explore") << 5 << 1 << 1 << 4 << QSize(4659 + 100, 450);
    QTest::newRow("compensation page") << 7 << 1 << 1 << 1 << QSize(6000, 6800);
}

void QPainterCanvasTest::drawingSizeHoldsThePage() {
    QFETCH(int, mode);
    QFETCH(int, t);
    QFETCH(int, extX);
    QFETCH(int, extY);
    QFETCH(QSize, atLeast);
    CollectingUserInterface ui;
    CVARNDoc doc(InstallRoot("/nonexistent-varn-root"), ui);
    CVARNView view(doc);
    view.displayMode = mode;
    view.shownArrayType = t;
    view.currentChromosome = 1;
    view.windowExtX = extX;
    view.windowExtY = extY;
    const QSize size = drawingSize(view);
    QVERIFY2(size.width() >= atLeast.width() && size.height() >= atLeast.height(),
             qPrintable(QString("%1x%2").arg(size.width()).arg(size.height())));
    // ... and not absurdly more.
    QVERIFY(size.width() < 3 * atLeast.width() && size.height() < 3 * atLeast.height());
}

QTEST_MAIN(QPainterCanvasTest)
#include "QPainterCanvasTest.moc"
