// The sample's allele sums beside a stored pool analysis.
//
//   VARN sample allele sums          magic line
//   version 1
//   array 1                          1 Xba, 2 Hind
//   sample Tumor1X                   the sample name of the .temp
//   temp 0123456789abcdef            storedSignalKey of the .temp it was written with (hex)
//   records 58960                    SNP records of the array
//   A<TAB>B                          one line per SNP record, "%.9g" so that floats read back exactly
//
// The key makes a side file left over from an earlier analysis of the same sample name (another
// signal file, stored later without the allele analysis) refuse to load instead of lending its
// sums to the wrong signals.
#include "SampleAllelesFile.h"

#include "CVARNDoc.h"
#include "FileBytes.h"
#include "SampleName.h"
#include "ScanFormat.h"
#include "TextLines.h"
#include "UserInterface.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace varn {

namespace {

constexpr std::string_view kMagic = "VARN sample allele sums";
constexpr int kVersion = 1;

const char* arrayName(int t) { return t == kXba ? "Xba 50K" : "Hind 50K"; }

std::uint64_t fnv1a(std::uint64_t h, std::string_view bytes) {
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

// "key value" header line: the value after the key and one blank; false when the key differs.
bool headerValue(LineReader& in, std::string_view key, std::string_view& value) {
    std::string_view line;
    if (!in.next(line) || line.size() < key.size() + 1 || line.substr(0, key.size()) != key ||
        line[key.size()] != ' ')
        return false;
    value = line.substr(key.size() + 1);
    return true;
}

template <typename T>
bool parseWhole(std::string_view text, T& value, int base = 10) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && end == text.data() + text.size();
}

bool parseFloat(std::string_view& text, float& value) {
    std::size_t start = 0;
    while (start < text.size() && isScanSpace(text[start])) ++start;
    const auto [end, ec] = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (ec != std::errc() || !std::isfinite(value)) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

} // namespace

std::filesystem::path sampleAllelesPath(const std::filesystem::path& tempPath) {
    std::filesystem::path path = tempPath;
    path.replace_extension(".alleles");
    return path;
}

std::uint64_t storedSignalKey(std::string_view tempText, int recordCount) {
    LineReader in(tempText);
    std::string_view line;
    for (int header = 0; header < 3; ++header)
        if (!in.next(line)) return 0;
    std::uint64_t h = 1469598103934665603ULL;
    for (int k = 0; k < recordCount && in.next(line); ++k) {
        h = fnv1a(h, line);
        h = fnv1a(h, "\n");
    }
    return h;
}

std::string formatSampleAllelesFile(const CVARNDoc& doc, int t, std::uint64_t tempKey) {
    const int first = doc.snpFirst[t], last = doc.snpLast[t];
    const int row = doc.analysedRow[t] >= 0 && doc.analysedRow[t] < kNameRows ? doc.analysedRow[t] : 0;
    std::string out;
    out.reserve(static_cast<std::size_t>(last - first + 1) * 24 + 256);
    char line[128];
    std::snprintf(line, sizeof line, "%.*s\nversion %d\narray %d\nsample ", static_cast<int>(kMagic.size()),
                  kMagic.data(), kVersion, t);
    out += line;
    out += sampleName(doc.poolSampleName[t][row]);
    std::snprintf(line, sizeof line, "\ntemp %016llx\nrecords %d\n", static_cast<unsigned long long>(tempKey),
                  last - first + 1);
    out += line;
    for (int k = first; k <= last; ++k) {
        std::snprintf(line, sizeof line, "%.9g\t%.9g\n", static_cast<double>(doc.alleleASignal[0][k]),
                      static_cast<double>(doc.alleleBSignal[0][k]));
        out += line;
    }
    return out;
}

std::string parseSampleAllelesFile(CVARNDoc& doc, int t, std::string_view text, std::string_view fileName,
                                   std::uint64_t tempKey) {
    const std::string file(fileName);
    const std::string damaged = file + " is not a file of allele sums VARN can read";
    LineReader in(text);
    std::string_view line, value;
    if (!in.next(line) || line != kMagic) return damaged;
    int version = 0, array = 0, records = 0;
    std::uint64_t key = 0;
    if (!headerValue(in, "version", value) || !parseWhole(value, version)) return damaged;
    if (version != kVersion) return file + " is of version " + std::to_string(version) + "; this VARN reads version 1";
    if (!headerValue(in, "array", value) || !parseWhole(value, array) || (array != kXba && array != kHind))
        return damaged;
    if (array != t)
        return file + " holds the allele sums of a " + arrayName(array) + " analysis; the stored analysis is a " +
               arrayName(t) + " one";
    if (!headerValue(in, "sample", value)) return damaged;
    const int row = doc.analysedRow[t] >= 0 && doc.analysedRow[t] < kNameRows ? doc.analysedRow[t] : 0;
    const std::string_view sample = sampleName(doc.poolSampleName[t][row]);
    if (value != sample)
        return file + " holds the allele sums of " + std::string(value) + ", not of " + std::string(sample);
    if (!headerValue(in, "temp", value) || !parseWhole(value, key, 16)) return damaged;
    if (key != tempKey)
        return file + " was stored with another analysis of " + std::string(sample) +
               ": the signals of the stored analysis have changed since";
    const int first = doc.snpFirst[t], last = doc.snpLast[t];
    if (!headerValue(in, "records", value) || !parseWhole(value, records)) return damaged;
    if (records != last - first + 1)
        return file + " holds " + std::to_string(records) + " SNP records; a " + arrayName(t) + " analysis holds " +
               std::to_string(last - first + 1);

    std::vector<float> a(static_cast<std::size_t>(records)), b(static_cast<std::size_t>(records));
    for (int k = 0; k < records; ++k) {
        if (!in.next(line) || !parseFloat(line, a[static_cast<std::size_t>(k)]) ||
            !parseFloat(line, b[static_cast<std::size_t>(k)]))
            return file + ": line " + std::to_string(k + 7) + " does not hold the two allele sums of a SNP";
    }
    std::copy(a.begin(), a.end(), doc.alleleASignal[0] + first);
    std::copy(b.begin(), b.end(), doc.alleleBSignal[0] + first);
    return {};
}

void loadSampleAllelesBeside(CVARNDoc& doc, int t, const std::filesystem::path& tempPath,
                             std::string_view tempText) {
    const std::filesystem::path path = sampleAllelesPath(tempPath);
    const std::string fileName = path.filename().string();
    doc.sampleAllelesHeld[t] = false;
    std::string text;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        doc.sampleAllelesMissing[t] = tempPath.filename().string() + " was stored without the sample's allele sums (" +
                                      fileName + "); analyse the sample's signal file with the allele analysis";
        return;
    }
    if (!loadWholeFile(path, text)) {
        doc.sampleAllelesMissing[t] = fileName + " cannot be opened";
        return;
    }
    const int records = doc.snpLast[t] - doc.snpFirst[t] + 1;
    doc.sampleAllelesMissing[t] = parseSampleAllelesFile(doc, t, text, fileName, storedSignalKey(tempText, records));
    doc.sampleAllelesHeld[t] = doc.sampleAllelesMissing[t].empty();
}

bool storeSampleAllelesBeside(CVARNDoc& doc, int t, const std::filesystem::path& tempPath,
                              std::string_view tempText) {
    const std::filesystem::path path = sampleAllelesPath(tempPath);
    const int records = doc.snpLast[t] - doc.snpFirst[t] + 1;
    if (!replaceFileContents(path, formatSampleAllelesFile(doc, t, storedSignalKey(tempText, records)))) {
        doc.ui().messageBox("temporary file cannot be opened");
        return false;
    }
    doc.ui().fileWritten("Stored", path);
    return true;
}

} // namespace varn
