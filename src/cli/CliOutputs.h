#pragma once

#include "CliOptions.h"
#include "CliUserInterface.h"
#include "export/PictureFormat.h"

#include <string>

namespace varn::cli {

class CliSession;
struct CommandContext;

// The exports asked for after an analysis: Store, IGBFileOut, RawDataOut, the view file,
// SegmentOut and AlleleOut; and a picture of the display the analysis ends in.
struct OutputChoice {
    bool store = false;
    bool tracks = false;
    bool rawData = false;
    bool viewFile = false;
    bool segments = false;
    bool baf = false;            // the allele analysis: AlleleOut, and the allele columns of --segments
    std::string plot;            // --plot FILE.png|.svg|.pdf; empty for none
    std::string chromosomePlots; // --plot-chromosomes PREFIX: PREFIX-ch1.png .. PREFIX-chX.png
    std::string chromosomePlotExtension = ".png"; // PREFIX.svg / PREFIX.pdf choose another kind
    int dpi = kScreenDpi;                          // --dpi N, for the PNG plots
    bool annotate = true;                          // --annotate yes|no: "Axes and Legend"
    bool bafPanel = false; // --baf-panel yes: the plots carry the B-allele fraction panel
};

// The local time a report is made, "YYYY-MM-DD HH:MM", as its first page and record print it.
std::string reportMadeAt();

// --dpi N: the resolution of the PNG plots, 72..1200; false with the reason.
bool readPlotDpi(const ParsedOptions& options, int& dpi, std::string& error);
// --annotate yes|no: the pictures with "Axes and Legend", as the window draws them by default, or
// without; false with the reason.
bool readAnnotate(const ParsedOptions& options, bool& annotate, std::string& error);

// What every command that ends on a profile takes besides its own options: the averaging
// dialog's answer (--average, --all-data), the exports and the plots.
struct ProfileOptions {
    CliUserInterface::AverageAnswer averaging;
    OutputChoice outputs;
};

// The option rules of such a command: its own value options and number of plain words, plus the
// shared ones above.
OptionRules profileCommandRules(OptionRules::List ownOptions, int maxWords);

// Reads the shared options; false with the reason in error.
bool readProfileOptions(const ParsedOptions& options, ProfileOptions& shared, std::string& error);

// Before the analysis runs: the annotation was read, and the window would offer each chosen
// output in the display mode the command ends in. Returns -1 to go on, otherwise the exit status
// (an output the display does not offer is a usage error that names the reason). The view takes
// the pictures' --annotate.
int checkSessionAndOutputs(const CommandContext& context, CliSession& session, const OutputChoice& outputs,
                           int mode, const std::string& command);

// Runs the chosen exports on the analysis shown, in the order of the OUTPUTS list, then draws the
// plots (the genome, then each chromosome through EachChromosome and back with AllGenome); a plot
// that cannot be written is reported and marks the session failed. Returns the command's exit
// status: failed when any message of the run reported a failure.
int writeOutputs(CliSession& session, const OutputChoice& outputs);

} // namespace varn::cli
