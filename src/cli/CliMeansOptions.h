#pragma once

#include "CliOptions.h"

#include <array>
#include <iosfwd>
#include <optional>
#include <string>

namespace varn::cli {

class CliSession;

// --hmm-means M0,...,M6 (what the HMM parameter dialog sets, all seven) and --purity auto|P
// (the means for a tumour cell fraction P in 0.10 .. 1.00; auto: the estimate).
struct MeansChoice {
    std::optional<std::array<float, 7>> means;
    bool autoPurity = false;
    std::optional<double> purity;

    bool any() const { return means || autoPurity || purity; }
};

// The two option names, for a command's rules.
void addMeansOptions(OptionRules::List& options);

// False with the reason (naming the option) on a usage mistake.
bool readMeansChoice(const ParsedOptions& options, MeansChoice& choice, std::string& error);

// After the analysis is decoded: sets the chosen means, prints the estimate for --purity auto as
// one line on stderr, and recomputes and decodes the profile shown (both arrays in the merged
// view) as OK in the HMM parameter dialog does.
void applyMeansChoice(CliSession& session, const MeansChoice& choice, const std::string& command, std::ostream& err);

} // namespace varn::cli
