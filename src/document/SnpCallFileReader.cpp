// The SNP-call file of one sample on one array: two header lines, then per SNP record a line that
// holds the genotype call "AA", "AB", "BB" or "NoCall" somewhere after its first character.
#include "CVARNDoc.h"

#include "SampleFileCheck.h"
#include "TextLines.h"
#include "UserInterface.h"

namespace varn {

namespace {

// The first occurrence of the text counts, and only past the first character: a line that
// begins with the call text is the serial-number column, not a call.
bool callAfterStart(std::string_view line, std::string_view call) {
    const std::size_t at = line.find(call);
    return at != std::string_view::npos && at > 0;
}

// Hands the call of each data line to store(snp, code), the lines taking the records from first
// on; counts the data lines and those that hold no call (their record keeps its code).
template <typename Store>
void parseCallLines(std::string_view bytes, int first, int last, Store store, int& dataLines, int& incompleteLines) {
    FgetsLines lines(bytes, kSampleLineBuffer);
    std::string_view piece;
    dataLines = 0;
    incompleteLines = 0;
    for (int snp = first - 3; lines.next(piece);) {
        ++snp;
        if (snp < first) continue;
        if (snp > last) break;
        ++dataLines;
        // The order matters: an identifier column may hold "AA" or "AB" too.
        const std::string_view line = cText(piece);
        if (callAfterStart(line, "AA"))
            store(snp, kCallAA);
        else if (callAfterStart(line, "AB"))
            store(snp, kCallAB);
        else if (callAfterStart(line, "BB"))
            store(snp, kCallBB);
        else if (callAfterStart(line, "NoCall"))
            store(snp, kNoCall);
        else
            ++incompleteLines;
    }
}

} // namespace

int CVARNDoc::ReadSnpCallFile(int t, const std::filesystem::path& path, int target) {
    if (t != kXba && t != kHind) return 1;
    std::string bytes;
    if (!loadWholeFile(path, bytes)) {
        ui().messageBox("normal SNP call file cannot be loaded");
        ui().messageBox(path.filename().string() + " cannot be opened");
        return 1;
    }
    int* calls = target == 1 ? normalSnpCall.data() : snpCall.data();
    const int first = snpFirst[t];
    const int last = snpLast[t];
    const int other = t == kXba ? kHind : kXba;
    const SampleFileSurvey survey = surveySampleText(bytes, kSampleLineBuffer);
    if (const auto refusal = sampleFileRefusal(survey, path, SampleFileKind::Calls, t, last - first + 1,
                                               snpLast[other] - snpFirst[other] + 1)) {
        ui().messageBox(*refusal);
        return 1;
    }
    // The lines are counted before a call is stored, so that a file the person stops at (a
    // warning's Cancel) leaves every call as it was.
    int dataLines = 0;
    int incompleteLines = 0;
    parseCallLines(
        bytes, first, last, [](int, int) {}, dataLines, incompleteLines);
    if (dataLines == 0) return 1;
    if (const auto warning = sampleFileWarning(path, SampleFileKind::Calls, t, survey.dataLines,
                                               incompleteLines, last - first + 1);
        warning && !ui().okCancelBox(*warning))
        return 1;
    parseCallLines(
        bytes, first, last, [calls](int snp, int code) { calls[snp] = code; }, dataLines, incompleteLines);
    return 0;
}

int CVARNDoc::ReadReferenceCalls(int t, const std::filesystem::path& path, std::vector<signed char>& calls) const {
    if (t != kXba && t != kHind) return 1;
    std::string bytes;
    if (!loadWholeFile(path, bytes)) return 1;
    const int first = snpFirst[t];
    const int last = snpLast[t];
    const int other = t == kXba ? kHind : kXba;
    if (sampleFileRefusal(surveySampleText(bytes, kSampleLineBuffer), path, SampleFileKind::Calls, t,
                          last - first + 1, snpLast[other] - snpFirst[other] + 1))
        return 1;
    calls.assign(static_cast<std::size_t>(last - first + 1), static_cast<signed char>(kNoCall));
    int dataLines = 0;
    int incompleteLines = 0;
    parseCallLines(
        bytes, first, last,
        [&calls, first](int snp, int code) { calls[static_cast<std::size_t>(snp - first)] = static_cast<signed char>(code); },
        dataLines, incompleteLines);
    return dataLines == 0 ? 1 : 0;
}

} // namespace varn
