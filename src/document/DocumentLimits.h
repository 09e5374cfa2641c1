#pragma once

#include <cstddef>

// Capacities of the analysis document. The two 50K arrays share one numbering of SNP slots:
// Hind records 0..57243, Xba records 57244..116203.
namespace varn {

inline constexpr int kSlots = 116204;        // SNP slots of both arrays together
inline constexpr int kPoolRows = 200;        // row 0 (the sample) plus at most 199 references
inline constexpr int kNameRows = 500;        // rows of poolSampleName per array type
inline constexpr int kNameSize = 32;         // 31 characters and a terminator
inline constexpr int kProbes = 40;           // probe intensities per SNP in a signal file
inline constexpr int kStates = 7;            // copy-number states 0..6
inline constexpr int kFitPoints = 120000;    // fitX / fitY, used from place 1
inline constexpr int kChrPosListSize = 12000; // chrPosList, used from place 1
inline constexpr int kRefSelectedSize = 300;
inline constexpr int kRefCountSize = 6;

// Array types.
inline constexpr int kCombined = 0;
inline constexpr int kXba = 1;
inline constexpr int kHind = 2;

// The arrays an analysis of type t reads: Xba and Hind for the merged analysis, else t alone.
constexpr int firstArrayOf(int t) { return t == kCombined ? kXba : t; }
constexpr int lastArrayOf(int t) { return t == kCombined ? kHind : t; }

// Whether an index (a record, a display position) names one of the SNP slots.
constexpr bool inSlots(int index) { return index >= 0 && index < kSlots; }

// The array whose slot this is: a record and its display position both lie in their array's
// part of the numbering.
inline constexpr int kXbaFirstSlot = 57244;
constexpr int arrayOfSlot(int slot) { return slot >= kXbaFirstSlot ? kXba : kHind; }

// Genotype codes.
inline constexpr int kNoCall = 0;
inline constexpr int kCallAA = 1;
inline constexpr int kCallAB = 2;
inline constexpr int kCallBB = 3;

// Reference modes.
inline constexpr int kSelfReference = 1;
inline constexpr int kNonSelfReference = 2;

} // namespace varn
