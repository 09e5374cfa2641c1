// Genome-browser tracks in the sgr format: one "chr<n> \t<position> \t<value> \n" line per SNP
// in genome order, no header. Ratio tracks carry 2 to the power of the log ratio, so 1.0 is a
// normal copy number in the browser; the merged ratio track carries the integer HMM state.
#include "document/CVARNDoc.h"

#include "StoredAnalysisFiles.h"
#include "document/FileBytes.h"
#include "document/PrintFormat.h"
#include "document/SampleName.h"
#include "document/UserInterface.h"
#include "view/CVARNView.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace varn {

namespace {


// "chr%d \t%d \t" for the SNP shown at a display position (X is chromosome 23). A corrupt order
// table entry prints chromosome and position 0 rather than reading outside the annotation.
void appendLocus(std::string& out, const CVARNDoc& doc, int pos) {
    const int snp = inSlots(pos) ? doc.arrangeOrder[pos] : -1;
    out += "chr";
    appendInt(out, inSlots(snp) ? doc.snpChromosome[snp] : 0);
    out += " \t";
    appendInt(out, inSlots(snp) ? doc.snpPosition[snp] : 0);
    out += " \t";
}

void appendPowerOfTwo(std::string& out, float exponent) {
    appendFixed6(out, std::pow(2.0, static_cast<double>(exponent)));
    out += " \n";
}

std::string singleTrack(const CVARNDoc& doc, int t, const float* values) {
    std::string out;
    out.reserve(static_cast<std::size_t>(doc.snpLast[t] - doc.snpFirst[t] + 1) * 32);
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
        appendLocus(out, doc, pos);
        appendPowerOfTwo(out, values[pos]);
    }
    return out;
}

// The merged tracks walk the merged order; the LOH score of the merged profile is held by merged
// index, the HMM state by display position.
std::string mergedTrack(const CVARNDoc& doc, bool loh) {
    std::string out;
    out.reserve(static_cast<std::size_t>(kSlots) * 32);
    for (int m = doc.snpFirst[kCombined]; m <= doc.snpLast[kCombined]; ++m) {
        const int pos = doc.combineOrder[m];
        appendLocus(out, doc, pos);
        if (loh) {
            appendPowerOfTwo(out, doc.lohScore[m]);
        } else {
            appendInt(out, inSlots(pos) ? doc.hmmState[0][pos] : 0);
            out += " \n";
        }
    }
    return out;
}

std::filesystem::path trackPath(const CVARNDoc& doc, const std::string& name) {
    return doc.fixedPath("c:\\VARN\\IGBfiles\\" + fileNamePart(name) + ".sgr");
}

// The ratio track, then the LOH track; 1 when either cannot be written (the message of the
// track that failed has been shown; a failed ratio track stops before the LOH track).
int writeTrackPair(CVARNDoc& doc, const std::string& name, const std::string& ratio, const std::string& loh,
                   const char* lohMessage) {
    if (!replaceFileContents(trackPath(doc, name), ratio)) {
        doc.ui().messageBox("IGB file cannot be loaded");
        return 1;
    }
    doc.ui().fileWritten("Wrote", trackPath(doc, name));
    if (!replaceFileContents(trackPath(doc, name + "LOH"), loh)) {
        doc.ui().messageBox(lohMessage);
        return 1;
    }
    doc.ui().fileWritten("Wrote", trackPath(doc, name + "LOH"));
    return 0;
}

} // namespace

void CVARNDoc::OnIgbFileOut() {
    if (view == nullptr) return;
    if (view->displayMode == ModeGenomeSingle) {
        const int t = arrayType;
        if (t != kXba && t != kHind) return;
        writeTrackPair(*this, std::string(sampleName(poolSampleName[t][0])),
                       singleTrack(*this, t, logRatio[0]), singleTrack(*this, t, lohScore.data()),
                       "IGB LOH file cannot be loaded");
    } else if (view->displayMode == ModeGenomeBoth) {
        const std::string name = std::string(sampleName(poolSampleName[kXba][0])) + "and" +
                                 std::string(sampleName(poolSampleName[kHind][0]));
        writeTrackPair(*this, name, mergedTrack(*this, false), mergedTrack(*this, true),
                       "IGB LOH file cannot be loaded");
    }
}

int CVARNDoc::WriteBatchTracks(int t) {
    if (t != kXba && t != kHind) return 1;
    return writeTrackPair(*this, std::string(sampleName(poolSampleName[t][0])),
                          singleTrack(*this, t, logRatio[0]), singleTrack(*this, t, lohScore.data()),
                          "IGB file cannot be loaded");
}

// Every stored pool-mode analysis is reloaded, recomputed without averaging and exported, in name
// order (storedAnalysisFiles). The view is left as it was; the document keeps the last file's analysis.
void CVARNDoc::OnBatchIgbFileOut() {
    forEachStoredAnalysis(*this, "Exporting tracks", [this](int t) {
        WriteBatchTracks(t);
        return true;
    });
}

} // namespace varn
