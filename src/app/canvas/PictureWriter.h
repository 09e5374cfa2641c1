#pragma once

#include "export/PictureFormat.h"

#include <QByteArray>
#include <QSize>

#include <filesystem>
#include <functional>

class QPainter;

namespace varn {

class CVARNView;

// Paints a page of the given size, in device pixels at the screen's resolution, on a painter.
using PagePainter = std::function<void(QPainter& painter, const QSize& page)>;

// Any page as the bytes of a picture file, drawn by `paint`: a PNG at more than the screen's
// resolution is the same drawing magnified; SVG and PDF keep every mark a vector. Empty when the
// picture cannot be made.
QByteArray pictureBytes(const QSize& page, const PictureOptions& options, const PagePainter& paint);

// Writes picture bytes through the replacing writer; false for no bytes or a file that cannot be
// written (no half file is left under the name).
bool writePictureBytes(const std::filesystem::path& path, const QByteArray& bytes);

// The display as shown (mode, chromosome, preset, scroll or fit) as the bytes of a picture file:
// the page from the shown origin to its end, drawn through the same canvas as the window. A PNG
// at more than the screen's resolution is the same drawing magnified; SVG and PDF keep every mark
// a vector. Empty when the picture cannot be made.
QByteArray pictureBytes(CVARNView& view, const PictureOptions& options);

// Writes the picture through the replacing writer; false when the file cannot be written (no
// half file is left under the name).
bool writePicture(CVARNView& view, const std::filesystem::path& path, const PictureOptions& options);

} // namespace varn
