// The view file: a compact snapshot of the single-array profile for a separate viewer, one
// "ratio \tstate \tcall \n" line per SNP in genome order. Chromosome and position are left out;
// the viewer knows them from the line number and the array's annotation.
#include "document/CVARNDoc.h"

#include "HmmSettingsTrailer.h"
#include "document/FileBytes.h"
#include "document/PrintFormat.h"
#include "document/SampleName.h"
#include "document/UserInterface.h"

#include <string>

namespace varn {

namespace {

// The viewer reads the disease code into a 32-byte field.
constexpr std::size_t kDiseaseWidth = 31;

std::string viewFile(const CVARNDoc& doc, int t) {
    std::string out;
    out.reserve(static_cast<std::size_t>(doc.snpLast[t] - doc.snpFirst[t] + 1) * 20 + 512);
    appendInt(out, t);
    out += '\n';
    out += sampleName(doc.poolSampleName[t][0]);
    out += '\t';
    out += std::string_view(doc.diseaseOrigin).substr(0, kDiseaseWidth);
    out += '\n';
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        appendFixed6(out, doc.logRatio[0][pos]);
        out += " \t";
        appendInt(out, doc.hmmState[0][pos]);
        out += " \t";
        appendInt(out, inSlots(snp) ? doc.snpCall[snp] : 0);
        out += " \n";
    }
    appendHmmSettings(out, doc);
    out += "FILE_END_VARN_VIEW";
    return out;
}

} // namespace

void CVARNDoc::OnSaveViewFile() {
    const int t = arrayType;
    if (t != kXba && t != kHind) return;
    const std::string name = sampleFileName(poolSampleName[t][0]);
    const std::filesystem::path path = fixedPath("c:\\VARN View\\" + name + ".cng");
    if (!replaceFileContents(path, viewFile(*this, t))) {
        ui().messageBox("VARN View cannot be loaded");
        return;
    }
    ui().fileWritten("Wrote", path);
}

} // namespace varn
