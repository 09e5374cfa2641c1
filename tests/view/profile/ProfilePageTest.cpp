// A recorded paint of a tiny profile's chromosome page: the axes and the legends say what the page
// shows, the outline marks the centromere where no cytoband table is given, the bands take their
// stains' colours where one is, and a profile whose columns disagree in length draws no SNP
// instead of reading past them.
#include "view/profile/ProfilePage.h"
#include "document/profile/Profile.h"
#include "support/RecordingCanvas.h"
#include "view/PaintStyle.h"
#include "view/profile/GenomeStrip.h"
#include "view/profile/ProfilePicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace varn {
namespace {

using test::RecordingCanvas;

// Twenty SNPs along chromosome 1 of hg19, a loss of one parent's copy on the second half.
struct TinyProfile {
    Profile profile;
    ProfilePicture picture;
    TinyProfile() {
        for (int k = 0; k < 20; ++k) {
            const bool lost = k >= 10;
            profile.chromosome.push_back(1);
            profile.position.push_back(10'000'000 + k * 10'000'000);
            profile.logRatio.push_back(lost ? -0.6f : 0.0f);
            profile.baf.push_back(k % 2 == 0 ? 0.0f : (lost ? 0.9f : 0.5f));
            picture.totalCopies.push_back(lost ? 1 : 2);
            picture.minorCopies.push_back(lost ? 0 : 1);
            picture.informative.push_back(k % 2);
        }
        profile.name.resize(20);
        profile.array.assign(20, 0);
        picture.profile = &profile;
        picture.build = GenomeBuild::Hg19;
        picture.levelOfTotal = {-2.0f, -0.6f, 0.0f, 0.4f};
        picture.sample = "Tiny";
        picture.solution = "solution 1: tumour cells=80%, ploidy 1.70";
    }
};

TEST(ProfilePage, AxesLegendsAndTheCentromereOutlineWithoutCytobands) {
    TinyProfile tiny;
    RecordingCanvas canvas;
    paintProfileChromosome(canvas, tiny.picture, 1, {1200, 800});

    for (const char* text : {"Tiny  \u00b7  hg19  \u00b7  solution 1: tumour cells=80%, ploidy 1.70",
                             "log2",
                             "2",
                             "-2",
                             "0",
                             "1.5",
                             "BAF",
                             "0.5",
                             "1",
                             "Mb",
                             "100",
                             "log ratio of each SNP (log2)",
                             "median where SNPs share a pixel",
                             "allele-specific call:",
                             "1+1",
                             "1+0",
                             "B-allele fraction",
                             "informative SNP",
                             "other SNP",
                             "band the copies predict",
                             "measured band",
                             "LOH",
                             "Ch1"})
        EXPECT_NE(canvas.findText(text), nullptr) << text;

    // The centromere of hg19's chromosome 1 as a red waist between the arms' outlines (the lowest
    // red rectangle: the legend's swatch of the log ratio is red too).
    const RecordingCanvas::Rect* waist = nullptr;
    for (const auto& r : canvas.rects)
        if (r.brush == paint::kRed && (waist == nullptr || r.top > waist->top)) waist = &r;
    ASSERT_NE(waist, nullptr);
    const auto black = canvas.linesOf(paint::kBlackPen);
    auto verticalAt = [&](int x) {
        return std::any_of(black.begin(), black.end(),
                           [&](const auto& l) { return l.from.x == x && l.to.x == x && l.from.y != l.to.y; });
    };
    EXPECT_TRUE(verticalAt(waist->left));
    EXPECT_TRUE(verticalAt(waist->right));
    const Centromere c = centromereOf(GenomeBuild::Hg19, 1);
    const double perBase = static_cast<double>(waist->right - waist->left) / (c.end - c.start);
    EXPECT_NEAR(perBase * chromosomeLength(GenomeBuild::Hg19, 1), 1200 - 60, 80); // the strip spans the page

    // The megabase ticks hang from the axis at whole steps.
    const Pen axis{PenStyle::Solid, 1, paint::kAxisColour};
    const auto ticks = canvas.linesOf(axis);
    EXPECT_GT(std::count_if(ticks.begin(), ticks.end(), [](const auto& l) { return l.from.x == l.to.x; }), 5);
}

TEST(ProfilePage, CytobandsAreDrawnInTheirStainsTheAcenBandsAsTheWaist) {
    TinyProfile tiny;
    const struct {
        int start, end;
        const char* stain;
        Rgb colour;
    } bands[] = {{0, 50'000'000, "gneg", {255, 255, 255}},
                 {50'000'000, 120'000'000, "gpos75", {63, 63, 63}},
                 {120'000'000, 125'000'000, "acen", {255, 0, 0}},
                 {125'000'000, 140'000'000, "gvar", {0, 255, 0}},
                 {140'000'000, 249'250'621, "gpos", {0, 0, 0}}};
    for (const auto& b : bands) tiny.picture.cytobands.push_back({1, b.start, b.end, "", b.stain});
    RecordingCanvas canvas;
    paintProfileChromosome(canvas, tiny.picture, 1, {1200, 800});
    // The ideogram's rectangles: the page's lowest, after the legend's swatches and the LOH bars.
    int bottom = 0;
    for (const auto& r : canvas.rects) bottom = std::max(bottom, r.bottom);
    std::vector<RecordingCanvas::Rect> ideogram;
    for (const auto& r : canvas.rects)
        if (r.bottom > bottom - 20) ideogram.push_back(r);
    ASSERT_EQ(ideogram.size(), std::size(bands));
    for (std::size_t k = 0; k < ideogram.size(); ++k) {
        EXPECT_EQ(ideogram[k].brush, bands[k].colour) << bands[k].stain;
        EXPECT_EQ(ideogram[k].pen.colour, bands[k].colour) << bands[k].stain;
    }
    // The acen band a third of the strip's height, between the others' top and bottom.
    EXPECT_GT(ideogram[2].top, ideogram[1].top);
    EXPECT_LT(ideogram[2].bottom, ideogram[1].bottom);
    EXPECT_LT(ideogram[0].right, ideogram[1].right);
}

TEST(ProfilePage, ColumnsOfDifferentLengthsDrawNoSnp) {
    TinyProfile tiny;
    tiny.profile.logRatio.pop_back();
    RecordingCanvas good, bad;
    TinyProfile whole;
    paintProfileGenome(good, whole.picture, {900, 600});
    paintProfileGenome(bad, tiny.picture, {900, 600});
    const auto red = [](const RecordingCanvas& c) { return c.linesOf(paint::kRedPen).size(); };
    EXPECT_GT(red(good), 0u);
    EXPECT_EQ(red(bad), 0u);
    EXPECT_NE(bad.findText("Ch1"), nullptr);
}

} // namespace
} // namespace varn
