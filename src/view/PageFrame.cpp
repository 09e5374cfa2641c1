#include "PageFrame.h"

#include "CVARNView.h"
#include "DisplayMode.h"

#include <algorithm>

namespace varn {

namespace {

// Every text an axis can carry: the tick values of the value rows and the units.
constexpr const char* kAxisTexts[] = {"-1", "-0.5", "0", "0.5", "1", "1.5", "2", "ln", "log2", "ratio", "BAF", "Mb"};

} // namespace

LabelMetrics measureLabels(const Canvas& canvas) {
    LabelMetrics m;
    m.lineHeight = std::max(1, canvas.textSize("Ag").height);
    m.axisLabelWidth = 0;
    for (const char* text : kAxisTexts)
        m.axisLabelWidth = std::max(m.axisLabelWidth, canvas.textSize(text).width);
    return m;
}

PageFrame pageFrame(const CVARNView& view) {
    if (!view.annotate) return {};
    const int mode = view.displayMode;
    const bool genome = mode == ModeGenomeBoth || mode == ModeGenomeSingle || mode == ModeGenomeSelf;
    const bool chromosome =
        mode == ModeChromosomeBoth || mode == ModeChromosomeSingle || mode == ModeChromosomeSelf;
    PageFrame f;
    // Copy-number pages: the title and the legend; the compensation page: the title, its two
    // lines of noise figures and the note on how they are formed. The title and the legend take
    // the lines they needed at the window's width.
    const LabelMetrics& m = view.labelMetrics;
    if (genome || chromosome)
        f.lines = m.titleLines + m.legendLines;
    else if (mode == ModeCompensation)
        f.lines = m.titleLines + 3;
    else
        return {};
    f.pad = std::max(2, m.lineHeight / 3);
    f.tick = std::max(3, m.lineHeight / 4);
    f.top = f.lines * m.lineHeight + 2 * f.pad;
    f.left = m.axisLabelWidth + f.tick + 3 * f.pad;
    // Under a chromosome its megabase axis; under the compensation page the chromosome names of
    // its last band.
    if (chromosome) f.bottom = f.tick + m.lineHeight + 2 * f.pad;
    if (mode == ModeCompensation) f.bottom = m.lineHeight + 2 * f.pad;
    return f;
}

} // namespace varn
