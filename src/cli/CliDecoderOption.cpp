#include "CliDecoderOption.h"

#include "CliSession.h"
#include "engine/analysis/AlleleSpecificDecoding.h"
#include "engine/analysis/ApplyPurityPloidySolution.h"
#include "engine/analysis/ResultWording.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/PurityEstimate.h"
#include "engine/signal/BaselineRegionLevel.h"

#include <cmath>
#include <ostream>

namespace varn::cli {

void addDecoderOption(OptionRules::List& options) {
    options.push_back("--decoder");
}

bool readDecoderChoice(const ParsedOptions& options, DecoderChoice& choice, std::string& error) {
    if (options.values.count("--decoder") != 0 && options.values.at("--decoder").size() > 1) {
        error = "--decoder is given twice";
        return false;
    }
    if (auto text = options.single("--decoder")) {
        if (*text != "hmm" && *text != "alleles") {
            error = "--decoder takes hmm (the seven-state HMM) or alleles (the allele-specific HMM)";
            return false;
        }
        choice.alleles = *text == "alleles";
        choice.given = true;
    }
    return true;
}

void fillMeansForDecoder(const DecoderChoice& decoder, MeansChoice& means) {
    if (!decoder.alleles || means.any()) return;
    means.autoPurity = true;
    means.autoPloidy = true;
}

void applyPairedFit(CliSession& session, const DecoderChoice& decoder, const std::string& command,
                    std::ostream& err) {
    if (!decoder.alleles) return;
    CVARNDoc& doc = *session.doc;
    const int t = session.view->shownArrayType;
    const std::string prefix = "varn-cli " + command + ": ";
    const std::string unchanged = "; decoding at the tumour cell fraction in use";
    PurityFitOptions options;
    options.dataDecideBaseline = true;
    PurityEstimate e;
    std::string reason;
    if (!estimatePurity(doc, t, true, e, reason, options)) {
        err << prefix << reason << unchanged << "\n";
        return;
    }
    if (!e.joint) {
        err << prefix << "tumour cells and ploidy cannot be fitted together: " << e.alleleReason << unchanged
            << "\n";
        return;
    }
    if (!e.fit.decided) {
        err << prefix << purityText(e) << unchanged << "\n";
        return;
    }
    const PurityPloidySolution& s = e.fit.solutions.front();
    err << prefix << solutionText(s) << "\n";
    setHmmMeansForPurity(doc, s.purity, false);
    if (s.regionCopyNumber[t] >= 1) doc.baseCopyNumber = s.regionCopyNumber[t];
}

namespace {

std::string decodedLine(const std::string& command, double purity, int regionCopyNumber) {
    return "varn-cli " + command + ": allele-specific decoding, tumour cells " +
           figureText(Figure::TumourCells, purity) + ", baseline region " + std::to_string(regionCopyNumber) +
           " copies";
}

} // namespace

void reportStoredDecoding(const CVARNDoc& doc, const std::string& command, std::ostream& err) {
    const AppliedSolution& s = doc.appliedSolution;
    if (s.number > 0)
        err << "varn-cli " << command << ": " << (s.number > 1 ? "solution " + std::to_string(s.number) + ": " : "")
            << solutionText(solutionOfApplied(s)) << "\n";
    if (doc.alleleSpecificDecoding) err << decodedLine(command, doc.hmmMeansPurity, baselineCopyNumberOf(doc)) << "\n";
}

int applyDecoderChoice(CliSession& session, const DecoderChoice& choice, const std::string& command,
                       std::ostream& err) {
    CVARNDoc& doc = *session.doc;
    if (choice.given && !choice.alleles && doc.alleleSpecificDecoding) {
        // Stored decoded by the allele-specific HMM, asked for the seven-state one.
        doc.alleleSpecificDecoding = false;
        redecodeProfiles(doc, session.view->shownArrayType);
    }
    if (!choice.alleles) return -1;
    const bool paired = doc.referenceMode == kSelfReference;
    doc.alleleSpecificDecoding = true;
    const AlleleDecoding d = decodeAlleleSpecific(doc, session.view->shownArrayType, paired);
    if (!d.decoded) return session.fail("the allele-specific decoding cannot run: " + d.why);
    std::string line = decodedLine(command, d.purity, d.regionCopyNumber);
    if (d.sex.read) line += std::string(", X reads ") + (d.sex.male ? "male" : "female");
    err << line << "\n";
    if (!d.warning.empty()) err << "varn-cli " << command << ": warning: " << d.warning << "\n";
    return -1;
}

} // namespace varn::cli
