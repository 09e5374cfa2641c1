// The compensation page (mode 7): the log ratio of the analysed sample against one reference,
// plotted against fragment length, against GC content and along the genome, before and after
// the length / GC compensation, with the SD and a signal-to-noise figure for both states.
//
// Unlike the other pages this paint changes the document: it recomputes the one-reference ratio,
// so after leaving the page logRatio[0] holds that profile.
#include "PaintParts.h"

#include "CVARNView.h"
#include "PaintDecor.h"
#include "PaintStyle.h"
#include "document/CVARNDoc.h"
#include "engine/signal/NoiseFigures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace varn::paint {

namespace {

constexpr int kGridRight = 6000;
// The genome-wide bands squeeze 15 positions into one logical unit.
constexpr int kPositionsPerUnit = 15;

struct Band {
    const char* label;
    int labelY;
    int zeroY;
};

constexpr Band kBands[6] = {
    {"Length Vs Ratio  before compensation Log base", 500, 800},
    {"GCcontent Vs Ratio  before compensation Log base", 1500, 1800},
    {"CGH  before compensation Log base", 2500, 2800},
    {"Length Vs Ratio  after compensation Log base", 3500, 3800},
    {"GCcontent Vs Ratio  after compensation Log base", 4500, 4800},
    {"CGH  after compensation Log base", 5500, 5800},
};
constexpr int kLinearBandZeroY = 6800;
// What the figure of the noise lines stands for: chromosome X is the one copy-number step every
// sample shows against references of the other sex, so its mean log ratio over the autosomes'
// noise says how well a step stands out.
constexpr const char* kSignalToNoiseNote =
    "S/N ratio = mean log ratio of chromosome X / SD of the autosomes; below 0 where the sample has fewer "
    "copies of X than the reference";

enum class Abscissa { Length, Gc, Genome };

// Fragments of 500-2000 bases fall at x = 1000-4000; GC contents 0.2-0.8 span x = 0-6000.
bool bandX(const CVARNDoc& doc, int t, int pos, Abscissa abscissa, int& x) {
    const int snp = doc.arrangeOrder[pos];
    switch (abscissa) {
    case Abscissa::Length:
        x = kLengthUnitsPerBase * doc.snpFragmentLength[snp];
        return true;
    case Abscissa::Gc:
        return scaledOffset(doc.snpGcContent[snp] * kGcUnits - kGcOffset, 1, x);
    case Abscissa::Genome:
        x = (pos - doc.snpFirst[t]) / kPositionsPerUnit;
        return true;
    }
    return false;
}

// The stretch of x whose dots are summed into one area for the labels: a few pixels at the page's
// fitted scale.
constexpr int kDotStretch = 30;
// Of a stretch's dots, the share at either end left out of its area: the strays of a scatter lie
// far beyond its cloud, and a label may cover one of those, never the cloud.
constexpr double kStrayShare = 0.01;

// The areas of x the band's dots cover, one per stretch that has any, from the top to the bottom
// of its cloud.
void addDotAreas(const std::vector<Point>& points, std::vector<CompensationTexts::Area>& areas) {
    std::vector<std::vector<int>> ys((kGridRight + 2 * kDotStretch) / kDotStretch);
    for (const Point& p : points)
        ys[static_cast<std::size_t>(std::clamp(p.x / kDotStretch, 0, static_cast<int>(ys.size()) - 1))]
            .push_back(p.y);
    for (std::size_t k = 0; k < ys.size(); ++k) {
        std::vector<int>& y = ys[k];
        if (y.empty()) continue;
        const auto stray = static_cast<std::ptrdiff_t>(static_cast<double>(y.size()) * kStrayShare);
        std::nth_element(y.begin(), y.begin() + stray, y.end());
        const int top = y[static_cast<std::size_t>(stray)];
        std::nth_element(y.begin(), y.end() - 1 - stray, y.end());
        const int bottom = y[y.size() - 1 - static_cast<std::size_t>(stray)];
        const int left = static_cast<int>(k) * kDotStretch;
        areas.push_back({left, top, left + kDotStretch, bottom});
    }
}

// One scatter band: a pixel per position in [first, last], usable or not.
template <class Value>
void drawBand(Canvas& canvas, const CVARNDoc& doc, int t, int first, int last, Abscissa abscissa, int zeroY,
              Rgb colour, Value value, std::vector<CompensationTexts::Area>* areas) {
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(last - first + 1));
    int x = 0, offset = 0;
    for (int pos = first; pos <= last; ++pos)
        if (bandX(doc, t, pos, abscissa, x) && scaledOffset(value(pos), 200, offset))
            points.push_back({x, zeroY - offset});
    canvas.setPixels(points, colour);
    if (areas != nullptr) addDotAreas(points, *areas);
}

// The SD and signal-to-noise line of one state of the profile; empty when they cannot be told.
template <class Value>
std::string statisticsText(const CVARNDoc& doc, int t, const char* format, Value value) {
    const auto figures = noiseFigures(doc, t, value);
    if (!figures) return {};
    return formatText(format, static_cast<double>(figures->sd), static_cast<double>(figures->signalToNoise));
}

std::string rowText(const CVARNDoc& doc, int t, int row) {
    return formatText("%s (average signal value %f )", sampleName(doc, t, row).c_str(),
                      static_cast<double>(doc.poolRowMean[t][row]));
}

} // namespace

std::string compensationTitle(const CVARNDoc& doc, int t, int analysed, int reference) {
    return std::string(t == kXba ? "Xba 50K: " : "Hind 50K: ") + rowText(doc, t, analysed) + " Vs " +
           rowText(doc, t, reference);
}

void paintCompensation(Canvas& canvas, CVARNDoc& doc, CVARNView& view) {
    const int t = view.shownArrayType;
    const int a = t == kXba || t == kHind ? doc.analysedRow[t] : -1;
    const int r = t == kXba || t == kHind ? doc.singleRefRow[t] : -1;
    // The page compares two rows of one array's pool; anything else has nothing to show.
    if (a < 0 || a >= kPoolRows || r < 0 || r >= kPoolRows) return;
    const int first = doc.snpFirst[t], autosomeLast = doc.autosomeLast[t], xLast = doc.chrXLast[t];
    const int ys = view.yScale;

    const std::string title = compensationTitle(doc, t, a, r);
    // With the annotations every text goes where it covers no plot; the layer comes last.
    const bool annotate = view.annotate;
    CompensationTexts texts;
    if (annotate)
        texts.head = planStripTitle(canvas, view, title, {sampleName(doc, t, a), sampleName(doc, t, r)});
    const WindowMapping shown = applyShownWindow(canvas, view);
    texts.plotRight = kGridRight;
    texts.positionsPerUnit = kPositionsPerUnit;
    auto text = [&](int x, int y, const std::string& s) {
        if (!annotate && !s.empty()) canvas.textOut(x, y, s);
    };
    if (view.windowOrgY == 5500) {
        // "CGH View": the autosomes of the after-compensation band are where the baseline
        // region is dragged.
        canvas.setPen(kRedDottedPen);
        canvas.fillRect(0, 5500, (autosomeLast - first) / kPositionsPerUnit, 6100);
        text(0, 6150, "Select Range from Red Region");
        texts.hint = "Select Range from Red Region";
        texts.hintBelow = 6100;
    }
    if (view.rangeSetArmed == 1) {
        // The drag is kept in pixels of the CGH View preset, five units each horizontally.
        canvas.setPen(kRangeBandPen);
        canvas.fillRect(view.selStartX * 5, 5700, view.selEndX * 5, 5900);
    }
    for (const Band& band : kBands) {
        text(0, band.labelY, band.label);
        texts.bandLabels.push_back(band.label);
    }
    text(0, 100, title);
    for (int j = 1; j <= 6; ++j) drawTrackGrid(canvas, 0, kGridRight, 1000 * j, ys);
    drawTrackGrid(canvas, 0, kGridRight, kLinearBandZeroY, ys);

    std::vector<CompensationTexts::Area>* dots = annotate ? &texts.dots : nullptr;
    auto before = [&](int pos) {
        const int snp = doc.arrangeOrder[pos];
        return std::log(doc.poolSignal[a][snp] / doc.poolSignal[r][snp]);
    };
    drawBand(canvas, doc, t, first, autosomeLast, Abscissa::Length, kBands[0].zeroY, kRed, before, dots);
    drawBand(canvas, doc, t, first, autosomeLast, Abscissa::Gc, kBands[1].zeroY, kGreen, before, dots);
    drawBand(canvas, doc, t, first, xLast, Abscissa::Genome, kBands[2].zeroY, kBlue, before, dots);
    texts.head.push_back(statisticsText(doc, t, "Before Compensation: SD= %f, S/N ratio= %f", before));
    text(0, 200, texts.head.back());

    doc.computeRowRatio(r, a, 1, t);

    auto after = [&](int pos) { return doc.logRatio[0][pos]; };
    drawBand(canvas, doc, t, first, autosomeLast, Abscissa::Length, kBands[3].zeroY, kRed, after, dots);
    drawBand(canvas, doc, t, first, autosomeLast, Abscissa::Gc, kBands[4].zeroY, kGreen, after, dots);
    drawBand(canvas, doc, t, first, xLast, Abscissa::Genome, kBands[5].zeroY, kBlue, after, dots);
    texts.head.push_back(statisticsText(doc, t, "After Compensation: SD= %f, S/N ratio= %f", after));
    text(0, 300, texts.head.back());
    texts.head.push_back(kSignalToNoiseNote);

    // The linear ratio, so that 1.0 lies on the band's solid grid line. It stops one position
    // short of the end of X.
    auto linear = [&](int pos) { return std::exp(doc.logRatio[0][pos]); };
    drawBand(canvas, doc, t, first, xLast - 1, Abscissa::Genome, kLinearBandZeroY, kBlue, linear, dots);
    if (annotate) decorateCompensationPage(canvas, doc, view, shown, texts);
}

} // namespace varn::paint
