#include "canvas/RenderCohortPage.h"

#include "canvas/QPainterCanvas.h"
#include "document/FileBytes.h"
#include "view/CohortPage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>

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
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return false;
    return replaceFileContents(path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

} // namespace varn
