#pragma once

#include <vector>

namespace varn::paint {

// The pixels labels keep apart across, so that neighbouring numbers ("16", "17") do not read as
// one.
inline constexpr int kLabelGap = 3;

// A rectangle of device pixels, right and bottom exclusive.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool intersects(const Box& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool inside(const Box& o) const {
        return left >= o.left && right <= o.right && top >= o.top && bottom <= o.bottom;
    }
    bool empty() const { return right <= left || bottom <= top; }
};

// The labels of one paint, placed first come first served: a label goes where it lies inside its
// region and touches neither a plot nor a label placed before it; otherwise it is left out. The
// caller offers the labels a reader needs most first, and shorter or shifted forms after a refusal.
class LabelLayout {
  public:
    // A plot's area, where no label may go.
    void block(const Box& area);
    // True, and the label's room taken, when it fits.
    bool place(const Box& label, const Box& region);
    bool fits(const Box& label, const Box& region) const;

  private:
    std::vector<Box> blocked_;
    std::vector<Box> placed_;
};

} // namespace varn::paint
