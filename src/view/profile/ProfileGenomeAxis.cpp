// The axis under a profile's page: ticks at whole megabases of each chromosome shown, as many
// labelled as have room, and each chromosome's name under its span.
#include "ProfilePageParts.h"

#include "view/PaintDecor.h"
#include "view/PaintParts.h"
#include "view/PaintStyle.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace varn {

namespace {

// Every whole step of this many megabases gets a tick; the step is the smallest that leaves room
// for a label between ticks ("250") at the page's scale. The genome page at its usual width needs
// the 100 Mb step, a narrower one the 200 and 500.
constexpr int kMegabaseSteps[] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 500};

int megabaseStep(const paint::Decor& d, const GenomeStrip& strip) {
    const double pixelsPerMegabase =
        strip.width() / (static_cast<double>(strip.visible().to - strip.visible().from) / 1e6);
    const int room = d.size("250").width + 2 * d.frame().pad;
    for (int step : kMegabaseSteps)
        if (step * pixelsPerMegabase >= room) return step;
    return kMegabaseSteps[std::size(kMegabaseSteps) - 1];
}

} // namespace

void drawGenomeAxis(paint::Decor& d, const ProfilePageLayout& layout, const GenomeStrip& strip) {
    const PageFrame& f = d.frame();
    const paint::Box window = d.plotWindow();
    const Pen pen = d.pen(paint::kAxisColour, 1);
    const int y = layout.axisY;
    d.line(layout.left, y, layout.right, y, pen);
    const std::vector<int> shown = visibleChromosomes(strip);
    const int step = megabaseStep(d, strip);
    const long long stepBases = step * 1'000'000LL;
    // A genome page starts each chromosome's ticks at its first step: a "0" at every start would
    // crowd the last label of the chromosome before.
    const long long firstStep = shown.size() > 1 ? 1 : 0;
    for (int c : shown) {
        for (long long k = firstStep; k * stepBases <= strip.chromosomeLength(c); ++k) {
            const double x = strip.xOf(c, k * stepBases);
            if (x < layout.left || x > layout.right) continue;
            const int xi = static_cast<int>(std::lround(x));
            d.line(xi, y, xi, y + f.tick, pen);
            const std::string text = std::to_string(k * step);
            // Centred under its tick; the "0" at a page's left edge starts at its tick instead.
            d.label(std::max(window.left, xi - d.size(text).width / 2), y + f.tick + 1, text, window);
        }
    }
    const TextSize unit = d.size("Mb");
    d.label(f.left - f.pad - f.tick - 2 - unit.width, y + f.tick + 1, "Mb", d.leftStrip());

    // "Ch7" in the middle of the chromosome's part of the page, or "7" where that is too narrow.
    for (int c : shown) {
        const double from = std::max(static_cast<double>(layout.left), strip.xOf(c, 0));
        const double to =
            std::min(static_cast<double>(layout.right), strip.xOf(c, strip.chromosomeLength(c)));
        const std::string forms[] = {paint::chromosomeLabel(c),
                                     c == 23 ? std::string("X") : std::to_string(c)};
        for (const std::string& text : forms) {
            const int width = d.size(text).width;
            if (width > to - from) continue;
            if (d.label(static_cast<int>(std::lround((from + to - width) / 2)), layout.namesTop, text,
                        window))
                break;
        }
    }
}

} // namespace varn
