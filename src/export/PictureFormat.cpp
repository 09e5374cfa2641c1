#include "PictureFormat.h"

#include "document/CVARNDoc.h"
#include "document/SampleName.h"
#include "view/CVARNView.h"
#include "view/DisplayMode.h"
#include "view/profile/ShownProfile.h"

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

namespace {

const char* extensionOf(PictureKind kind) {
    switch (kind) {
    case PictureKind::Svg:
        return ".svg";
    case PictureKind::Pdf:
        return ".pdf";
    case PictureKind::Png:
        break;
    }
    return ".png";
}

std::string analysedName(const CVARNDoc& doc, int t) {
    const int row = doc.analysedRow[t];
    return row >= 0 && row < kNameRows ? std::string(sampleName(doc.poolSampleName[t][row])) : std::string();
}

} // namespace

PictureTarget pictureTargetOf(const std::filesystem::path& chosen, int type) {
    const PictureOptions chosenType = pictureOptionsOfType(type);
    const auto kind = pictureKindOf(chosen);
    if (!kind) {
        std::filesystem::path path = chosen;
        path += extensionOf(chosenType.kind);
        return {path, chosenType};
    }
    if (*kind == chosenType.kind) return {chosen, chosenType};
    return {chosen, pictureOptionsOfType(pictureTypeOf(chosen))};
}

std::string suggestedPictureName(const CVARNDoc& doc, const CVARNView& view) {
    const int m = view.displayMode;
    const int t = view.shownArrayType;
    std::string sample;
    if (m == ModeGenomeBoth || m == ModeChromosomeBoth)
        sample = analysedName(doc, kXba) + "and" + analysedName(doc, kHind);
    else if (t == kXba || t == kHind)
        sample = analysedName(doc, t);
    if (isProfileMode(m) && doc.shownProfile) sample = doc.shownProfile->result.profile.sample;
    if (sample.empty() || sample == "and") sample = "VARN";
    std::string display;
    switch (m) {
    case ModeChromosomeBoth:
    case ModeChromosomeSingle:
    case ModeChromosomeSelf:
    case ModeProfileChromosome:
        display =
            view.currentChromosome == 23 ? std::string("chX") : "ch" + std::to_string(view.currentChromosome);
        break;
    case ModeCompensation:
        display = "compensation";
        break;
    default:
        display = "genome";
        break;
    }
    return fileNamePart(sample + "-" + display);
}

} // namespace varn
