// The geometry of a profile's page, worked out in device pixels from the surface's text sizes, so
// that the texts keep their room at any page size.
#include "ProfilePageParts.h"

#include "ProfilePicture.h"
#include "ProfileTitle.h"
#include "document/profile/Profile.h"
#include "view/AlleleCallClasses.h"
#include "view/Canvas.h"
#include "view/PaintStyle.h"

#include <algorithm>

namespace varn {

namespace {

// The title wraps onto a second line before the sample's name is shortened.
constexpr int kTitleLines = 2;
// Of the room between the legend and the ideogram, the log ratio takes this share; the B-allele
// fraction panel, its key line and its LOH bars the rest.
constexpr double kLogRatioShare = 0.58;

// A log2 ratio of +-2 is a sixteen-fold change: past the homozygous deletions' and the high
// amplifications' typical levels on the arrays, so the grid holds what a reader compares. The
// 50K profile's natural log, as its pages draw it, to +-1.5 (about log2 +-2.2).
paint::ValueRow logRatioRow(bool natural, int top, int height) {
    const double reach = natural ? 1.5 : 2.0;
    const int unitsPerValue = std::max(1, static_cast<int>(height / (2 * reach)));
    const int zero = top + static_cast<int>(reach * unitsPerValue);
    return {zero, unitsPerValue, -reach, reach, 0.5, natural ? "ln" : "log2", -reach, reach};
}

std::vector<paint::LegendItem> legendItems(const ProfilePicture& picture, bool natural) {
    using paint::LegendItem;
    using paint::Swatch;
    std::vector<LegendItem> items = {
        {Swatch::Dots, paint::kRed, 1,
         natural ? "log ratio of each SNP (ln)" : "log ratio of each SNP (log2)"},
        {Swatch::Dots, paint::kColumnMedian, 1, "median where SNPs share a pixel"}};
    if (picture.totalCopies.empty()) return items;
    if (!picture.minorCopies.empty()) {
        items.push_back({Swatch::None, {}, 0, "allele-specific call:"});
        for (const paint::AlleleCallClass& c : paint::kAlleleCallClasses)
            items.push_back({Swatch::Line, c.colour, 3, c.label});
    } else {
        items.insert(items.end(), {{Swatch::None, {}, 0, "call:"},
                                   {Swatch::Line, paint::kCallLoss, 3, "loss"},
                                   {Swatch::Line, paint::kCallGain, 3, "gain"},
                                   {Swatch::Line, paint::kCallTwoCopies, 3, "2 copies"}});
    }
    return items;
}

} // namespace

ProfilePageLayout layOutProfilePage(const Canvas& canvas, const ProfilePicture& picture, int width,
                                    int height) {
    ProfilePageLayout l;
    const bool natural = picture.profile != nullptr && picture.profile->logBase == LogBase::Natural;
    const int h = std::max(1, canvas.textSize("Ag").height);
    l.lineHeight = h;
    l.area = {0, 0, std::max(1, width), std::max(1, height)};
    PageFrame& f = l.frame;
    f.pad = std::max(2, h / 3);
    f.tick = std::max(3, h / 4);
    int axisLabels = 0;
    for (const char* text : {"-1.5", "-0.5", "log2", "BAF", "Mb"})
        axisLabels = std::max(axisLabels, canvas.textSize(text).width);
    f.left = axisLabels + f.tick + 3 * f.pad;
    l.left = f.left;
    l.right = std::max(l.left + 1, l.area.right - 2 * f.pad);

    const int textWidth = l.area.right - 2 * f.pad;
    l.title = fitTitle(canvas, picture.sample, genomeBuildName(picture.build), picture.solution, textWidth,
                       kTitleLines);
    l.legend = legendItems(picture, natural);
    l.legendLines = paint::legendLineCount(canvas, l.legend, textWidth, h, f.pad);
    f.lines = static_cast<int>(l.title.size()) + l.legendLines;
    f.top = f.lines * h + 2 * f.pad;

    // From the bottom: the names, the megabase labels under the axis's ticks, the ideogram.
    l.namesTop = l.area.bottom - f.pad - h;
    l.axisY = l.namesTop - f.pad - h - f.tick - 1;
    l.ideogramBottom = l.axisY - f.pad;
    l.ideogramTop = l.ideogramBottom - std::max(8, h);

    // The log ratio under room for its axis's unit and half its top label; the B-allele fraction
    // under its key line and its LOH bars.
    const int top = f.top + h + h / 2;
    const int lohHeight = std::max(3, h / 3);
    const int bafRoom = h / 2 + f.pad + h + f.pad + lohHeight + f.pad;
    const int room = std::max(4, l.ideogramTop - h / 2 - f.pad - top - bafRoom);
    const int logHeight = static_cast<int>(room * kLogRatioShare);
    l.logRatio = logRatioRow(natural, top, logHeight);
    l.bafKeyTop = l.logRatio.bottom() + h / 2 + f.pad;
    l.lohTop = l.bafKeyTop + h + f.pad;
    l.lohBottom = l.lohTop + lohHeight;
    const int bafTop = l.lohBottom + f.pad;
    const int bafHeight = std::max(2, l.ideogramTop - h / 2 - f.pad - bafTop);
    l.baf = paint::bafValueRow(bafTop + bafHeight, bafHeight);
    f.bottom = l.area.bottom - l.ideogramTop;
    return l;
}

} // namespace varn
