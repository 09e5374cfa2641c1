// A page of a profile: the marks first, each part over the columns of the strip, then the texts,
// laid out so that none covers a plot or another text.
#include "ProfilePage.h"

#include "ProfilePageParts.h"
#include "ProfilePicture.h"
#include "document/profile/Profile.h"
#include "view/PaintDecor.h"

#include <algorithm>

namespace varn {

namespace {

bool wellFormed(const Profile& p) {
    return p.position.size() == p.size() && p.logRatio.size() == p.size();
}

} // namespace

void paintProfilePage(Canvas& canvas, const ProfilePicture& picture, GenomeRange visible, PictureSize size) {
    canvas.setWindowOrg(0, 0);
    canvas.setWindowExt(1, 1);
    const ProfilePageLayout layout = layOutProfilePage(canvas, picture, size.width, size.height);
    const GenomeStrip strip(picture.build, visible, layout.left, layout.right - layout.left);
    // A profile whose columns disagree in length draws as an empty one rather than read past them.
    ProfilePicture withoutSnps;
    const ProfilePicture* shown = &picture;
    if (picture.profile != nullptr && !wellFormed(*picture.profile)) {
        withoutSnps = picture;
        withoutSnps.profile = nullptr;
        shown = &withoutSnps;
    }
    const Profile empty;
    const std::vector<ColumnSnps> columns =
        columnSnps(shown->profile != nullptr ? *shown->profile : empty, strip);

    drawChromosomeBoundaries(canvas, layout, strip);
    drawLogRatioTrack(canvas, *shown, layout, strip, columns);
    drawCallTrack(canvas, *shown, layout, strip, columns);
    drawBafTrack(canvas, *shown, layout, strip, columns);
    drawProfileIdeogram(canvas, *shown, layout, strip);

    paint::Decor d(canvas, WindowMapping{}, layout.frame, layout.lineHeight, layout.area);
    for (const paint::ValueRow& row : {layout.logRatio, layout.baf})
        d.blockPlot({layout.left, row.top(), layout.right + 1, row.bottom() + 1});
    d.blockPlot({layout.left, layout.lohTop, layout.right + 1, layout.lohBottom + 1});
    d.blockPlot({layout.left, layout.ideogramTop, layout.right + 1, layout.ideogramBottom + 1});
    paint::drawStripLines(d, layout.title);
    const int pad = layout.frame.pad;
    std::span<const paint::LegendItem> rest = layout.legend;
    for (int line = static_cast<int>(layout.title.size()); !rest.empty(); ++line) {
        const std::size_t drawn = paint::drawLegendLine(d, rest, pad, pad + line * layout.lineHeight,
                                                        layout.area.right - pad, d.topStrip());
        if (drawn == 0) break;
        rest = rest.subspan(drawn);
    }
    paint::drawBafPanelKey(d, layout.left, layout.bafKeyTop, layout.right, d.plotWindow());
    const int rowTop[] = {0};
    const paint::ValueRow rows[] = {layout.logRatio, layout.baf};
    paint::drawValueAxes(d, rowTop, rows);
    drawGenomeAxis(d, layout, strip);
}

void paintProfileGenome(Canvas& canvas, const ProfilePicture& picture, PictureSize size) {
    paintProfilePage(canvas, picture, GenomeStrip::wholeGenome(picture.build), size);
}

void paintProfileChromosome(Canvas& canvas, const ProfilePicture& picture, int chromosome, PictureSize size) {
    paintProfilePage(canvas, picture,
                     GenomeStrip::chromosomeRange(picture.build, std::clamp(chromosome, 1, 23)), size);
}

} // namespace varn
