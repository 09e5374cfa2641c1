#pragma once

#include "AppliedSolution.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace varn {

class CVARNDoc;

// How a stored pool analysis was decoded, beside its .temp: which HMM decoded it and the solution
// of the joint fit its means and baseline copy number were set from. The .temp itself never
// changes; the decoding lives in a file of its own with the same stem, "<sample>.decoding",
// written by Store only when there is something to keep (the allele-specific decoder, or a
// solution applied).
struct StoredDecoding {
    bool alleles = false;     // the allele-specific HMM; false: the seven-state one
    AppliedSolution solution; // number 0: none
};

// "Tumor6X.temp" -> "Tumor6X.decoding" in the same folder.
std::filesystem::path storedDecodingPath(const std::filesystem::path& tempPath);

// What ties the side file to the one .temp it was written with: FNV-1a 64 over all its bytes.
std::uint64_t storedTempKey(std::string_view tempText);

// The side file's text: a magic line, a version line, the key, then one "name value" line each.
std::string formatStoredDecoding(const StoredDecoding& decoding, std::uint64_t tempKey);

// False when the text is not a decoding file of this version or was written with another .temp.
bool parseStoredDecoding(std::string_view text, std::uint64_t tempKey, StoredDecoding& decoding);

// After Store wrote tempText at tempPath: writes the side file when the analysis has a decoding
// to keep, and removes one left from an earlier Store of the same name when it has none. False
// (after the program's message) when it cannot be written.
bool storeDecodingBeside(CVARNDoc& doc, const std::filesystem::path& tempPath, std::string_view tempText);

// After a stored pool analysis was loaded from tempPath: reads the side file into
// doc.storedDecoding (none when it is missing, damaged or belongs to another .temp) and takes its
// solution back as the applied one when the means and the baseline copy number the .temp brought
// are the solution's.
void loadDecodingBeside(CVARNDoc& doc, const std::filesystem::path& tempPath, std::string_view tempText);

// Once the loaded analysis's profile was computed again (array t, or kCombined for both arrays
// merged): decodes it with the allele-specific HMM when it was stored so decoded (the status line
// says so when that decoder cannot run now), and forgets doc.storedDecoding.
void restoreStoredDecoder(CVARNDoc& doc, int t);

} // namespace varn
