#pragma once

#include "CliOptions.h"

#include <array>
#include <iosfwd>
#include <optional>
#include <string>

namespace varn::cli {

class CliSession;

// --hmm-means M0,...,M6 (what the HMM parameter dialog sets, all seven) and --purity auto|P
// (the means for a tumour cell fraction P in 0.10 .. 1.00; auto: the estimate); --ploidy auto|X
// (the tumour's ploidy X in 1.5 .. 5.5, or auto: the data decide the baseline's copy number) and
// --solution N (the N-th solution of the joint fit of fraction and ploidy, 1 the best).
struct MeansChoice {
    std::optional<std::array<float, 7>> means;
    bool autoPurity = false;
    std::optional<double> purity;
    bool autoPloidy = false;
    std::optional<double> ploidy;
    std::optional<int> solution;

    bool any() const { return means || autoPurity || purity || joint(); }
    // The fraction and the ploidy are fitted (or placed) together.
    bool joint() const { return autoPloidy || ploidy || solution; }
};

// The option names, for a command's rules.
void addMeansOptions(OptionRules::List& options);

// False with the reason (naming the option) on a usage mistake.
bool readMeansChoice(const ParsedOptions& options, MeansChoice& choice, std::string& error);

// After the analysis is decoded: sets the chosen means, prints the estimate for --purity auto
// (the solution used, with --ploidy or --solution) as one line on stderr, and recomputes and
// decodes the profile shown (both arrays in the merged view) as OK in the HMM parameter dialog
// does. A solution also gives the baseline region the copy number it has in it.
void applyMeansChoice(CliSession& session, const MeansChoice& choice, const std::string& command, std::ostream& err);

} // namespace varn::cli
