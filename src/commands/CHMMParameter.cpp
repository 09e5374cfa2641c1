#include "CHMMParameter.h"

#include "document/HmmDefaults.h"
#include "engine/analysis/ResultWording.h"
#include "engine/hmm/MeansForPurity.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace varn {

namespace {
// The spin controls hold hundredths of a log ratio, -1.50 .. 1.50.
constexpr int kSpinLow = -150;
constexpr int kSpinHigh = 150;
// "Default": copy numbers 5, 4, 3, 2, 1, 0 from the top row down.
constexpr int kDefaultPositions[6] = {89, 65, 37, 0, -49, -124};
} // namespace

void CHMMParameter::onInitDialog() {
    for (int i = 0; i < 6; ++i) {
        // The fraction is cut off toward zero: the spin shows 0.365 as 36.
        const int position = static_cast<int>(member[i] * 100);
        spinPosition[i] = std::clamp(position, kSpinLow, kSpinHigh);
        openedMember[i] = member[i];
        openedPosition[i] = spinPosition[i];
    }
    followSpins();
}

void CHMMParameter::onDefault() {
    for (int i = 0; i < 6; ++i) spinPosition[i] = kDefaultPositions[i];
    followSpins();
}

namespace {
// The spin control reports its position as an unsigned 16-bit value: negative positions come
// back as 65536 + position and are folded back here.
int spinValue(int reported) {
    int value = static_cast<std::uint16_t>(reported);
    if (value > 1000) value -= 65536;
    return value;
}
} // namespace

void CHMMParameter::followSpins() {
    for (int i = 0; i < 6; ++i) {
        const int value = spinValue(spinPosition[i]);
        float mean = static_cast<float>(value) / 100.0f;
        if (value == openedPosition[i])
            mean = openedMember[i];
        else if (estimated && value == estimatedPositions[i])
            mean = estimatedMeans[5 - i];
        std::snprintf(currentValueText[i], sizeof currentValueText[i], "%3f", mean);
    }
}

// A spin holds whole hundredths, so reading back an untouched one would cut an estimated mean
// such as 0.564015 to 0.56: the profile would be decoded with other means than the ones shown
// in the title and stored, and a reload would no longer recognise the tumour fraction.
void CHMMParameter::onOk() {
    for (int i = 0; i < 6; ++i) {
        const int value = spinValue(spinPosition[i]);
        member[i] = value == openedPosition[i] ? openedMember[i] : static_cast<float>(value) / 100.0f;
    }
    if (!spinsMatchEstimate()) pickedNumber = 0;
}

void CHMMParameter::onEstimate() {
    estimated = false;
    pickedNumber = 0;
    if (!estimator) return;
    std::string reason;
    estimate = PurityEstimate{};
    if (!estimator(estimate, reason)) {
        estimateText = reason;
        return;
    }
    estimateText = purityText(estimate);
    if (!estimate.decided) return;
    if (estimate.joint)
        pickSolution(1);
    else
        spinsForPurity(estimate.purity);
}

// The spins at the means for fraction p, mixed from the pure-tumour ones.
void CHMMParameter::spinsForPurity(double p) {
    float pure[kStates];
    if (pureMeans)
        pureMeans(pure);
    else
        std::copy(kDefaultHmmMean, kDefaultHmmMean + kStates, pure);
    estimatedPurity = static_cast<float>(p);
    meansForPurity(pure, p, false, estimatedMeans);
    for (int i = 0; i < 6; ++i) {
        const int position = static_cast<int>(std::lround(estimatedMeans[5 - i] * 100.0f));
        estimatedPositions[i] = spinPosition[i] = std::clamp(position, kSpinLow, kSpinHigh);
    }
    estimated = true;
    followSpins();
}

bool CHMMParameter::spinsMatchEstimate() const {
    if (!estimated) return false;
    for (int i = 0; i < 6; ++i)
        if (spinValue(spinPosition[i]) != estimatedPositions[i]) return false;
    return true;
}

std::vector<std::string> CHMMParameter::solutionLines() const {
    std::vector<std::string> lines;
    if (!estimate.joint) return lines;
    const int digits = fitDigits(estimate.fit.solutions);
    for (const PurityPloidySolution& s : estimate.fit.solutions)
        lines.push_back(solutionText(s, lines.empty() ? SolutionWording::ListedFirst : SolutionWording::ListedNext,
                                     digits));
    return lines;
}

bool CHMMParameter::pickSolution(int number) {
    const bool exists =
        estimate.joint && number >= 1 && static_cast<std::size_t>(number) <= estimate.fit.solutions.size();
    pickedNumber = 0;
    if (!exists) return false;
    spinsForPurity(estimate.fit.solutions[static_cast<std::size_t>(number - 1)].purity);
    pickedNumber = number;
    return true;
}

const PurityPloidySolution* CHMMParameter::pickedSolution() const {
    if (pickedNumber < 1 || !estimate.joint ||
        static_cast<std::size_t>(pickedNumber) > estimate.fit.solutions.size())
        return nullptr;
    return &estimate.fit.solutions[static_cast<std::size_t>(pickedNumber - 1)];
}

} // namespace varn
