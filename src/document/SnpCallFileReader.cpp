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

    FgetsLines lines(bytes, kSampleLineBuffer);
    std::string_view piece;
    int dataLines = 0;
    int incompleteLines = 0;
    for (int snp = first - 3; lines.next(piece);) {
        ++snp;
        if (snp < first) continue;
        if (snp > last) break;
        ++dataLines;
        // The order matters: an identifier column may hold "AA" or "AB" too.
        const std::string_view line = cText(piece);
        if (callAfterStart(line, "AA"))
            calls[snp] = kCallAA;
        else if (callAfterStart(line, "AB"))
            calls[snp] = kCallAB;
        else if (callAfterStart(line, "BB"))
            calls[snp] = kCallBB;
        else if (callAfterStart(line, "NoCall"))
            calls[snp] = kNoCall;
        else
            ++incompleteLines;
    }
    if (dataLines == 0) return 1;
    if (const auto warning =
            sampleFileWarning(path, SampleFileKind::Calls, t, survey.dataLines, incompleteLines, last - first + 1))
        ui().messageBox(*warning);
    return 0;
}

} // namespace varn
