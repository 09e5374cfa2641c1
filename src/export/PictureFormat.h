#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace varn {

// The picture files the display is saved as: a raster PNG, or the vector SVG and PDF that a
// journal's figure editor scales without loss. The kind follows the file's extension.
enum class PictureKind { Png, Svg, Pdf };

// The kind of a file name by its extension (any case); nothing for any other extension.
std::optional<PictureKind> pictureKindOf(const std::filesystem::path& path);

// What a picture is written as: its kind and, for a PNG, the resolution. The screen's resolution
// draws one device pixel per pixel of the window; 300 and 600 dpi draw the same page larger by
// dpi / kScreenDpi, as a printer would.
inline constexpr int kScreenDpi = 96;
struct PictureOptions {
    PictureKind kind = PictureKind::Png;
    int dpi = kScreenDpi;
};

// The Export Picture chooser's types, in the "desc|pattern|...||" form, and the options of the
// type chosen (0-based, in that order: PNG at screen resolution, 300 dpi, 600 dpi, SVG, PDF).
std::string pictureChooserFilter();
PictureOptions pictureOptionsOfType(int type);
// The chooser's type that suits a file name, for a chooser that reports only the name.
int pictureTypeOf(const std::filesystem::path& path);

} // namespace varn
