#include "GenomeStrip.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

constexpr int kChromosomes = 23;

} // namespace

GenomeStrip::GenomeStrip(GenomeBuild build, GenomeRange visible, double left, double width)
    : build_(build), visible_(visible), left_(left), width_(std::max(1.0, width)) {
    start_[0] = start_[1] = 0;
    for (int c = 1; c <= kChromosomes; ++c)
        start_[static_cast<std::size_t>(c + 1)] =
            start_[static_cast<std::size_t>(c)] + varn::chromosomeLength(build, c);
    if (visible_.to <= visible_.from) visible_.to = visible_.from + 1;
    perBase_ = width_ / static_cast<double>(visible_.to - visible_.from);
    columns_ = std::max(1, static_cast<int>(std::floor(width_)));
}

GenomeRange GenomeStrip::wholeGenome(GenomeBuild build) {
    long long end = 0;
    for (int c = 1; c <= kChromosomes; ++c) end += varn::chromosomeLength(build, c);
    return {0, end};
}

GenomeRange GenomeStrip::chromosomeRange(GenomeBuild build, int chromosome) {
    long long start = 0;
    for (int c = 1; c < chromosome && c <= kChromosomes; ++c) start += varn::chromosomeLength(build, c);
    return {start, start + varn::chromosomeLength(build, chromosome)};
}

int GenomeStrip::chromosomeLength(int chromosome) const {
    return varn::chromosomeLength(build_, chromosome);
}

long long GenomeStrip::coordinate(int chromosome, long long base) const {
    const int c = std::clamp(chromosome, 1, kChromosomes);
    return start_[static_cast<std::size_t>(c)] + std::clamp<long long>(base, 0, chromosomeLength(c));
}

double GenomeStrip::xOfCoordinate(long long coordinate) const {
    return left_ + static_cast<double>(coordinate - visible_.from) * perBase_;
}

double GenomeStrip::xOf(int chromosome, long long base) const {
    return xOfCoordinate(coordinate(chromosome, base));
}

int GenomeStrip::columnOf(long long coordinate) const {
    const double column = std::floor(static_cast<double>(coordinate - visible_.from) * perBase_);
    return static_cast<int>(std::clamp(column, 0.0, static_cast<double>(columns_ - 1)));
}

Locus GenomeStrip::locusAt(double x) const {
    // The bases left of x, x moved right by a hair (a billionth of a pixel): x at a base's own left
    // edge, worked out in floating point, may come back a little short of it.
    const long long coordinate =
        visible_.from + static_cast<long long>(std::floor((x - left_ + 1e-9) / perBase_));
    if (coordinate < 0 || coordinate > start_[kChromosomes + 1]) return {};
    // The chromosome whose span holds it; the end of X belongs to X.
    const auto next = std::upper_bound(start_.begin() + 1, start_.begin() + kChromosomes + 1, coordinate);
    const int c = static_cast<int>(next - start_.begin()) - 1;
    return {c, coordinate - start_[static_cast<std::size_t>(c)]};
}

} // namespace varn
