#include "WindowMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace varn {

namespace {
double extent(int e) {
    return e == 0 ? 1.0 : static_cast<double>(e);
}
} // namespace

double WindowMapping::deviceX(int logical) const {
    return (logical - static_cast<double>(orgX)) / extent(extX);
}

double WindowMapping::deviceY(int logical) const {
    return (logical - static_cast<double>(orgY)) / extent(extY);
}

int WindowMapping::logicalX(double device) const {
    return static_cast<int>(std::lround(device * extent(extX) + orgX));
}

int WindowMapping::logicalY(double device) const {
    return static_cast<int>(std::lround(device * extent(extY) + orgY));
}

double WindowMapping::penWidth(int logicalWidth) const {
    return std::max(1.0, std::abs(logicalWidth / extent(extX)));
}

} // namespace varn
