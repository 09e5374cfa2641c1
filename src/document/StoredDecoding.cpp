// The decoding of a stored pool analysis, beside its .temp.
//
//   VARN decoding                         magic line
//   version 1
//   temp 0123456789abcdef                 storedTempKey of the .temp it was written with (hex)
//   decoder alleles                       alleles (allele-specific HMM) or hmm (seven states)
//   solution 1                            the applied solution's number in its list; 0: none
//   purity 0.7 0.68 0.72                  fraction, its interval
//   ploidy 3.52 3.48 3.56                 ploidy, its interval
//   fit 0.961                             the fit's score
//   doubled yes
//   shares 0.6 0.2 0.8                    altered, LOH, doubled (by bases)
//   region 4                              the baseline region's copy number it gave
//
// Numbers are printed with 17 significant digits so that they read back exactly and every place
// prints the same figures after a reload as before it.
#include "StoredDecoding.h"

#include "CVARNDoc.h"
#include "FileBytes.h"
#include "ScanFormat.h"
#include "TextLines.h"
#include "UserInterface.h"
#include "engine/analysis/AlleleSpecificDecoding.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace varn {

namespace {

constexpr std::string_view kMagic = "VARN decoding";
constexpr int kVersion = 1;

// "key v1 v2 ...": the values after the key; false when the line holds another key.
bool valuesOf(LineReader& in, std::string_view key, std::string_view& values) {
    std::string_view line;
    if (!in.next(line) || line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ')
        return false;
    values = line.substr(key.size() + 1);
    return true;
}

template <typename T> bool next(std::string_view& values, T& value, int base = 10) {
    while (!values.empty() && values.front() == ' ') values.remove_prefix(1);
    std::from_chars_result r;
    if constexpr (std::is_floating_point_v<T>)
        r = std::from_chars(values.data(), values.data() + values.size(), value);
    else
        r = std::from_chars(values.data(), values.data() + values.size(), value, base);
    if (r.ec != std::errc()) return false;
    values.remove_prefix(static_cast<std::size_t>(r.ptr - values.data()));
    return true;
}

bool numbers(LineReader& in, std::string_view key, std::initializer_list<double*> out) {
    std::string_view values;
    if (!valuesOf(in, key, values)) return false;
    for (double* v : out)
        if (!next(values, *v) || !std::isfinite(*v)) return false;
    return values.empty();
}

bool word(LineReader& in, std::string_view key, std::string_view a, std::string_view b, bool& isA) {
    std::string_view value;
    if (!valuesOf(in, key, value) || (value != a && value != b)) return false;
    isA = value == a;
    return true;
}

bool integer(LineReader& in, std::string_view key, int& value) {
    std::string_view values;
    return valuesOf(in, key, values) && next(values, value) && values.empty();
}

} // namespace

std::filesystem::path storedDecodingPath(const std::filesystem::path& tempPath) {
    std::filesystem::path path = tempPath;
    path.replace_extension(".decoding");
    return path;
}

std::uint64_t storedTempKey(std::string_view tempText) {
    std::uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : tempText) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

std::string formatStoredDecoding(const StoredDecoding& d, std::uint64_t tempKey) {
    const AppliedSolution& s = d.solution;
    char text[1024];
    std::snprintf(text, sizeof text,
                  "%.*s\nversion %d\ntemp %016llx\ndecoder %s\nsolution %d\npurity %.17g %.17g %.17g\n"
                  "ploidy %.17g %.17g %.17g\nfit %.17g\ndoubled %s\nshares %.17g %.17g %.17g\nregion %d\n",
                  static_cast<int>(kMagic.size()), kMagic.data(), kVersion, static_cast<unsigned long long>(tempKey),
                  d.alleles ? "alleles" : "hmm", s.number, s.purity, s.purityLow, s.purityHigh, s.ploidy,
                  s.ploidyLow, s.ploidyHigh, s.fit, s.doubled ? "yes" : "no", s.alteredShare, s.lohShare,
                  s.doubledShare, s.regionCopyNumber);
    return text;
}

bool parseStoredDecoding(std::string_view text, std::uint64_t tempKey, StoredDecoding& out) {
    LineReader in(text);
    std::string_view line, values;
    int version = 0;
    std::uint64_t key = 0;
    StoredDecoding d;
    AppliedSolution& s = d.solution;
    if (!in.next(line) || line != kMagic || !integer(in, "version", version) || version != kVersion) return false;
    if (!valuesOf(in, "temp", values) || !next(values, key, 16) || !values.empty() || key != tempKey) return false;
    if (!word(in, "decoder", "alleles", "hmm", d.alleles) || !integer(in, "solution", s.number) || s.number < 0 ||
        !numbers(in, "purity", {&s.purity, &s.purityLow, &s.purityHigh}) ||
        !numbers(in, "ploidy", {&s.ploidy, &s.ploidyLow, &s.ploidyHigh}) || !numbers(in, "fit", {&s.fit}) ||
        !word(in, "doubled", "yes", "no", s.doubled) ||
        !numbers(in, "shares", {&s.alteredShare, &s.lohShare, &s.doubledShare}) ||
        !integer(in, "region", s.regionCopyNumber))
        return false;
    out = d;
    return true;
}

bool storeDecodingBeside(CVARNDoc& doc, const std::filesystem::path& tempPath, std::string_view tempText) {
    const std::filesystem::path path = storedDecodingPath(tempPath);
    std::error_code ec;
    if (!doc.alleleSpecificDecoding && doc.appliedSolution.number == 0) {
        // Nothing to keep: a side file of an earlier Store would lend its decoding to this one.
        std::filesystem::remove(path, ec);
        return true;
    }
    const StoredDecoding d{doc.alleleSpecificDecoding, doc.appliedSolution};
    if (!replaceFileContents(path, formatStoredDecoding(d, storedTempKey(tempText)))) {
        doc.ui().messageBox("temporary file cannot be opened");
        return false;
    }
    doc.ui().fileWritten("Stored", path);
    return true;
}

void loadDecodingBeside(CVARNDoc& doc, const std::filesystem::path& tempPath, std::string_view tempText) {
    doc.storedDecoding = {};
    std::string text;
    const std::filesystem::path path = storedDecodingPath(tempPath);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) || !loadWholeFile(path, text)) return;
    StoredDecoding d;
    if (!parseStoredDecoding(text, storedTempKey(tempText), d)) return;
    // The .temp keeps the means to six decimals and the fraction is read back from them to four.
    const AppliedSolution& s = d.solution;
    if (s.number > 0 && !(std::fabs(s.purity - doc.hmmMeansPurity) < 5e-4 && s.regionCopyNumber == doc.baseCopyNumber))
        d.solution = {};
    doc.storedDecoding = d;
    doc.appliedSolution = d.solution;
}

void restoreStoredDecoder(CVARNDoc& doc, int t) {
    const bool alleles = doc.storedDecoding.alleles;
    doc.storedDecoding = {};
    if (!alleles) return;
    const AlleleDecoding d = decodeAlleleSpecific(doc, t, false);
    doc.alleleSpecificDecoding = d.decoded;
    if (!d.decoded) doc.ui().status("Stored decoded by the allele-specific HMM, which cannot run now: " + d.why);
}

} // namespace varn
