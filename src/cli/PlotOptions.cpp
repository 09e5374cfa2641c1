// Which picture a --plot file name asks for; shared by the plots of every command.
#include "CliPlot.h"

namespace varn::cli {

std::optional<PictureOptions> plotOptionsFor(const std::filesystem::path& file, int dpi, std::string& error) {
    const auto kind = pictureKindOf(file);
    if (!kind) {
        error = "the picture " + file.string() + " must end in .png, .svg or .pdf";
        return std::nullopt;
    }
    return PictureOptions{*kind, dpi};
}

} // namespace varn::cli
