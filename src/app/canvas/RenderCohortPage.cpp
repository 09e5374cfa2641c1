#include "canvas/RenderCohortPage.h"

#include "canvas/QPainterCanvas.h"
#include "view/CohortPage.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace varn {

namespace {

int deviceExtent(int logical, int origin, int extent) {
    return (logical - origin + extent - 1) / extent;
}

} // namespace

bool renderCohortPage(const CVARNDoc& doc, const CohortSummary& summary, const std::filesystem::path& path) {
    const CohortPageGeometry page = cohortPageGeometry();
    const QSize size(deviceExtent(page.right, page.originX, page.extentX),
                     deviceExtent(page.bottom, page.originY, page.extentY));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return false;
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        paintCohortPage(canvas, doc, summary);
    }
    return image.save(QString::fromStdString(path.string()), "PNG");
}

} // namespace varn
