#pragma once

#include "export/PictureFormat.h"

#include <filesystem>
#include <string>
#include <vector>

namespace varn {
struct ProfileResult;
}

namespace varn::cli {

class CliUserInterface;
struct CommandContext;

// The outputs profile writes, as analyze's OUTPUTS name them.
struct ProfileOutputs {
    bool store = false;
    bool segments = false;
    bool baf = false;
    std::string plot;                             // --plot FILE.png|.svg|.pdf
    std::string chromosomePlots;                  // --plot-chromosomes PREFIX: PREFIX-ch1.png ..
    std::string chromosomePlotExtension = ".png"; // PREFIX.svg / PREFIX.pdf choose another kind
    std::string report;                           // --report FILE.pdf
    int dpi = kScreenDpi;
};

// Writes the outputs of a result in the order above; every file written is confirmed on stdout,
// every failure is one line on stderr. True when all were written. sources are the files the
// profile was read from, for the report's record.
bool writeProfileOutputs(const CommandContext& context, CliUserInterface& ui, const ProfileResult& result,
                         const ProfileOutputs& outputs, const std::vector<std::string>& sources);

} // namespace varn::cli
