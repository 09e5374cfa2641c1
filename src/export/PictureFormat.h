#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace varn {

class CVARNDoc;
class CVARNView;

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

// The file a chooser's answer names and what it is written as. A name that ends in a picture's
// extension is that kind of picture (at the type's resolution when both are PNG); any other name
// is the chosen type's kind and gets its extension ("Tumor4X-ch4" as an SVG drawing becomes
// "Tumor4X-ch4.svg").
struct PictureTarget {
    std::filesystem::path path;
    PictureOptions options;
};
PictureTarget pictureTargetOf(const std::filesystem::path& chosen, int type);

// The name Export Picture offers: the analysed sample and the display, "Tumor4X-ch4",
// "Tumor4X-genome", "Tumor4XandTumor4H-genome", "Tumor4X-compensation", without an extension so
// that the chooser's type adds its own.
std::string suggestedPictureName(const CVARNDoc& doc, const CVARNView& view);

} // namespace varn
