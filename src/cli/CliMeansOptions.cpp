#include "CliMeansOptions.h"

#include "CliSession.h"
#include "engine/HmmMeansPurity.h"
#include "engine/PurityEstimate.h"

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

} // namespace

void addMeansOptions(OptionRules::List& options) {
    options.push_back("--hmm-means");
    options.push_back("--purity");
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
        error = "--hmm-means takes seven numbers M0,...,M6 (copy numbers 0..6), -1.50..1.50 (M6 may exceed it)";
        std::array<float, 7> means{};
        std::size_t start = 0;
        int count = 0;
        while (start <= text->size()) {
            const std::size_t comma = std::min(text->find(',', start), text->size());
            double m = 0;
            if (count == 7 || !parseNumber(std::string_view(*text).substr(start, comma - start), m)) return false;
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
    if (options.values.count("--purity") != 0 && options.values.at("--purity").size() > 1) {
        error = "--purity is given twice";
        return false;
    }
    error.clear();
    return true;
}

void applyMeansChoice(CliSession& session, const MeansChoice& choice, const std::string& command, std::ostream& err) {
    if (!choice.any()) return;
    CVARNDoc& doc = *session.doc;
    const int shown = session.view->shownArrayType;
    float meansBefore[kStates], spreadBefore[kStates];
    std::copy(doc.hmmMean, doc.hmmMean + kStates, meansBefore);
    std::copy(doc.hmmSdFactor, doc.hmmSdFactor + kStates, spreadBefore);
    if (choice.means) {
        std::copy(choice.means->begin(), choice.means->end(), doc.hmmMean);
        adoptStoredHmmMeans(doc, false);
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
        std::equal(spreadBefore, spreadBefore + kStates, doc.hmmSdFactor))
        return;
    redecodeProfiles(doc, shown);
}

} // namespace varn::cli
