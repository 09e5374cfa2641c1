#pragma once

#include "CliOptions.h"

#include <string>

namespace varn::cli {

class CliSession;

// The exports asked for after an analysis: Store, IGBFileOut, RawDataOut and the view file; and a
// picture of the display the analysis ends in.
struct OutputChoice {
    bool store = false;
    bool tracks = false;
    bool rawData = false;
    bool viewFile = false;
    std::string plot;            // --plot FILE.png; empty for none
    std::string chromosomePlots; // --plot-chromosomes PREFIX: PREFIX-ch1.png .. PREFIX-chX.png
};

inline const OptionRules::List kOutputFlags = {"--store", "--tracks", "--raw-data", "--view-file"};

OutputChoice outputsFrom(const ParsedOptions& options);

// Whether the window would offer each chosen output in the display mode the command ends in; the
// reason for the first that it would not, else an empty text. Asked before the analysis runs.
std::string unavailableOutput(CliSession& session, const OutputChoice& outputs, int mode,
                              const std::string& command);

// Runs the chosen exports on the analysis shown, in the order of the OUTPUTS list, then draws the
// plots (the genome, then each chromosome through EachChromosome and back with AllGenome); a plot
// that cannot be written is reported and marks the session failed. Returns the command's exit
// status: failed when any message of the run reported a failure.
int writeOutputs(CliSession& session, const OutputChoice& outputs);

} // namespace varn::cli
