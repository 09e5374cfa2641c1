#include "ResultWording.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace varn {

namespace {

std::string counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string figureDigits(Figure kind, double value) {
    char text[32];
    if (kind == Figure::TumourCells)
        std::snprintf(text, sizeof text, "%.0f", 100 * value);
    else
        std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string figureText(Figure kind, double value, double low, double high) {
    const char* unit = kind == Figure::TumourCells ? " %" : "";
    std::string text = figureDigits(kind, value) + unit;
    if (std::isnan(low) || std::isnan(high)) return text;
    const std::string from = figureDigits(kind, low), to = figureDigits(kind, high);
    // Narrower than the printed precision: its ends would only repeat the value.
    if (from == to) return text;
    return text + " (" + from + "\u2013" + to + unit + ")";
}

int fitDigits(const std::vector<PurityPloidySolution>& solutions) {
    constexpr int kMostDigits = 3;
    char a[32], b[32];
    for (int digits = 0; digits < kMostDigits; ++digits) {
        bool apart = true;
        for (std::size_t i = 0; i < solutions.size() && apart; ++i)
            for (std::size_t j = i + 1; j < solutions.size() && apart; ++j) {
                if (solutions[i].fit == solutions[j].fit) continue;
                std::snprintf(a, sizeof a, "%.*f", digits, 100 * solutions[i].fit);
                std::snprintf(b, sizeof b, "%.*f", digits, 100 * solutions[j].fit);
                apart = std::string_view(a) != std::string_view(b);
            }
        if (apart) return digits;
    }
    return kMostDigits;
}

std::string solutionText(const PurityPloidySolution& s, SolutionWording wording, int digits) {
    char fit[48];
    std::snprintf(fit, sizeof fit, " \u2014 fit %.*f %%", digits, 100 * s.fit);
    const std::string doubled = s.doubled ? ", genome doubled" : "";
    if (wording != SolutionWording::Full)
        return (wording == SolutionWording::ListedFirst ? "Tumour cells " : "next: ") +
               figureText(Figure::TumourCells, s.purity) + ", ploidy " + figureText(Figure::Ploidy, s.ploidy) +
               doubled + fit;
    return "Tumour cells " + figureText(Figure::TumourCells, s.purity, s.purityLow, s.purityHigh) + ", ploidy " +
           figureText(Figure::Ploidy, s.ploidy, s.ploidyLow, s.ploidyHigh) + doubled + fit;
}

std::string purityText(const PurityEstimate& e) {
    char text[200];
    if (e.joint && e.decided) return solutionText(e.fit.solutions.front());
    if (!e.decided) {
        std::snprintf(text, sizeof text, "Tumour cells: cannot tell (%s)", e.why.c_str());
        return text;
    }
    return "Tumour cells " + figureText(Figure::TumourCells, e.purity, e.low, e.high);
}

std::string alleleModelLearnedText(int withCalls, int references) {
    if (withCalls == 0) return "clustering";
    std::string text =
        "calls of " + std::to_string(withCalls) + " of " + std::to_string(references) + " references";
    if (withCalls < references) text += ", clustering of the rest";
    return text;
}

std::string summarisedFilesText(const std::vector<std::string>& files) {
    std::string names;
    for (std::size_t k = 0; k < files.size(); ++k)
        names += (k == 0 ? "" : (k + 1 == files.size() ? " and " : ", ")) + files[k];
    return files.size() == 1
               ? names + " reads allele A and allele B alike at every SNP (a summarised signal file)"
               : names + " read allele A and allele B alike at every SNP (summarised signal files)";
}

// Only their number: names would make the line of a large pool too long for the model file.
std::string summarisedLeftOutText(const std::vector<std::string>& files) {
    if (files.empty()) return {};
    return "; " + counted(static_cast<int>(files.size()), "summarised reference", "summarised references") +
           " left out";
}

std::string alleleModelGrownText(const std::string& learned, int added, int addedWithCalls, int summarised) {
    std::string_view rest = learned;
    const std::size_t cut = rest.find("; ");
    const std::string base(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 2);
    // Earlier notes of the same kinds: "N reference(s) added[ (K with calls)]" and "N summarised
    // reference(s) left out", separated by "; ".
    while (!rest.empty()) {
        const std::size_t end = rest.find("; ");
        const std::string_view note = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
        int n = 0;
        const auto [p, ec] = std::from_chars(note.data(), note.data() + note.size(), n);
        if (ec != std::errc()) continue;
        const std::string_view words(p, static_cast<std::size_t>(note.data() + note.size() - p));
        if (words.starts_with(" summarised reference")) {
            summarised += n;
        } else if (words.starts_with(" reference")) {
            added += n;
            const std::size_t open = words.find(" (");
            int k = 0;
            if (open != std::string_view::npos)
                std::from_chars(words.data() + open + 2, words.data() + words.size(), k);
            addedWithCalls += k;
        }
    }
    std::string text = base + "; " + counted(added, "reference added", "references added");
    if (addedWithCalls > 0) text += " (" + std::to_string(addedWithCalls) + " with calls)";
    if (summarised > 0)
        text += "; " + counted(summarised, "summarised reference", "summarised references") + " left out";
    return text;
}

} // namespace varn
