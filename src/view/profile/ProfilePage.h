#pragma once

#include "GenomeStrip.h"

namespace varn {

class Canvas;
struct ProfilePicture;

// A picture's size in device pixels at the screen's resolution.
struct PictureSize {
    int width = 0, height = 0;
};

// The pictures' sizes: the genome page wide enough that a chromosome of the middle size gets some
// seventy pixel columns, a chromosome page the size of the 50K chromosome pictures.
inline constexpr PictureSize kGenomePictureSize{1800, 800};
inline constexpr PictureSize kChromosomePictureSize{1200, 800};
// In a report's A4 landscape frame: narrower, so that the texts shrink less, and a chromosome's
// page low enough that two share a report page.
inline constexpr PictureSize kReportGenomeSize{1400, 760};
inline constexpr PictureSize kReportChromosomeSize{1400, 360};

// A page of the profile over the visible part of the genome, drawn at extent 1 (one logical unit
// a device pixel) into `size`: the title and the legend over the log ratio, the decoded call over
// it, the B-allele fraction panel under it, then the ideogram, the megabase axis and the
// chromosomes' names. Each pixel column draws the range of its SNPs' values with their median, so
// the cost follows the page's width, not the number of SNPs.
void paintProfilePage(Canvas& canvas, const ProfilePicture& picture, GenomeRange visible, PictureSize size);

// The whole genome, and chromosome c (1..23) alone.
void paintProfileGenome(Canvas& canvas, const ProfilePicture& picture, PictureSize size = kGenomePictureSize);
void paintProfileChromosome(Canvas& canvas, const ProfilePicture& picture, int chromosome,
                            PictureSize size = kChromosomePictureSize);

} // namespace varn
