#pragma once

#include "document/DocumentLimits.h"
#include "engine/purity/PurityEstimate.h"

#include <functional>
#include <string>
#include <vector>

namespace varn {

// The HMM parameter dialog (dialog 140): six rows from N=5 at the top to N=0 at the bottom;
// member[i] stands for copy number 5 - i. Spin controls run -150..150 (hundredths).
class CHMMParameter {
public:
    float member[6] = {};
    int spinPosition[6] = {};      // as the spin controls hold them
    char currentValueText[6][32] = {}; // the read-only edits, "%3f" of the mean each spin stands for
    float openedMember[6] = {};        // the members and spin positions as the dialog opened
    int openedPosition[6] = {};

    void onInitDialog();   // also run by "Current Value"
    void onDefault();      // "Default": spin positions 89, 65, 37, 0, -49, -124
    void onCurrentValue() { onInitDialog(); }
    // The read-only edits follow the spins: each shows the mean its spin stands for, to the last
    // digit where the spin holds the opened or the estimated mean, else the spin's hundredths.
    void followSpins();
    // Reads the spins back as unsigned 16-bit values into the members. A spin that stands where
    // the dialog opened it keeps its member to the last digit; only a moved spin makes the
    // member its value.
    void onOk();

    // "Estimate": the tumour cell fraction of the analysis shown. The command that opens the
    // dialog supplies the estimator (false with the reason when there is no decoded profile)
    // and the pure-tumour means; without an estimator the button is greyed.
    std::function<bool(PurityEstimate&, std::string&)> estimator;
    std::function<void(float[kStates])> pureMeans;
    bool canEstimate() const { return static_cast<bool>(estimator); }
    // Shows the estimate in estimateText (with the fit curve in estimate) and, when it decides,
    // sets the spins to the means for the estimated fraction.
    void onEstimate();
    // True while the spins still hold the estimate's means: OK then applies all seven means of
    // the estimate (copy number 6 too) and the fraction they stand for.
    bool spinsMatchEstimate() const;

    // When the estimate is the joint fit of fraction and ploidy: "Let the data decide the
    // baseline" (the estimator reads fitOptions), the lines of its solution list (best first), and
    // the solution selected in it (1 for the best; 0: none). Selecting one puts the means for its
    // fraction in the spins; Estimate selects the best when the fit decides. OK applies the
    // selected solution whole - the means for its fraction and the baseline's copy number - unless
    // a spin was moved away from its means since, which makes the means the user's own.
    PurityFitOptions fitOptions;
    // Whether there is a baseline region for the data to overrule: not on a profile of another
    // array, which has none.
    bool baselineChoice = true;
    std::vector<std::string> solutionLines() const;
    bool pickSolution(int number); // false when the estimate has no such solution
    const PurityPloidySolution* pickedSolution() const;
    int pickedNumber = 0;

    void spinsForPurity(double p);

    bool estimated = false;
    float estimatedPurity = 1.0f;
    float estimatedMeans[kStates] = {};
    int estimatedPositions[6] = {};
    PurityEstimate estimate;
    std::string estimateText;
};

} // namespace varn
