#pragma once

#include "Canvas.h"

#include <cstddef>

namespace varn::paint {

// The allele-specific decoder's states (total copies k, j of them from the minor parent) in the
// classes the call line colours and the legend names. Few enough to tell apart at a glance, and
// each a different event for the tumour: both copies lost, one parent's copy left, the normal
// pair, copy-neutral LOH, a gain of one parent over the other, a gain that lost the other parent
// altogether, and a gain of both alike (the doubled genome's 2+2). Losses stay blue and gains red,
// as the seven-state call line has them; LOH is green, two balanced copies grey.
struct AlleleCallClass {
    Rgb colour;
    const char* label;
};

inline constexpr AlleleCallClass kAlleleCallClasses[] = {
    {{0, 0, 120}, "0+0"},
    {{40, 120, 255}, "1+0"},
    {{90, 90, 90}, "1+1"},
    {{0, 140, 0}, "2+0 LOH"},
    {{200, 0, 0}, "2+1, 3+1.. gain"},
    {{150, 0, 170}, "2+2, 3+3"},
    {{230, 120, 0}, "3+0, 4+0.. LOH"},
};
inline constexpr std::size_t kAlleleCallClassCount = std::size(kAlleleCallClasses);

// The class of k copies with j of them from the minor parent (0 <= j <= k / 2).
constexpr std::size_t alleleCallClass(int total, int minor) {
    if (total <= 0) return 0;
    if (total == 1) return 1;
    if (minor == 0) return total == 2 ? 3 : 6;
    if (2 * minor == total) return total == 2 ? 2 : 5;
    return 4;
}

} // namespace varn::paint
