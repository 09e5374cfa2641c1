#include "canvas/RenderPurityMap.h"

#include "canvas/QPainterCanvas.h"
#include "view/PaintPurityMap.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace varn {

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
} // namespace

bool renderPurityMap(const PurityPloidyFit& fit, const std::filesystem::path& path) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    if (image.isNull()) return false;
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        paintPurityMap(canvas, fit, kWidth, kHeight, true);
    }
    return image.save(QString::fromStdString(path.string()), "PNG");
}

} // namespace varn
