#include "canvas/RenderToImage.h"

#include "canvas/QPainterCanvas.h"
#include "view/CVARNView.h"
#include "view/DisplayMode.h"

#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

// A page drawn at origin (0, 0) with one logical unit per pixel ends within these bounds: the
// bottom row's LOH bars hang below its panel, and the compensation page's seventh band sits at
// 6800 with the linear ratio above it.
constexpr int kGenomePageBottom = 7000 + 1800;
constexpr int kChromosomePanelBottom = 1800;
constexpr int kCompensationPageRight = 6100;
constexpr int kCompensationPageBottom = 6900;
// Room for the longest title in the default font.
constexpr int kMinimumWidth = 1200;
constexpr int kMinimumHeight = 120;

int deviceExtent(int logical, int origin, int extent) {
    const double e = extent == 0 ? 1.0 : std::abs(extent);
    return static_cast<int>(std::ceil(std::max(0, logical - origin) / e));
}

bool modeIn(int mode, std::initializer_list<int> modes) {
    return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

} // namespace

void paintView(CVARNView& view, QPainter& painter, const QSize& area) {
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    QPainterCanvas canvas(painter);
    view.OnDraw(canvas);
}

QSize drawingSize(const CVARNView& view) {
    const int mode = view.displayMode;
    const int t = std::clamp(view.shownArrayType, 0, 2);
    int right = 0, bottom = 0;
    if (modeIn(mode, {ModeGenomeBoth, ModeGenomeSingle, ModeGenomeSelf})) {
        for (int c = 1; c <= 23; ++c) {
            const int width = view.chromosomeStart[t][c + 1] - view.chromosomeStart[t][c];
            right = std::max(right, view.panelX[t][c] + 100 + width + 100);
        }
        bottom = kGenomePageBottom;
    } else if (modeIn(mode, {ModeChromosomeBoth, ModeChromosomeSingle, ModeChromosomeSelf})) {
        const int c = std::clamp(view.currentChromosome, 1, 23);
        right = 100 + view.chromosomeStart[t][c + 1] - view.chromosomeStart[t][c] + 100;
        bottom = kChromosomePanelBottom;
    } else if (mode == ModeCompensation) {
        right = kCompensationPageRight;
        bottom = kCompensationPageBottom;
    }
    const int width = deviceExtent(right, view.windowOrgX, view.windowExtX);
    const int height = deviceExtent(bottom, view.windowOrgY, view.windowExtY);
    return QSize(std::max(width, kMinimumWidth), std::max(height, kMinimumHeight));
}

bool renderToImage(CVARNView& view, const std::filesystem::path& path) {
    const QSize size = drawingSize(view);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return false;
    {
        QPainter painter(&image);
        paintView(view, painter, size);
    }
    return image.save(QString::fromStdString(path.string()), "PNG");
}

} // namespace varn
