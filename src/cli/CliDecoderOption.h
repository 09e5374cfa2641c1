#pragma once

#include "CliMeansOptions.h"
#include "CliOptions.h"

#include <iosfwd>
#include <string>

namespace varn {
class CVARNDoc;
}

namespace varn::cli {

class CliSession;

// --decoder hmm|alleles: the seven-state HMM (the default) or the allele-specific one, which
// decodes total and minor copies from the log ratio and the alleles together, both arrays of a
// merged analysis in one chain, and X where the sexes allow.
struct DecoderChoice {
    bool alleles = false;
    bool given = false; // --decoder given: hmm then also undoes a stored allele-specific decoding
};

void addDecoderOption(OptionRules::List& options);

// False with the reason (naming the option) on a usage mistake.
bool readDecoderChoice(const ParsedOptions& options, DecoderChoice& choice, std::string& error);

// The allele-specific decoder places its states by the tumour fraction and the baseline region's
// copy number; left to itself (none of --hmm-means, --purity, --ploidy, --solution given) it takes
// them from the joint fit's best solution, as --purity auto --ploidy auto does, the data deciding
// the region's copy number. The fit that cannot run or decide says so and leaves the means in use.
void fillMeansForDecoder(const DecoderChoice& decoder, MeansChoice& means);

// The same for a paired analysis, which has no means options: the joint fit of the tumour
// against its normal, its best solution printed on stderr and its fraction and the region's copy
// number applied before applyDecoderChoice decodes.
void applyPairedFit(CliSession& session, const DecoderChoice& decoder, const std::string& command, std::ostream& err);

// After the analysis and its means: decodes the analysis shown with the allele-specific HMM at the
// tumour fraction and baseline copy number in use, and says so in one line on stderr (with the
// sexes read, and a warning line when X is left undecoded). Returns -1 to go on, otherwise the
// exit status (the allele analysis it needs cannot run: the reason on stderr).
int applyDecoderChoice(CliSession& session, const DecoderChoice& choice, const std::string& command, std::ostream& err);

// After a stored pool analysis was loaded (reload, merged, report): the solution of the joint fit
// and the decoder it was stored with, each as one line on stderr, in the words the command that
// applied them used.
void reportStoredDecoding(const CVARNDoc& doc, const std::string& command, std::ostream& err);

} // namespace varn::cli
