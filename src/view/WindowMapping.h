#pragma once

namespace varn {

// The anisotropic window mapping of the drawing surface: the window origin is the logical point
// at the top-left of the window and the extent is the number of logical units per device pixel,
// per axis. An extent of 0 (a view that has not chosen one yet) counts as 1.
struct WindowMapping {
    int orgX = 0, orgY = 0;
    int extX = 1, extY = 1;

    double deviceX(int logicalX) const;
    double deviceY(int logicalY) const;
    int logicalX(double deviceX) const;
    int logicalY(double deviceY) const;
    // Device width of a pen of the given logical width: scaled like the x axis, but never below
    // one pixel.
    double penWidth(int logicalWidth) const;
};

} // namespace varn
