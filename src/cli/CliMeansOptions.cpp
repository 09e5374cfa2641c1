#include "CliMeansOptions.h"

#include "CliSession.h"
#include "engine/analysis/ApplyPurityPloidySolution.h"
#include "engine/analysis/ResultWording.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/PurityEstimate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>

namespace varn::cli {

namespace {

bool parseNumber(std::string_view text, double& value) {
    if (text.empty()) return false;
    const std::string copy(text);
    char* end = nullptr;
    value = std::strtod(copy.c_str(), &end);
    return end == copy.c_str() + copy.size() && std::isfinite(value);
}

// --ploidy and --solution: the joint fit of fraction and ploidy (the data deciding the
// baseline with --ploidy auto, a ploidy or a fraction given held), its chosen solution printed and
// applied as the window's HMM dialog applies a solution picked from its list. False, with the
// line that says why, when there is nothing to apply.
bool applySolution(CVARNDoc& doc, int shown, const MeansChoice& choice, const std::string& command,
                   std::ostream& err) {
    const std::string prefix = "varn-cli " + command + ": ";
    const std::string unchanged = "; the HMM means are left as they were";
    PurityFitOptions options;
    options.dataDecideBaseline = choice.autoPloidy;
    options.listMapBest = true; // numbered as varn-cli purity and the window's list number them
    if (choice.purity) options.fixedPurity = *choice.purity;
    if (choice.ploidy) options.fixedPloidy = *choice.ploidy;
    PurityEstimate e;
    std::string reason;
    if (!estimatePurity(doc, shown, false, e, reason, options)) {
        err << prefix << reason << "\n";
        return false;
    }
    if (!e.joint) {
        err << prefix << "tumour cells and ploidy cannot be fitted together: " << e.alleleReason << unchanged
            << "\n";
        return false;
    }
    const std::size_t n = static_cast<std::size_t>(choice.solution.value_or(1));
    if (n > e.fit.solutions.size()) {
        err << prefix << "there is no solution " << n << " (the fit found " << e.fit.solutions.size() << ")"
            << unchanged << "\n";
        return false;
    }
    // Without --solution the best is taken when the fit decides; --solution decides for it.
    if (!choice.solution && !e.fit.decided) {
        err << prefix << purityText(e) << unchanged << "\n";
        return false;
    }
    const PurityPloidySolution& s = e.fit.solutions[n - 1];
    err << prefix << (choice.solution ? "solution " + std::to_string(n) + ": " : std::string())
        << solutionText(s) << "\n";
    applyPurityPloidySolution(doc, shown, s, static_cast<int>(n));
    return true;
}

} // namespace

void addMeansOptions(OptionRules::List& options) {
    options.push_back("--hmm-means");
    options.push_back("--purity");
    options.push_back("--ploidy");
    options.push_back("--solution");
}

bool readMeansChoice(const ParsedOptions& options, MeansChoice& choice, std::string& error) {
    if (auto text = options.single("--purity")) {
        double p = 0;
        if (*text == "auto") {
            choice.autoPurity = true;
        } else if (parseNumber(*text, p) && p >= kPurityLow - 1e-9 && p <= kPurityHigh + 1e-9) {
            choice.purity = p;
        } else {
            error = "--purity takes auto or a tumour cell fraction 0.10..1.00";
            return false;
        }
    }
    if (auto text = options.single("--hmm-means")) {
        error =
            "--hmm-means takes seven numbers M0,...,M6 (copy numbers 0..6), -1.50..1.50 (M6 may exceed it)";
        std::array<float, 7> means{};
        std::size_t start = 0;
        int count = 0;
        while (start <= text->size()) {
            const std::size_t comma = std::min(text->find(',', start), text->size());
            double m = 0;
            if (count == 7 || !parseNumber(std::string_view(*text).substr(start, comma - start), m))
                return false;
            if (count < 6 && (m < -1.5 || m > 1.5)) return false;
            means[static_cast<std::size_t>(count++)] = static_cast<float>(m);
            start = comma + 1;
        }
        if (count != 7) return false;
        choice.means = means;
    }
    if (choice.means && (choice.autoPurity || choice.purity)) {
        error = "--hmm-means and --purity exclude each other";
        return false;
    }
    for (const char* name : {"--purity", "--ploidy", "--solution"})
        if (options.values.count(name) != 0 && options.values.at(name).size() > 1) {
            error = std::string(name) + " is given twice";
            return false;
        }
    if (auto text = options.single("--ploidy")) {
        double psi = 0;
        if (*text == "auto") {
            choice.autoPloidy = true;
        } else if (parseNumber(*text, psi) && psi >= kPurityPloidyParameters.ploidyLow - 1e-9 &&
                   psi <= kPurityPloidyParameters.ploidyHigh + 1e-9) {
            choice.ploidy = psi;
        } else {
            error = "--ploidy takes auto or a tumour ploidy 1.5..5.5";
            return false;
        }
    }
    if (auto text = options.single("--solution")) {
        int n = 0;
        if (!parseInt(*text, n) || n < 1) {
            error = "--solution takes the number of a solution of the fit, 1 for the best";
            return false;
        }
        choice.solution = n;
    }
    if (choice.means && choice.joint()) {
        error = choice.solution && !choice.autoPloidy && !choice.ploidy
                    ? "--hmm-means and --solution exclude each other"
                    : "--hmm-means and --ploidy exclude each other";
        return false;
    }
    // A fraction given leaves solutions to pick only along the ploidy.
    if (choice.solution && choice.purity && !choice.autoPloidy) {
        error = "--solution picks one of the fitted solutions: with --purity P it needs --ploidy auto";
        return false;
    }
    error.clear();
    return true;
}

void applyMeansChoice(CliSession& session, const MeansChoice& choice, const std::string& command,
                      std::ostream& err) {
    if (!choice.any()) return;
    CVARNDoc& doc = *session.doc;
    const int shown = session.view->shownArrayType;
    float meansBefore[kStates], spreadBefore[kStates];
    std::copy(doc.hmmMean, doc.hmmMean + kStates, meansBefore);
    std::copy(doc.hmmSdFactor, doc.hmmSdFactor + kStates, spreadBefore);
    const int baseBefore = doc.baseCopyNumber;
    if (choice.means) {
        std::copy(choice.means->begin(), choice.means->end(), doc.hmmMean);
        adoptStoredHmmMeans(doc, false);
    } else if (choice.joint()) {
        applySolution(doc, shown, choice, command, err);
        return;
    } else {
        double p = choice.purity.value_or(1.0);
        if (choice.autoPurity) {
            PurityEstimate e;
            std::string reason;
            if (!estimatePurity(doc, shown, false, e, reason)) {
                err << "varn-cli " << command << ": " << reason << "\n";
                return;
            }
            std::string line = "varn-cli " + command + ": " + purityText(e);
            if (!e.decided) line += "; the HMM means are left as they were";
            err << line << "\n";
            if (!e.decided) return;
            p = e.purity;
        }
        setHmmMeansForPurity(doc, p, false);
    }
    // The means the analysis was decoded with (the pure ones for p = 1): nothing to decode again,
    // and every output stays what it would be without the option.
    if (std::equal(meansBefore, meansBefore + kStates, doc.hmmMean) &&
        std::equal(spreadBefore, spreadBefore + kStates, doc.hmmSdFactor) && doc.baseCopyNumber == baseBefore)
        return;
    redecodeProfiles(doc, shown);
}

} // namespace varn::cli
