// The figures every place prints: one format for the tumour cell fraction and the ploidy, an
// interval left out where it would only repeat the value, and the fit to the decimals that tell a
// list apart.
#include "engine/analysis/ResultWording.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varn {
namespace {

TEST(ResultWording, FiguresPrintTheirIntervalOnlyWhereItIsWiderThanTheirDigits) {
    const double none = std::nan("");
    const struct {
        Figure kind;
        double value, low, high;
        const char* text;
    } cases[] = {
        {Figure::TumourCells, 0.70, none, none, "70 %"},
        {Figure::TumourCells, 0.70, 0.68, 0.72, "70 % (68\u201372 %)"},
        {Figure::TumourCells, 1.00, 1.00, 1.00, "100 %"},
        {Figure::Ploidy, 3.52, 3.48, 3.56, "3.52 (3.48\u20133.56)"},
        {Figure::Ploidy, 1.98, 1.978, 1.982, "1.98"},
        {Figure::Ploidy, 2.0, 1.9996, 2.011, "2.00 (2.00\u20132.01)"},
    };
    for (const auto& c : cases) EXPECT_EQ(figureText(c.kind, c.value, c.low, c.high), c.text) << c.text;
}

TEST(ResultWording, FitIsGivenToTheDecimalsThatSeparateTheSolutions) {
    const struct {
        std::vector<double> fits;
        int digits;
    } cases[] = {
        {{0.961, 0.902, 0.85}, 0},
        {{0.9612, 0.9608}, 2},
        {{1.0, 0.9996}, 2},
        {{0.97, 0.97}, 0}, // equal scores cannot be told apart at any precision
        {{0.961234, 0.961233}, 3},
    };
    for (const auto& c : cases) {
        std::vector<PurityPloidySolution> solutions(c.fits.size());
        for (std::size_t k = 0; k < c.fits.size(); ++k) solutions[k].fit = c.fits[k];
        EXPECT_EQ(fitDigits(solutions), c.digits) << c.fits.front();
    }
}

} // namespace
} // namespace varn
