// The non-self temporary file: a finished analysis against a reference pool, kept as the
// sample's summed signal and calls plus the settings of the profile. The references themselves
// are not in it, so it can be reloaded only while the same pool is loaded.
//
//   "%d \n %d \n %s \n"      array type, analysed row, sample name (blanks around each)
//   "%f\t%d\n"               signal and call, one line per SNP record of the array type
//   "%d \t %d \t %d \n"      region start, region end, base copy number
//   "%f\n" x 7               HMM means of copy numbers 0..6
//   "%d\n" x 200             reference flags of pool rows 0..199
//   "%d \t %d\n"             references used, pivot row
//   [attributes block]       optional, written by other tools
#include "NonSelfTempFile.h"

#include "CVARNDoc.h"
#include "FileBytes.h"
#include "PrintFormat.h"
#include "ProfileSettings.h"
#include "SampleAllelesFile.h"
#include "SampleAttributesBlock.h"
#include "SampleName.h"
#include "ScanFormat.h"
#include "StoredAnalysisKind.h"
#include "StoredDecoding.h"
#include "TextLines.h"
#include "UserInterface.h"
#include "engine/hmm/HmmMeansPurity.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace varn {

namespace {

constexpr int kStoredRefFlags = 200; // the pool holds at most 200 rows

// Everything the file carries, parsed before any of it reaches the document.
struct NonSelfStage {
    int t = 0;
    int analysedRow = 0;
    char name[kNameSize] = {};
    std::vector<float> signal;
    std::vector<int> call;
    ProfileSettings settings;
    int refSelected[kStoredRefFlags] = {};
    int refUsedCount = 0, pivotRow = 0;
    SampleAttributes attributes;
};

// A field the file leaves unreadable keeps the document's value, so the stage starts as a copy.
void startFromDocument(const CVARNDoc& doc, int t, NonSelfStage& s) {
    s.t = t;
    s.analysedRow = doc.analysedRow[t];
    const int first = doc.snpFirst[t], last = doc.snpLast[t];
    s.signal.assign(doc.poolSignal[0] + first, doc.poolSignal[0] + last + 1);
    s.call.assign(doc.snpCall.data() + first, doc.snpCall.data() + last + 1);
    s.settings = ProfileSettings::fromDocument(doc, t);
    std::copy(doc.refSelected[t], doc.refSelected[t] + kStoredRefFlags, s.refSelected);
    s.refUsedCount = doc.refUsedCount[t];
    s.pivotRow = doc.pivotRow[t];
}

// The fixed part after the array type; false when the file ends before it is complete or names
// a row (analysed or pivot) outside the pool.
bool readFixedPart(const CVARNDoc& doc, LineReader& in, NonSelfStage& s) {
    std::string_view line;
    if (!in.next(line)) return false;
    FieldScanner(line).scanInt(s.analysedRow);
    if (s.analysedRow < 0 || s.analysedRow >= kPoolRows) return false;
    std::memcpy(s.name, doc.poolSampleName[s.t][s.analysedRow], kNameSize);
    if (!in.next(line)) return false;
    FieldScanner(line).scanWord(s.name, kNameSize - 1);

    for (std::size_t k = 0; k < s.signal.size(); ++k) {
        if (!in.next(line)) return false;
        FieldScanner f(line);
        if (f.scanFloat(s.signal[k])) f.scanInt(s.call[k]);
    }
    if (!s.settings.read(in)) return false;
    for (int& flag : s.refSelected) {
        if (!in.next(line)) return false;
        FieldScanner(line).scanInt(flag);
    }
    if (!in.next(line)) return false;
    FieldScanner used(line);
    if (used.scanInt(s.refUsedCount)) used.scanInt(s.pivotRow);
    // The pivot is the common denominator row of a later Sort: a row outside the pool would send
    // the ratio computation past the signal table.
    return s.pivotRow >= 0 && s.pivotRow < kPoolRows;
}

void commit(CVARNDoc& doc, const NonSelfStage& s) {
    const int t = s.t;
    doc.arrayType = t;
    doc.analysedRow[t] = s.analysedRow;
    std::memcpy(doc.poolSampleName[t][s.analysedRow], s.name, kNameSize);
    const int first = doc.snpFirst[t];
    std::copy(s.signal.begin(), s.signal.end(), doc.poolSignal[0] + first);
    std::copy(s.call.begin(), s.call.end(), doc.snpCall.data() + first);
    s.settings.storeInto(doc, t);
    // Means mixed for an impure sample come back with the fraction they stand for.
    adoptStoredHmmMeans(doc, false);
    std::copy(s.refSelected, s.refSelected + kStoredRefFlags, doc.refSelected[t]);
    doc.refUsedCount[t] = s.refUsedCount;
    doc.pivotRow[t] = s.pivotRow;
    storeSampleAttributes(doc, s.attributes);
}

} // namespace

std::string formatNonSelfTempFile(const CVARNDoc& doc, int t) {
    const int first = doc.snpFirst[t], last = doc.snpLast[t];
    const int row = doc.analysedRow[t] >= 0 && doc.analysedRow[t] < kNameRows ? doc.analysedRow[t] : 0;
    std::string out;
    out.reserve(static_cast<std::size_t>(last - first + 1) * (kMaxFloatFixed6 + kMaxInt + 2) + 4096);
    appendInt(out, t);
    out += " \n ";
    appendInt(out, doc.analysedRow[t]);
    out += " \n ";
    out += sampleName(doc.poolSampleName[t][row]);
    out += " \n";
    // The signal lines are most of the file: formatted straight into a buffer sized for the
    // longest possible line.
    const float* signal = doc.poolSignal[0];
    const std::size_t body = out.size();
    out.resize(body + static_cast<std::size_t>(last - first + 1) * (kMaxFloatFixed6 + kMaxInt + 2));
    char* p = out.data() + body;
    for (int i = first; i <= last; ++i) {
        p = putFixed6(p, signal[i]);
        *p++ = '\t';
        p = putInt(p, doc.snpCall[i]);
        *p++ = '\n';
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
    ProfileSettings::fromDocument(doc, t).append(out);
    for (int k = 0; k < kStoredRefFlags; ++k) {
        appendInt(out, doc.refSelected[t][k]);
        out += '\n';
    }
    appendInt(out, doc.refUsedCount[t]);
    out += " \t ";
    appendInt(out, doc.pivotRow[t]);
    out += '\n';
    return out;
}

TempFileRead parseNonSelfTempFile(CVARNDoc& doc, std::string_view text) {
    LineReader in(text);
    std::string_view line;
    int t = 0;
    if (!in.next(line) || !FieldScanner(line).scanInt(t) || (t != kXba && t != kHind)) return TempFileRead::Malformed;
    if (doc.refCount[t] < 0) {
        doc.arrayType = t;
        return TempFileRead::NoReference;
    }
    NonSelfStage stage;
    startFromDocument(doc, t, stage);
    if (!readFixedPart(doc, in, stage)) return TempFileRead::Malformed;
    stage.attributes = readAttributesBlock(in, doc.endMarker1, doc.endMarker2);
    commit(doc, stage);
    return TempFileRead::Loaded;
}

int CVARNDoc::StoreNonSelfTempFile(int t) {
    if (t != kXba && t != kHind) return 1;
    const int row = analysedRow[t] >= 0 && analysedRow[t] < kNameRows ? analysedRow[t] : 0;
    const std::string name = sampleFileName(poolSampleName[t][row]);
    const std::filesystem::path path = fixedPath("c:\\VARN\\temporary files\\" + name + ".temp");
    const std::string text = formatNonSelfTempFile(*this, t);
    if (!replaceFileContents(path, text)) {
        ui().messageBox("temporary file cannot be opened");
        return 1;
    }
    ui().fileWritten("Stored", path);
    // The allele analysis needs the sample's allele sums again on reload; the .temp has no room
    // for them, so they go beside it.
    if (alleleAnalysisAsked && sampleAllelesHeld[t] && !storeSampleAllelesBeside(*this, t, path, text)) return 1;
    if (!storeDecodingBeside(*this, path, text)) return 1;
    return 0;
}

int CVARNDoc::LoadNonSelfTempFile(const std::filesystem::path& path, int expectedArray) {
    std::string text;
    if (!loadWholeFile(path, text)) {
        ui().messageBox("temporary data cannot be loaded");
        ui().messageBox(path.filename().string() + " cannot be opened");
        return 1;
    }
    if (const auto refusal = storedAnalysisRefusal(text, path, StoredAnalysisKind::Pool, expectedArray)) {
        ui().messageBox(*refusal);
        return 1;
    }
    switch (parseNonSelfTempFile(*this, text)) {
    case TempFileRead::Loaded:
        loadSampleAllelesBeside(*this, arrayType, path, text);
        loadDecodingBeside(*this, path, text);
        return 0;
    case TempFileRead::NoReference:
        ui().messageBox("Reference is not loaded");
        return 1;
    case TempFileRead::Malformed:
        break;
    }
    ui().messageBox("temporary data cannot be loaded");
    ui().messageBox(path.filename().string() + " is not a complete temporary file of an analysis against a reference pool");
    return 1;
}

} // namespace varn
