#include "canvas/PictureWriter.h"

#include "canvas/RenderToImage.h"
#include "document/FileBytes.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>
#include <string_view>

namespace varn {

namespace {

constexpr double kInchMetres = 0.0254;

QByteArray pngBytes(const QSize& page, int dpi, const PagePainter& paint) {
    const double scale = static_cast<double>(dpi) / kScreenDpi;
    const QSize size(static_cast<int>(std::ceil(page.width() * scale)),
                     static_cast<int>(std::ceil(page.height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return {};
    // The magnified page ends inside the last row and column of pixels; they stay white.
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        paint(painter, page);
    }
    // Only the file's resolution tag changes: the fonts were laid out at the screen's, so the
    // magnified page keeps the window's proportions of text to drawing.
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / kInchMetres));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QByteArray svgBytes(const QSize& page, const PagePainter& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(page);
    svg.setViewBox(QRect(QPoint(0, 0), page));
    svg.setResolution(kScreenDpi);
    svg.setTitle("VARN");
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    paint(painter, page);
    painter.end();
    return bytes;
}

QByteArray pdfBytes(const QSize& page, const PagePainter& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator("VARN " VARN_VERSION);
    pdf.setResolution(kScreenDpi);
    // One page the size of the drawing, in points (72 a inch), without margins.
    const QSizeF points(page.width() * 72.0 / kScreenDpi, page.height() * 72.0 / kScreenDpi);
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf)) return {};
    paint(painter, page);
    painter.end();
    return bytes;
}

} // namespace

QByteArray pictureBytes(const QSize& page, const PictureOptions& options, const PagePainter& paint) {
    switch (options.kind) {
    case PictureKind::Svg:
        return svgBytes(page, paint);
    case PictureKind::Pdf:
        return pdfBytes(page, paint);
    case PictureKind::Png:
        break;
    }
    return pngBytes(page, options.dpi, paint);
}

QByteArray pictureBytes(CVARNView& view, const PictureOptions& options) {
    measureLabelsFor(view);
    return pictureBytes(drawingSize(view), options,
                        [&view](QPainter& painter, const QSize& page) { paintView(view, painter, page); });
}

bool writePictureBytes(const std::filesystem::path& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return false;
    return replaceFileContents(path,
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool writePicture(CVARNView& view, const std::filesystem::path& path, const PictureOptions& options) {
    return writePictureBytes(path, pictureBytes(view, options));
}

} // namespace varn
