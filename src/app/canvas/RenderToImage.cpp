#include "canvas/RenderToImage.h"

#include "canvas/PictureWriter.h"
#include "canvas/QPainterCanvas.h"
#include "view/CVARNView.h"
#include "view/PageExtent.h"
#include "view/PageFrame.h"
#include "view/PaintDecor.h"
#include "view/ShownWindow.h"

#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

// Room for the longest title in the default font.
constexpr int kMinimumWidth = 1200;
constexpr int kMinimumHeight = 120;

int deviceExtent(int logical, int origin, int extent) {
    const double e = extent == 0 ? 1.0 : std::abs(extent);
    return static_cast<int>(std::ceil(std::max(0, logical - origin) / e));
}

} // namespace

void paintView(CVARNView& view, QPainter& painter, const QSize& area) {
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    QPainterCanvas canvas(painter);
    view.OnDraw(canvas);
}

void measureLabelsFor(CVARNView& view) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    const QPainterCanvas canvas(painter);
    view.labelMetrics = measureLabels(canvas);
    paint::planStrips(canvas, view);
}

QSize drawingSize(const CVARNView& view) {
    const PageExtent page = pageExtent(view);
    const WindowMapping shown = shownWindow(view);
    // The mapping's origin lies left of and above the annotation strips, so they are counted in.
    const int width = deviceExtent(page.right, shown.orgX, shown.extX);
    const int height = deviceExtent(page.bottom, shown.orgY, shown.extY) + pageFrame(view).bottom;
    return QSize(std::max(width, kMinimumWidth), std::max(height, kMinimumHeight));
}

bool renderToImage(CVARNView& view, const std::filesystem::path& path) {
    return writePicture(view, path, PictureOptions{});
}

} // namespace varn
