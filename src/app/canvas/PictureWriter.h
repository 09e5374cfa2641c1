#pragma once

#include "export/PictureFormat.h"

#include <QByteArray>

#include <filesystem>

namespace varn {

class CVARNView;

// The display as shown (mode, chromosome, preset, scroll or fit) as the bytes of a picture file:
// the page from the shown origin to its end, drawn through the same canvas as the window. A PNG
// at more than the screen's resolution is the same drawing magnified; SVG and PDF keep every mark
// a vector. Empty when the picture cannot be made.
QByteArray pictureBytes(CVARNView& view, const PictureOptions& options);

// Writes the picture through the replacing writer; false when the file cannot be written (no
// half file is left under the name).
bool writePicture(CVARNView& view, const std::filesystem::path& path, const PictureOptions& options);

} // namespace varn
