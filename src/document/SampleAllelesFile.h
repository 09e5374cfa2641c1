#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace varn {

class CVARNDoc;

// The analysed sample's allele sums beside its stored pool analysis: the .temp keeps only the
// total signal of each SNP, and the B-allele fraction needs allele A and allele B apart. The
// .temp itself never changes; its sums live in a file of their own with the same stem,
// "<sample>.alleles", written by Store only for an analysis that asked for the allele analysis.

// "Tumor1X.temp" -> "Tumor1X.alleles" in the same folder.
std::filesystem::path sampleAllelesPath(const std::filesystem::path& tempPath);

// What ties the side file to the stored analysis it was written with: FNV-1a 64 over the .temp's
// signal lines (lines 4 onward, one per SNP record of array t), as they stand in the file. Those
// lines are the sample's own data; the settings after them may change from one Store to the next.
std::uint64_t storedSignalKey(std::string_view tempText, int recordCount);

// The side file of array t for the sample in row 0: a header and one line "A<TAB>B" per SNP
// record, printed so that every float reads back bit for bit.
std::string formatSampleAllelesFile(const CVARNDoc& doc, int t, std::uint64_t tempKey);

// Takes the side file's sums of array t into row 0 of alleleASignal / alleleBSignal. Returns an
// empty text when it did, else why not (the rows are then untouched): another array's file,
// another sample's, one written with another analysis of the sample, or a damaged one.
std::string parseSampleAllelesFile(CVARNDoc& doc, int t, std::string_view text, std::string_view fileName,
                                   std::uint64_t tempKey);

// After a stored pool analysis of array t was loaded from tempPath (tempText its bytes): reads
// the side file beside it when there is one and records in sampleAllelesHeld[t] and
// sampleAllelesMissing[t] whether the sample's allele sums are now in the document. Shows no
// message: the allele analysis says what is missing when it is asked for.
void loadSampleAllelesBeside(CVARNDoc& doc, int t, const std::filesystem::path& tempPath,
                             std::string_view tempText);

// Writes the side file beside the .temp just written at tempPath, through a temporary name.
// False (after the program's message) when it cannot be written.
bool storeSampleAllelesBeside(CVARNDoc& doc, int t, const std::filesystem::path& tempPath,
                              std::string_view tempText);

} // namespace varn
