#include "PictureFormat.h"

#include <algorithm>
#include <cctype>

namespace varn {

std::optional<PictureKind> pictureKindOf(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".png") return PictureKind::Png;
    if (ext == ".svg") return PictureKind::Svg;
    if (ext == ".pdf") return PictureKind::Pdf;
    return std::nullopt;
}

std::string pictureChooserFilter() {
    return "PNG picture, screen resolution (*.png)|*.png|PNG picture, 300 dpi (*.png)|*.png|"
           "PNG picture, 600 dpi (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf||";
}

PictureOptions pictureOptionsOfType(int type) {
    switch (type) {
    case 1: return {PictureKind::Png, 300};
    case 2: return {PictureKind::Png, 600};
    case 3: return {PictureKind::Svg, kScreenDpi};
    case 4: return {PictureKind::Pdf, kScreenDpi};
    default: return {PictureKind::Png, kScreenDpi};
    }
}

int pictureTypeOf(const std::filesystem::path& path) {
    switch (pictureKindOf(path).value_or(PictureKind::Png)) {
    case PictureKind::Svg: return 3;
    case PictureKind::Pdf: return 4;
    default: return 0;
    }
}

} // namespace varn
