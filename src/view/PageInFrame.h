#pragma once

namespace varn {

class CVARNView;

// Drawing a page into a frame of its own (a report's page) and putting the view back afterwards:
// the guard keeps what the view shows (mode, chromosome, preset, scroll, fit, viewport) and
// restores it when it goes out of scope.
class ShownPageGuard {
  public:
    explicit ShownPageGuard(CVARNView& view);
    ~ShownPageGuard();
    ShownPageGuard(const ShownPageGuard&) = delete;
    ShownPageGuard& operator=(const ShownPageGuard&) = delete;

  private:
    CVARNView& view_;
    int mode_, chromosome_, orgX_, orgY_, extX_, extY_, scrollX_, scrollY_, width_, height_;
    bool fit_;
};

// The page shown, whole, in a frame of width x height device pixels (Fit to Window on it).
void fitPageInto(CVARNView& view, int width, int height);

// From a genome page to chromosome c of the same profile, at that mode's Monitor preset, as
// EachChromosome shows it without asking.
void showChromosomeOf(CVARNView& view, int chromosome);

} // namespace varn
