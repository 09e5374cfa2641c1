// The self temporary file: a finished paired analysis, tumour against the patient's own normal.
// Both samples travel in the file, so it reloads without any pool.
//
//   "%d \n %d \n %s \n"       array type, 0, tumour name (blanks around each)
//   "%f\t%f\t%f\t%d\n"        tumour total, allele A, allele B signal and call, per SNP record
//   "%f\t%f\t%f\t%d\n"        the same for the normal
//   "%d \t %d \t %d \n"       region start, region end, base copy number
//   "%f\n" x 7                HMM means of copy numbers 0..6
#include "SelfTempFile.h"

#include "CVARNDoc.h"
#include "FileBytes.h"
#include "PrintFormat.h"
#include "ProfileSettings.h"
#include "SampleName.h"
#include "ScanFormat.h"
#include "StoredAnalysisKind.h"
#include "TextLines.h"
#include "UserInterface.h"
#include "engine/hmm/HmmMeansPurity.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace varn {

namespace {

// One sample's block: total, allele A, allele B signal and the call of each record.
struct SampleBlock {
    std::vector<float> total, alleleA, alleleB;
    std::vector<int> call;
};

struct SelfStage {
    int t = 0;
    int analysedRow = 0;
    char name[kNameSize] = {};
    SampleBlock tumour, normal;
    ProfileSettings settings;
};

void copyBlock(const CVARNDoc& doc, int t, int slot, const int* calls, SampleBlock& b) {
    const int first = doc.snpFirst[t], end = doc.snpLast[t] + 1;
    b.total.assign(doc.poolSignal[slot] + first, doc.poolSignal[slot] + end);
    b.alleleA.assign(doc.alleleASignal[slot] + first, doc.alleleASignal[slot] + end);
    b.alleleB.assign(doc.alleleBSignal[slot] + first, doc.alleleBSignal[slot] + end);
    b.call.assign(calls + first, calls + end);
}

void storeBlock(CVARNDoc& doc, int t, int slot, int* calls, const SampleBlock& b) {
    const int first = doc.snpFirst[t];
    std::copy(b.total.begin(), b.total.end(), doc.poolSignal[slot] + first);
    std::copy(b.alleleA.begin(), b.alleleA.end(), doc.alleleASignal[slot] + first);
    std::copy(b.alleleB.begin(), b.alleleB.end(), doc.alleleBSignal[slot] + first);
    std::copy(b.call.begin(), b.call.end(), calls + first);
}

bool readBlock(LineReader& in, SampleBlock& b) {
    std::string_view line;
    for (std::size_t k = 0; k < b.call.size(); ++k) {
        if (!in.next(line)) return false;
        FieldScanner f(line);
        if (f.scanFloat(b.total[k]) && f.scanFloat(b.alleleA[k]) && f.scanFloat(b.alleleB[k])) f.scanInt(b.call[k]);
    }
    return true;
}

void writeBlock(std::string& out, const CVARNDoc& doc, int t, int slot, const int* calls) {
    const float* total = doc.poolSignal[slot];
    const float* alleleA = doc.alleleASignal[slot];
    const float* alleleB = doc.alleleBSignal[slot];
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(doc.snpLast[t] - doc.snpFirst[t] + 1) * (3 * kMaxFloatFixed6 + kMaxInt + 4));
    char* p = out.data() + at;
    for (int i = doc.snpFirst[t]; i <= doc.snpLast[t]; ++i) {
        p = putFixed6(p, total[i]);
        *p++ = '\t';
        p = putFixed6(p, alleleA[i]);
        *p++ = '\t';
        p = putFixed6(p, alleleB[i]);
        *p++ = '\t';
        p = putInt(p, calls[i]);
        *p++ = '\n';
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}

// Everything after the array type; false when the file ends early or names a row outside the
// pool.
bool readRest(const CVARNDoc& doc, LineReader& in, SelfStage& s) {
    std::string_view line;
    if (!in.next(line)) return false;
    FieldScanner(line).scanInt(s.analysedRow);
    if (s.analysedRow < 0 || s.analysedRow >= kPoolRows) return false;
    std::memcpy(s.name, doc.poolSampleName[s.t][s.analysedRow], kNameSize);
    if (!in.next(line)) return false;
    FieldScanner(line).scanWord(s.name, kNameSize - 1);
    if (!readBlock(in, s.tumour) || !readBlock(in, s.normal)) return false;
    return s.settings.read(in);
}

} // namespace

std::string formatSelfTempFile(const CVARNDoc& doc, int t) {
    std::string out;
    out.reserve(2 * static_cast<std::size_t>(doc.snpLast[t] - doc.snpFirst[t] + 1) * (3 * kMaxFloatFixed6 + kMaxInt + 4) + 1024);
    appendInt(out, t);
    out += " \n 0 \n ";
    out += sampleName(doc.poolSampleName[t][0]);
    out += " \n";
    writeBlock(out, doc, t, 0, doc.snpCall.data());
    writeBlock(out, doc, t, 1, doc.normalSnpCall.data());
    ProfileSettings::fromDocument(doc, t).append(out);
    return out;
}

TempFileRead parseSelfTempFile(CVARNDoc& doc, std::string_view text) {
    LineReader in(text);
    std::string_view line;
    SelfStage s;
    if (!in.next(line) || !FieldScanner(line).scanInt(s.t) || (s.t != kXba && s.t != kHind))
        return TempFileRead::Malformed;
    const int t = s.t;
    s.analysedRow = doc.analysedRow[t];
    copyBlock(doc, t, 0, doc.snpCall.data(), s.tumour);
    copyBlock(doc, t, 1, doc.normalSnpCall.data(), s.normal);
    s.settings = ProfileSettings::fromDocument(doc, t);
    if (!readRest(doc, in, s)) return TempFileRead::Malformed;

    doc.arrayType = t;
    doc.analysedRow[t] = s.analysedRow;
    std::memcpy(doc.poolSampleName[t][s.analysedRow], s.name, kNameSize);
    storeBlock(doc, t, 0, doc.snpCall.data(), s.tumour);
    storeBlock(doc, t, 1, doc.normalSnpCall.data(), s.normal);
    s.settings.storeInto(doc, t);
    // Means mixed for an impure sample come back with the fraction they stand for.
    adoptStoredHmmMeans(doc, true);
    return TempFileRead::Loaded;
}

// A paired analysis that was never re-based has no region yet (negative bounds); the file must
// always hold a real one, so the whole autosomal range stands in for it, in the document too.
int CVARNDoc::StoreSelfTempFile(int t) {
    if (t != kXba && t != kHind) return 1;
    if (regionStart[t] < 0) regionStart[t] = snpFirst[t];
    if (regionEnd[t] < 0) regionEnd[t] = autosomeLast[t];
    const std::string name = sampleFileName(poolSampleName[t][0]);
    const std::filesystem::path path = fixedPath("c:\\VARN\\Self temporary files\\" + name + ".temp");
    if (!replaceFileContents(path, formatSelfTempFile(*this, t))) {
        ui().messageBox("temporary file cannot be opened");
        return 1;
    }
    ui().fileWritten("Stored", path);
    return 0;
}

// Reads the file and recomputes the paired profile on the stored region; the profile's
// averaging dialog and display follow from computePairedRatio, and a Cancel there counts as a
// load that did not end in an analysis.
int CVARNDoc::LoadSelfTempFile(const std::filesystem::path& path) {
    std::string text;
    if (!loadWholeFile(path, text)) {
        ui().messageBox("temporary data cannot be loaded");
        ui().messageBox(path.filename().string() + " cannot be opened");
        return 1;
    }
    if (const auto refusal = storedAnalysisRefusal(text, path, StoredAnalysisKind::Paired)) {
        ui().messageBox(*refusal);
        return 1;
    }
    if (parseSelfTempFile(*this, text) != TempFileRead::Loaded) {
        ui().messageBox("temporary data cannot be loaded");
        ui().messageBox(path.filename().string() + " is not a complete self temporary file");
        return 1;
    }
    const int t = arrayType;
    sampleAllelesHeld[t] = true; // the self file keeps the tumour's allele sums itself
    return computePairedRatio(regionStart[t], regionEnd[t], t) ? 0 : 1;
}

} // namespace varn
