#pragma once

#include <QImage>
#include <QSize>

#include <filesystem>

class QPainter;

namespace varn {

class CVARNView;

// One paint of the view on a painter: the area is erased to white, then the view draws its
// display mode. The window's paint event and the image export both come through here.
void paintView(CVARNView& view, QPainter& painter, const QSize& area);

// Measures the annotation strips' text in the application's font, as a picture's surface and the
// window draw it, and the lines the page's title and legend take, before anything is laid out from
// them (a picture's size, the scroll ranges).
void measureLabelsFor(CVARNView& view);

// Device size that holds the whole drawing of the current display mode under the view's current
// window origin and extent: the genome page, the one chromosome panel or the compensation page,
// with room for the titles and the annotation strips.
QSize drawingSize(const CVARNView& view);

// Paints the view into a white image of drawingSize() and writes it as PNG at the screen's
// resolution, through the replacing writer. Returns false when the
// file could not be written.
bool renderToImage(CVARNView& view, const std::filesystem::path& path);

} // namespace varn
