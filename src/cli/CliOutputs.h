#pragma once

#include "CliOptions.h"

#include <string>

namespace varn::cli {

class CliSession;

// The exports asked for after an analysis: Store, IGBFileOut, RawDataOut and the view file.
struct OutputChoice {
    bool store = false;
    bool tracks = false;
    bool rawData = false;
    bool viewFile = false;
};

inline const OptionRules::List kOutputFlags = {"--store", "--tracks", "--raw-data", "--view-file"};

OutputChoice outputsFrom(const ParsedOptions& options);

// Whether the window would offer each chosen output in the display mode the command ends in; the
// reason for the first that it would not, else an empty text. Asked before the analysis runs.
std::string unavailableOutput(CliSession& session, const OutputChoice& outputs, int mode,
                              const std::string& command);

// Runs the chosen exports on the analysis shown, in the order of the OUTPUTS list.
void writeOutputs(CliSession& session, const OutputChoice& outputs);

} // namespace varn::cli
