#pragma once

#include "document/profile/ProfileRow.h"

#include <filesystem>
#include <string>
#include <vector>

namespace varn {

class TextStream;
struct Profile;
struct ReadSummary;

// Which rows of a final report are read: its samples come in runs of rows, and only the chosen
// sample's are kept (the only one's when none is chosen; a second one ends the keeping, and the
// reading is then refused). The state after any row depends on the current sample and the list.
struct SampleRows {
    int column = -1;    // "Sample ID"; -1 when the file has none (every row is kept)
    std::string chosen; // the sample asked for; empty for the file's only one
    std::string current;
    bool wanted = true;
    std::vector<std::string> samples; // in order of first appearance
};

// Reads every data row left in the stream into the profile with addRow, blank lines skipped,
// block by block; each block's lines are cut at line ends into pieces that two threads read side
// by side, then joined in file order. A piece is read again after the ones before it where its
// rows could depend on theirs (a new sample, many or long names of left-out chromosomes), so the
// result is always that of reading the rows one by one. Empty when the stream was read to its
// end, else the refusal with its line.
std::string readRowBlocks(TextStream& in, const std::filesystem::path& file, char separator,
                          const RowColumns& columns, SampleRows& samples, Profile& profile,
                          ReadSummary& summary);

} // namespace varn
