// Telling a sample file from what is not one. Files of both arrays look alike line by line, and
// a signal file read as calls (or calls as a signal file) scans without an error, so the checks
// look at what distinguishes them: the number of data lines (57244 Hind records, 58960 Xba
// records), the array the first line names, whether the lines carry 40 intensities or a call
// token, and zero bytes, which no text file holds.
#include "SampleFileCheck.h"

#include "CVARNDoc.h"
#include "DocumentLimits.h"
#include "SignalFileLine.h"
#include "TextLines.h"
#include "UserInterface.h"

#include <cctype>
#include <cstring>

namespace varn {

namespace {

// Data lines looked at for the kind of file: enough to outvote a few damaged lines, few enough
// to cost nothing next to the reading itself.
constexpr int kSampledLines = 64;
constexpr int kHeaderLines = 2;

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Whether the text names the array as a word of its own ("Hind 50K", "Mapping50K_Hind240"), in
// any letter case; a sample name such as "Tumor1H" does not.
bool namesArray(std::string_view text, std::string_view word) {
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
        bool same = true;
        for (std::size_t i = 0; i < word.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(text[at + i])) == word[i];
        if (!same) continue;
        const bool before = at == 0 || !isLetter(text[at - 1]);
        const bool after = at + word.size() == text.size() || !isLetter(text[at + word.size()]);
        if (before && after) return true;
    }
    return false;
}

bool holdsCallToken(std::string_view line) {
    for (std::string_view call : {"AA", "AB", "BB", "NoCall"}) {
        const std::size_t at = line.find(call);
        if (at != std::string_view::npos && at > 0) return true;
    }
    return false;
}

template <typename Lines>
SampleFileSurvey survey(Lines& lines) {
    SampleFileSurvey s;
    SignalLineScanner scanner;
    float values[kProbes];
    std::string_view piece;
    for (int n = 0; lines.next(piece); ++n) {
        if (!s.hasZeroBytes && std::memchr(piece.data(), '\0', piece.size()) != nullptr) s.hasZeroBytes = true;
        if (n == 0) {
            const bool xba = namesArray(piece, "xba");
            const bool hind = namesArray(piece, "hind");
            s.headerArray = xba == hind ? 0 : (xba ? kXba : kHind);
        }
        if (n < kHeaderLines) continue;
        ++s.dataLines;
        if (s.sampledLines >= kSampledLines) continue;
        ++s.sampledLines;
        if (scanner.scan(piece, values) == kProbes) ++s.signalLines;
        else if (holdsCallToken(cText(piece))) ++s.callLines;
    }
    return s;
}

std::string fileName(const std::filesystem::path& path) { return path.filename().string(); }

const char* kindName(SampleFileKind kind) { return kind == SampleFileKind::Signal ? "signal file" : "SNP call file"; }

std::string withArticle(int t) { return std::string(t == kXba ? "an " : "a ") + arrayName(t); }

} // namespace

SampleFileSurvey surveySampleText(std::string_view bytes, std::size_t bufferSize) {
    FgetsLines lines(bytes, bufferSize);
    return survey(lines);
}

SampleFileSurvey surveySampleFile(const std::filesystem::path& path, std::size_t bufferSize) {
    FileLines lines(path, bufferSize, SignalLineScanner::kReadAhead);
    SampleFileSurvey s = survey(lines);
    s.readFailed = !lines.isOpen() || lines.failed();
    return s;
}

const char* arrayName(int t) { return t == kXba ? "Xba 50K" : "Hind 50K"; }

std::optional<std::string> sampleFileRefusal(const SampleFileSurvey& s, const std::filesystem::path& path,
                                             SampleFileKind wanted, int t, int ownCount, int otherCount) {
    if (s.readFailed) return std::nullopt;
    const std::string name = fileName(path);
    const std::string expected = withArticle(t) + " " + kindName(wanted);
    const int wantedLines = wanted == SampleFileKind::Signal ? s.signalLines : s.callLines;
    if (s.hasZeroBytes && wantedLines == 0) return name + " is a binary file, not " + expected;
    if (wanted == SampleFileKind::Signal && s.signalLines == 0 && s.callLines > 0)
        return name + " holds SNP calls, not probe intensities; " + expected + " was expected";
    if (wanted == SampleFileKind::Calls && s.signalLines * 2 > s.sampledLines)
        return name + " holds probe intensities, not SNP calls; " + expected + " was expected";
    const int other = t == kXba ? kHind : kXba;
    if (s.dataLines == otherCount && otherCount != ownCount)
        return name + " holds " + std::to_string(s.dataLines) + " SNP lines; " + expected + " holds " +
               std::to_string(ownCount);
    if (s.headerArray == other)
        return name + " is a file of the " + arrayName(other) + " array; " + expected + " was expected";
    if (wantedLines == 0 && s.dataLines == 0) return name + " holds no SNP lines; " + expected + " was expected";
    return std::nullopt;
}

std::optional<std::string> thinSampleFileRefusal(const SampleFileSurvey& s, const std::filesystem::path& path,
                                                 SampleFileKind wanted, int t, int ownCount) {
    if (s.readFailed) return std::nullopt;
    const std::string name = fileName(path);
    const std::string expected = withArticle(t) + " " + kindName(wanted);
    const int wantedLines = wanted == SampleFileKind::Signal ? s.signalLines : s.callLines;
    // A table of something else (a list of segments, a spreadsheet) has a line per row and may have
    // numbers in it, but not the line of a SNP.
    if (s.sampledLines > 0 && 2 * wantedLines < s.sampledLines) {
        const char* what = wanted == SampleFileKind::Signal ? " with a SNP's 40 probe intensities"
                                                            : " with a SNP's genotype call";
        const std::string share =
            wantedLines == 0 ? std::string("none")
            : s.sampledLines == s.dataLines
                ? std::to_string(wantedLines) + " of them"
                : std::to_string(wantedLines) + " of the first " + std::to_string(s.sampledLines);
        return name + " holds " + std::to_string(s.dataLines) + " lines after its header, " + share + what +
               "; " + expected + " was expected";
    }
    // Under half of the array: the records it leaves out would keep the earlier sample's values,
    // and the profile would be more of that sample than of this one.
    if (2 * s.dataLines < ownCount)
        return name + " holds " + std::to_string(s.dataLines) + " SNP lines, under half of the " +
               std::to_string(ownCount) + " of " + expected;
    return std::nullopt;
}

std::optional<std::string> sampleFileWarning(const std::filesystem::path& path, SampleFileKind wanted, int t,
                                             int dataLines, int incompleteLines, int ownCount) {
    if (dataLines == ownCount && incompleteLines == 0) return std::nullopt;
    std::string text = "Warning: " + fileName(path) + " holds " + std::to_string(dataLines) + " SNP lines; " +
                       withArticle(t) + " " + kindName(wanted) + " holds " + std::to_string(ownCount);
    if (incompleteLines > 0)
        text += ", and " + std::to_string(incompleteLines) +
                (wanted == SampleFileKind::Signal ? " of its lines lack intensities" : " of its lines hold no call");
    if (dataLines < ownCount || incompleteLines > 0) text += "; the records it does not give keep their earlier values";
    return text;
}

int CVARNDoc::RefuseWrongSampleFile(int t, const std::filesystem::path& path, SampleFileKind kind) {
    if (t != kXba && t != kHind) return 0;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return 0;
    const int other = t == kXba ? kHind : kXba;
    const SampleFileSurvey survey = surveySampleFile(path, kSampleLineBuffer);
    const int ownCount = snpLast[t] - snpFirst[t] + 1;
    auto refusal = sampleFileRefusal(survey, path, kind, t, ownCount, snpLast[other] - snpFirst[other] + 1);
    if (!refusal) refusal = thinSampleFileRefusal(survey, path, kind, t, ownCount);
    if (!refusal) return 0;
    ui().messageBox(*refusal);
    return 1;
}

} // namespace varn
