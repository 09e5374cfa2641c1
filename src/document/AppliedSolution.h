#pragma once

namespace varn {

// The solution of the joint fit of tumour cells and ploidy that set the HMM means and the
// baseline region's copy number, as the title, the report and a reload of the stored analysis
// name it: number 1 for the fit's best, 0 for none. Its figures as the fit gave them.
struct AppliedSolution {
    int number = 0;
    double purity = 1.0, purityLow = 1.0, purityHigh = 1.0;
    double ploidy = 2.0, ploidyLow = 2.0, ploidyHigh = 2.0;
    double fit = 0.0;
    bool doubled = false;
    double alteredShare = 0.0, lohShare = 0.0, doubledShare = 0.0;
    int regionCopyNumber = 0; // the baseline region's copy number it gave
};

} // namespace varn
