#include "canvas/RenderPurityCurve.h"

#include "canvas/QPainterCanvas.h"
#include "view/PaintPurityCurve.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace varn {

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 480;
} // namespace

bool renderPurityCurve(const PurityEstimate& estimate, const std::filesystem::path& path) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    if (image.isNull()) return false;
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        paintPurityCurve(canvas, estimate, kWidth, kHeight, true);
    }
    return image.save(QString::fromStdString(path.string()), "PNG");
}

} // namespace varn
