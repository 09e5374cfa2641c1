// Point inspection: in the Explore view of a chromosome one pixel column is one SNP, so a right
// click names the SNP under the mouse, shows its neighbourhood and offers the genome browser at
// its place.
#include "CVARNView.h"

#include "ShownWindow.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "engine/analysis/AlleleAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace varn {

namespace {

// The 100 logical units of panel margin to the left of a chromosome's first SNP.
constexpr int kPanelMargin = 100;

const char* callName(int call) {
    switch (call) {
    case kCallAA: return "AA";
    case kCallAB: return "AB";
    case kCallBB: return "BB";
    default: return "no call";
    }
}

// With the B-allele fraction panel shown: the SNP's fraction as the panel draws it, whether it is
// informative, and its genotype call. A SNP without a usable fraction says so.
std::string alleleLine(const AlleleAnalysis& alleles, int index, int call) {
    const auto& snps = alleles.baf.snps;
    const auto at = std::lower_bound(snps.begin(), snps.end(), index,
                                     [](const AlleleSnp& snp, int i) { return snp.index < i; });
    char line[160];
    if (at == snps.end() || at->index != index || !std::isfinite(at->baf)) {
        std::snprintf(line, sizeof line, "\n\n B-allele fraction= none\tCall= %s", callName(call));
    } else {
        const bool informative = alleles.informative.informative[static_cast<std::size_t>(at - snps.begin())] != 0;
        std::snprintf(line, sizeof line, "\n\n B-allele fraction= %.3f (%s)\tCall= %s",
                      static_cast<double>(clippedBaf(at->baf)), informative ? "informative" : "not informative",
                      callName(call));
    }
    return line;
}

} // namespace

void CVARNView::OnRButtonDown(int x, int /*y*/) {
    // A profile's page is by base position at any zoom: the SNP nearest the base under the mouse.
    if (isProfileMode(displayMode)) return inspectProfileSnp(x);
    const bool chromosomeMode = displayMode == ModeChromosomeBoth || displayMode == ModeChromosomeSingle ||
                                displayMode == ModeChromosomeSelf;
    if (!chromosomeMode || windowExtX != 1) return;
    const int t = shownArrayType;
    const int c = paintChromosome;
    if (t < 0 || t > 2 || c < 1 || c > 23) return;
    // One SNP per logical unit across, wherever the window is scrolled or however it is scaled.
    const int i = logicalPointAt(*this, x, 0).x + chromosomeStart[t][c] - kPanelMargin;
    // The margin and the space after the last SNP show no SNP.
    if (i < chromosomeStart[t][c] || i >= chromosomeStart[t][c + 1]) return;

    CVARNDoc& doc = doc_;
    // The merged chromosome view draws by merged index; the single-array views by position.
    auto positionOf = [&](int j) { return displayMode == ModeChromosomeBoth ? doc.combineOrder[j] : j; };
    const int s = doc.arrangeOrder[positionOf(i)];

    // A band name fills its 16-byte slot without a terminator when it is that long.
    const char* name = doc.snpBandName[s];
    const std::string band(name, std::find(name, name + sizeof doc.snpBandName[s], '\0'));
    char line[160];
    std::snprintf(line, sizeof line, "SNPnumber= %d\tChromosome= %d\tCytoband= %7s\n ", i,
                  doc.snpChromosome[s], band.c_str());
    std::string text = line;
    // Two SNPs either side; near the ends of the array only those that exist.
    for (int j = i - 2; j <= i + 2; ++j) {
        if (j < doc.snpFirst[t] || j > doc.snpLast[t]) continue;
        const int pos = positionOf(j);
        std::snprintf(line, sizeof line, "\n point %d: signal= %f Position= %d", j,
                      static_cast<double>(doc.logRatio[0][pos]), doc.snpPosition[doc.arrangeOrder[pos]]);
        text += line;
    }
    if (bafPanelShown()) text += alleleLine(*shownAlleles(), i, doc.snpCall[s]);
    text += "\n\n Goto Web Information?";

    if (!doc.ui().yesNoBox(text)) return;
    if (!doc.ui().openUrl(genomeBrowserUrl(browserSite, doc.snpChromosome[s], doc.snpPosition[s])))
        doc.ui().messageBox("Web not connected");
}

} // namespace varn
