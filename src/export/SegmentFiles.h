#pragma once

#include "Segments.h"

#include <string>
#include <vector>

namespace varn {

// The header of a SEG file, as IGV, GISTIC 2.0 and cBioPortal expect it.
inline constexpr const char* kSegHeader = "ID\tchrom\tloc.start\tloc.end\tnum.mark\tseg.mean\n";
// The header of the segment table.
inline constexpr const char* kSegmentTableHeader = "ID\tchrom\tloc.start\tloc.end\tnum.mark\tseg.mean."
                                                   "ln\tseg.mean.log2\tcopy.number\tloh\tloh.mean\tloh.max\n";
// The columns an allele analysis appends to the segment table's header (before its line end).
inline constexpr const char* kSegmentAlleleColumns = "\tnMajor\tnMinor\tbaf.mirrored\tloh.alleles\tcn.mismatch";

// The mean log2 ratio of a segment: its natural-log mean over ln 2.
double log2Mean(const CopyNumberSegment& segment);
// "tumour cells=NN%" for a purity below 1, else empty.
std::string tumourCellsNote(float purity);

// SEG: one header, then every sample's segments in the order given (a cohort is one file).
std::string segFileText(const std::vector<SegmentedSample>& samples);
// The segment table: every column of a segment, with "# tumour cells=NN%" first when the HMM
// means stood for a tumour fraction below 1.
std::string segmentTableText(const SegmentedSample& sample);
// BED9 of the segments other than copy number 2 without LOH, for genome browsers.
std::string segmentBedText(const SegmentedSample& sample);

} // namespace varn
