// The pages of a profile from any array: by base position, the whole genome or one chromosome,
// zoomed and scrolled as a page several windows wide, and the SNP under a right-click.
#include "CVARNView.h"

#include "Canvas.h"
#include "PageExtent.h"
#include "ShownWindow.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "view/profile/ProfilePageParts.h"
#include "view/profile/ShownProfile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace varn {

namespace {

const ShownProfile* shown(const CVARNDoc& doc) { return doc.shownProfile.get(); }

GenomeBuild buildOf(const CVARNDoc& doc) {
    return shown(doc) != nullptr ? shown(doc)->picture.build : GenomeBuild::Hg19;
}

// The SNP of the profile nearest the locus on its chromosome; -1 when the chromosome has none.
long long nearestSnp(const Profile& p, const Locus& at) {
    const auto first = std::lower_bound(p.chromosome.begin(), p.chromosome.end(), at.chromosome);
    const auto last = std::upper_bound(first, p.chromosome.end(), at.chromosome);
    if (first == last) return -1;
    const auto b = static_cast<std::size_t>(first - p.chromosome.begin());
    const auto e = static_cast<std::size_t>(last - p.chromosome.begin());
    const auto pos = std::lower_bound(p.position.begin() + static_cast<long long>(b),
                                      p.position.begin() + static_cast<long long>(e), at.base);
    std::size_t i = static_cast<std::size_t>(pos - p.position.begin());
    if (i == e) return static_cast<long long>(e - 1);
    if (i > b && at.base - p.position[i - 1] < p.position[i] - at.base) --i;
    return static_cast<long long>(i);
}

std::string stateOf(const ProfileResult& r, std::size_t i) {
    if (i >= r.totalCopies.size() || r.totalCopies[i] < 0) return "not decoded";
    char text[64];
    std::snprintf(text, sizeof text, "%d copies (minor %d)", r.totalCopies[i],
                  i < r.minorCopies.size() ? r.minorCopies[i] : -1);
    return text;
}

} // namespace

GenomeRange CVARNView::profileRange() const {
    const GenomeBuild build = buildOf(doc_);
    if (displayMode == ModeProfileChromosome)
        return GenomeStrip::chromosomeRange(build, std::clamp(currentChromosome, 1, 23));
    return GenomeStrip::wholeGenome(build);
}

PictureSize CVARNView::profilePageSize() const {
    const PictureSize preset = displayMode == ModeProfileChromosome ? kChromosomePictureSize : kGenomePictureSize;
    return {viewportWidth > 0 ? viewportWidth : preset.width, viewportHeight > 0 ? viewportHeight : preset.height};
}

// The page is profileZoom windows wide; the scroll bar's place along it picks the stretch shown.
GenomeRange CVARNView::profileVisible() const {
    const GenomeRange whole = profileRange();
    const int zoom = fitToWindow ? 1 : std::max(1, profileZoom);
    if (zoom == 1) return whole;
    const long long span = whole.to - whole.from + 1;
    const long long shownSpan = std::max(1LL, span / zoom);
    const ScrollAxis ax = scrollAxisX(*this);
    const double along = ax.maximum > ax.minimum
                             ? static_cast<double>(ax.value - ax.minimum) / (ax.maximum - ax.minimum)
                             : 0.0;
    const long long from = whole.from + static_cast<long long>(std::llround(along * static_cast<double>(span - shownSpan)));
    return {from, from + shownSpan - 1};
}

void CVARNView::showProfileGenome() {
    displayMode = ModeProfileGenome;
    profileZoom = 1;
    resetScroll();
    windowOrgX = windowOrgY = 0;
    windowExtX = windowExtY = 1;
    Invalidate();
}

void CVARNView::inspectProfileSnp(int x) {
    const ShownProfile* p = shown(doc_);
    if (p == nullptr || profileStripRight <= profileStripLeft) return;
    const GenomeStrip strip(p->picture.build, profileVisible(), profileStripLeft,
                            profileStripRight - profileStripLeft);
    const Locus at = strip.locusAt(x);
    if (at.chromosome == 0) return;
    const Profile& profile = p->result.profile;
    const long long found = nearestSnp(profile, at);
    if (found < 0) return;
    const auto i = static_cast<std::size_t>(found);
    const std::string name = i < profile.name.size() && !profile.name[i].empty()
                                 ? std::string(profile.name[i])
                                 : "SNP_" + std::to_string(i + 1);
    const double baf = i < profile.baf.size() ? static_cast<double>(profile.baf[i]) : std::nan("");
    char line[256];
    std::snprintf(line, sizeof line, "SNP= %s\tChromosome= %s\tPosition= %d\n\n Log ratio= %.3f\t", name.c_str(),
                  profile.chromosome[i] == 23 ? "X" : std::to_string(profile.chromosome[i]).c_str(),
                  profile.position[i], static_cast<double>(profile.logRatio[i]));
    std::string text = line;
    if (std::isfinite(baf)) {
        std::snprintf(line, sizeof line, "B-allele fraction= %.3f", baf);
        text += line;
    } else {
        text += "B-allele fraction= none";
    }
    text += "\n State= " + stateOf(p->result, i) + "\n\n Goto Web Information?";
    if (!doc_.ui().yesNoBox(text)) return;
    if (!doc_.ui().openUrl(genomeBrowserUrl(browserSite, profile.chromosome[i], profile.position[i],
                                            genomeBuildName(p->picture.build))))
        doc_.ui().messageBox("Web not connected");
}

namespace paint {

void paintProfileDisplay(Canvas& canvas, const CVARNDoc& doc, CVARNView& view) {
    const ShownProfile* p = shown(doc);
    if (p == nullptr) return;
    const PictureSize size = view.profilePageSize();
    canvas.setWindowOrg(0, 0);
    canvas.setWindowExt(1, 1);
    const ProfilePageLayout layout = layOutProfilePage(canvas, p->picture, size.width, size.height);
    view.profileStripLeft = layout.left;
    view.profileStripRight = layout.right;
    paintProfilePage(canvas, p->picture, view.profileVisible(), size);
}

} // namespace paint

} // namespace varn
