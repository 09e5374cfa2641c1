#pragma once

#include "document/profile/GenomeBuild.h"

#include <array>

namespace varn {

// A place on the genome: chromosome 1..23 (23 = X) and a base on it; chromosome 0 for a place off
// the genome.
struct Locus {
    int chromosome = 0;
    long long base = 0;
    friend bool operator==(const Locus&, const Locus&) = default;
};

// Part of the genome coordinate, both ends included.
struct GenomeRange {
    long long from = 0, to = 0;
};

// The chromosomes of a build laid end to end, by their length in bases, along one line: a genome
// coordinate runs from base 0 of chromosome 1 to the end of X. One long strip rather than the 50K
// genome page's rows, so that one x axis serves the whole genome, a chromosome and any stretch a
// window zooms to alike: the visible range is all it takes, and the window's zoom and scroll stay
// outside. The visible range [from, to] is drawn onto device x [left, left + width]; pixel column
// k covers x in [left + k, left + k + 1).
class GenomeStrip {
  public:
    GenomeStrip(GenomeBuild build, GenomeRange visible, double left, double width);

    // The whole genome, and chromosome c from its base 0 to its last.
    static GenomeRange wholeGenome(GenomeBuild build);
    static GenomeRange chromosomeRange(GenomeBuild build, int chromosome);

    GenomeBuild build() const { return build_; }
    const GenomeRange& visible() const { return visible_; }
    double left() const { return left_; }
    double width() const { return width_; }
    // The number of whole pixel columns.
    int columns() const { return columns_; }

    // The genome coordinate of a base; a base past its chromosome's end is held at the end, so that
    // coordinates keep the order of the SNPs of a profile read against a slightly different build.
    long long coordinate(int chromosome, long long base) const;
    long long chromosomeStart(int chromosome) const { return start_[static_cast<std::size_t>(chromosome)]; }
    int chromosomeLength(int chromosome) const;

    double xOf(int chromosome, long long base) const;
    double xOfCoordinate(long long coordinate) const;
    // The pixel column of a coordinate, held inside 0 .. columns() - 1.
    int columnOf(long long coordinate) const;
    // The base under device x; chromosome 0 left of the genome's start or right of its end.
    Locus locusAt(double x) const;

  private:
    GenomeBuild build_;
    GenomeRange visible_;
    double left_ = 0, width_ = 1, perBase_ = 0;
    int columns_ = 1;
    std::array<long long, 25> start_{}; // [c] = coordinate of base 0 of chromosome c; [24] = the end
};

} // namespace varn
