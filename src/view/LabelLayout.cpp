#include "LabelLayout.h"

#include <algorithm>

namespace varn::paint {

void LabelLayout::block(const Box& area) {
    if (!area.empty()) blocked_.push_back(area);
}

bool LabelLayout::fits(const Box& label, const Box& region) const {
    if (label.empty() || !label.inside(region)) return false;
    const Box spaced{label.left - kLabelGap, label.top, label.right + kLabelGap, label.bottom};
    auto hitsPlot = [&label](const Box& b) { return label.intersects(b); };
    auto hitsLabel = [&spaced](const Box& b) { return spaced.intersects(b); };
    return std::none_of(blocked_.begin(), blocked_.end(), hitsPlot) &&
           std::none_of(placed_.begin(), placed_.end(), hitsLabel);
}

bool LabelLayout::place(const Box& label, const Box& region) {
    if (!fits(label, region)) return false;
    placed_.push_back(label);
    return true;
}

} // namespace varn::paint
