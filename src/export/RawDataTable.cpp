// The raw data table: the single-array profile on screen as tab-separated text for a
// spreadsheet (".xls" by name only). Every value is followed by a blank; the file ends with a
// marker and no line end, so a reader can tell a complete table from a cut one.
#include "document/CVARNDoc.h"

#include "HmmSettingsTrailer.h"
#include "document/FileBytes.h"
#include "document/PrintFormat.h"
#include "document/SampleName.h"
#include "document/UserInterface.h"
#include "view/CVARNView.h"

#include <filesystem>
#include <string>

namespace varn {

namespace {

std::string rawDataTable(const CVARNDoc& doc, int t) {
    std::string out;
    out.reserve(static_cast<std::size_t>(doc.snpLast[t] - doc.snpFirst[t] + 1) * 56 + 512);
    out += sampleName(doc.poolSampleName[t][0]);
    out += "\nChromosome\tPosition\tFlag\tLog2-Ratio\tHMM\tAverage\tSNPcall\n";
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        const bool known = inSlots(snp);
        appendInt(out, known ? doc.snpChromosome[snp] : 0);
        out += " \t";
        appendInt(out, known ? doc.snpPosition[snp] : 0);
        out += " \t";
        appendInt(out, doc.positionUsable[pos]);
        out += " \t";
        appendFixed6(out, doc.logRatio[0][pos]);
        out += " \t";
        appendInt(out, doc.hmmState[0][pos]);
        out += " \t";
        appendFixed6(out, doc.averageRatio[0][pos]);
        out += " \t";
        appendInt(out, known ? doc.snpCall[snp] : 0);
        out += " \n";
    }
    appendHmmSettings(out, doc);
    out += "FILE_END_VARN_RAW_DATA";
    return out;
}

} // namespace

void CVARNDoc::OnRawDataOut() {
    const int t = arrayType;
    if (t != kXba && t != kHind) return;
    const std::filesystem::path folder = fixedPath("c:\\VARN\\RawData");
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) std::filesystem::create_directory(folder, ec);
    const std::string name = sampleFileName(poolSampleName[t][0]);
    const std::filesystem::path path = fixedPath("c:\\VARN\\RawData\\" + name + ".xls");
    if (!replaceFileContents(path, rawDataTable(*this, t))) {
        ui().messageBox("Raw Data cannot be loaded");
        return;
    }
    ui().fileWritten("Wrote", path);
}

bool CVARNDoc::OnUpdateRawDataOut() const { return view != nullptr && view->displayMode == ModeGenomeSingle; }

} // namespace varn
