// The title of a profile's picture in the room it has: on one line, wrapped, the sample's name
// shortened, and on a page too narrow even for the figures, never a figure left out.
#include "view/profile/ProfileTitle.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varn {
namespace {

// The figures of the solution: none of them may be lost.
const std::string kSolution = "solution 2: tumour cells=64%, ploidy 3.12, genome doubled";
const char* const kFigures[] = {"solution", "2:", "cells=64%,", "3.12,", "doubled", "hg38"};

TEST(ProfileTitle, FitsWrapsShortensAndKeepsTheFigures) {
    const test::RecordingCanvas canvas; // about 7 pixels a byte
    const std::string longName(60, 'N');
    const struct {
        const char* name;
        std::string sample;
        int width;
        std::size_t lines; // 0: more than two
        bool shortened;
    } cases[] = {
        {"one line when it fits", "Tumor7", 2000, 1, false},
        {"wrapped onto a second line", "Tumor7", 400, 2, false},
        {"a long name shortened to keep two lines", longName, 300, 2, true},
        {"too narrow even for the figures: more lines", longName, 90, 0, true},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines = fitTitle(canvas, c.sample, "hg38", kSolution, c.width, 2);
        if (c.lines == 0)
            EXPECT_GT(lines.size(), 2u) << c.name;
        else
            EXPECT_EQ(lines.size(), c.lines) << c.name;
        std::string all;
        for (const std::string& line : lines) {
            EXPECT_LE(canvas.textSize(line).width, c.width) << c.name << ": " << line;
            all += line + " ";
        }
        for (const char* figure : kFigures)
            EXPECT_NE(all.find(figure), std::string::npos) << c.name << ": " << figure;
        EXPECT_EQ(all.find("\u2026") != std::string::npos, c.shortened) << c.name;
        EXPECT_EQ(all.rfind(c.shortened ? "NN" : c.sample, 0), 0u) << c.name; // the name comes first
    }
}

} // namespace
} // namespace varn
