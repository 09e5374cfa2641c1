#pragma once

namespace varn {

// The solution of the joint fit of tumour cells and ploidy that set the HMM means and the
// baseline region's copy number, as the title names it: number 1 for the fit's best, 0 for none.
struct AppliedSolution {
    int number = 0;
    float purity = 1.0f, ploidy = 2.0f, fit = 0.0f;
    bool doubled = false;
};

} // namespace varn
