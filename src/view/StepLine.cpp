#include "StepLine.h"

#include "AlleleCallClasses.h"
#include "PaintStyle.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace varn::paint {

namespace {

// The colours of the calls, in the order their lines are drawn: the seven-state call line's, then
// the allele-specific classes'.
std::vector<Rgb> callPalette() {
    std::vector<Rgb> colours = {kCallLoss, kCallTwoCopies, kCallLoh, kCallGain};
    for (const AlleleCallClass& c : kAlleleCallClasses) colours.push_back(c.colour);
    return colours;
}

} // namespace

void drawStepLine(Canvas& canvas, std::span<const Step> steps, int extent) {
    if (steps.empty()) return;
    std::vector<Rgb> colours = callPalette();
    // A colour of no call class still gets its own lines, after the others.
    for (const Step& s : steps)
        if (std::find(colours.begin(), colours.end(), s.colour) == colours.end()) colours.push_back(s.colour);
    const std::size_t count = colours.size();
    std::vector<std::vector<Segment>> byColour(count);
    struct Ink {
        int top = std::numeric_limits<int>::max(), bottom = std::numeric_limits<int>::min();
    };
    std::vector<Ink> ink(count);
    int column = std::numeric_limits<int>::min(), columnX = 0;
    auto flush = [&] {
        for (std::size_t c = 0; c < count; ++c) {
            if (ink[c].top > ink[c].bottom) continue;
            if (ink[c].top == ink[c].bottom)
                byColour[c].push_back({{columnX, ink[c].top}, {columnX + extent, ink[c].top}});
            else
                byColour[c].push_back({{columnX, ink[c].top}, {columnX, ink[c].bottom}});
            ink[c] = Ink{};
        }
        column = std::numeric_limits<int>::min();
    };
    int previous = 0;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const Step& s = steps[k];
        const int y = s.y, x0 = s.x0, x1 = s.x1;
        const std::size_t c =
            static_cast<std::size_t>(std::find(colours.begin(), colours.end(), s.colour) - colours.begin());
        const int from = k > 0 ? previous : y;
        previous = y;
        if (x1 - x0 < extent) {
            if (x0 / extent != column) {
                flush();
                column = x0 / extent;
                columnX = x0;
            }
            ink[c].top = std::min({ink[c].top, from, y});
            ink[c].bottom = std::max({ink[c].bottom, from, y});
            continue;
        }
        flush();
        if (from != y) byColour[c].push_back({{x0, from}, {x0, y}});
        byColour[c].push_back({{x0, y}, {x1, y}});
    }
    flush();
    std::vector<Segment> all;
    for (const auto& lines : byColour) all.insert(all.end(), lines.begin(), lines.end());
    canvas.setPen({PenStyle::Solid, 5 * extent, kWhite});
    canvas.drawSegments(all);
    for (std::size_t c = 0; c < count; ++c) {
        if (byColour[c].empty()) continue;
        canvas.setPen({PenStyle::Solid, 3 * extent, colours[c]});
        canvas.drawSegments(byColour[c]);
    }
}

} // namespace varn::paint
