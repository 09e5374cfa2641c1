// The view's update handlers: which commands are available in the display state shown.
#include "CVARNView.h"

#include "CommandIds.h"
#include "PageExtent.h"
#include "document/CVARNDoc.h"
#include "engine/analysis/AlleleAnalysis.h"

namespace varn {

namespace {

bool modeIn(int mode, std::initializer_list<int> modes) {
    for (int m : modes)
        if (m == mode) return true;
    return false;
}

} // namespace

bool CVARNView::handlesEnableRule(int commandId) {
    switch (commandId) {
    case ID_CGH_VIEW: case ID_RANGE_SET: case ID_SORT: case ID_HMM_PARAMETER: case ID_AVERAGE_MODE:
    case ID_SAVE_VIEW_FILE: case ID_STORE: case ID_IGB_FILE_OUT: case ID_SEGMENT_OUT: case ID_NON_SELF_LOAD:
    case ID_ALLELE_MODEL:
    case ID_PRINT_VIEW: case ID_MONITOR_VIEW: case ID_ALL_GENOME: case ID_EACH_CHROMOSOME:
    case ID_EXPLORE_VIEW: case ID_PREV_CHROMOSOME: case ID_NEXT_CHROMOSOME:
    case ID_MOVE_LEFT: case ID_MOVE_RIGHT: case ID_RETURN_TO_TOP:
    case ID_FIT_TO_WINDOW: case ID_EXPORT_PICTURE: case ID_REPORT_OUT: case ID_BAF_PANEL:
    case ID_ALLELE_DECODING:
        return true;
    default:
        return false;
    }
}

// A profile's page: what it can do. Its log ratios come from the array's own software, measured
// against that software's references, so there is no pool to rank nor a compensation to draw.
bool CVARNView::profileCommandEnabled(int commandId) const {
    const int m = displayMode;
    switch (commandId) {
    case ID_HMM_PARAMETER: case ID_STORE: case ID_SEGMENT_OUT: case ID_REPORT_OUT:
    case ID_PRINT_VIEW: case ID_MONITOR_VIEW: case ID_FIT_TO_WINDOW: case ID_EXPORT_PICTURE:
        return true;
    case ID_EACH_CHROMOSOME: return m == ModeProfileGenome;
    case ID_ALL_GENOME: case ID_EXPLORE_VIEW: case ID_PREV_CHROMOSOME: case ID_NEXT_CHROMOSOME:
        return m == ModeProfileChromosome;
    case ID_MOVE_LEFT: case ID_MOVE_RIGHT: case ID_RETURN_TO_TOP:
        return m == ModeProfileChromosome && profileZoom > 1 && !fitToWindow;
    case ID_NON_SELF_LOAD:
    case ID_ALLELE_MODEL: return doc_.refCount[kXba] > 0 || doc_.refCount[kHind] > 0;
    default:
        return false;
    }
}

std::string CVARNView::unavailableOnProfile(int commandId) const {
    if (!isProfileMode(displayMode)) return {};
    switch (commandId) {
    case ID_SORT: return "Sort ranks a reference pool; a profile was measured against its array's own references";
    case ID_RANGE_SET:
    case ID_CGH_VIEW:
        return "The compensation pages belong to a profile against a reference pool; this one comes from "
               "its array's own software";
    case ID_AVERAGE_MODE: return "A profile is drawn by pixel column at any density, without a moving average";
    default: return {};
    }
}

bool CVARNView::isCommandEnabled(int commandId) const {
    const int m = displayMode;
    if (isProfileMode(m)) return profileCommandEnabled(commandId);
    switch (commandId) {
    case ID_CGH_VIEW: return m == ModeCompensation;
    case ID_RANGE_SET:
        // A drag is only mapped back to positions under the preset it was drawn with.
        return (m == ModeGenomeBoth && windowExtX == 20 && windowExtY == 10) ||
               (modeIn(m, {ModeGenomeSingle, ModeGenomeSelf}) && windowExtX == 10 && windowExtY == 10) ||
               (m == ModeCompensation && windowOrgY == 5500);
    case ID_SORT: return m == ModeReferenceSort;
    case ID_HMM_PARAMETER: return m == ModeGenomeSingle;
    case ID_AVERAGE_MODE: return modeIn(m, {ModeGenomeBoth, ModeGenomeSingle, ModeGenomeSelf});
    case ID_SAVE_VIEW_FILE: return m == ModeGenomeSingle;
    case ID_STORE: return modeIn(m, {ModeGenomeSingle, ModeGenomeSelf});
    case ID_IGB_FILE_OUT: return modeIn(m, {ModeGenomeBoth, ModeGenomeSingle});
    // The segments follow the HMM states, which only pool profiles have (paired ones are not
    // decoded); a chromosome display writes the whole profile it belongs to.
    case ID_SEGMENT_OUT: return modeIn(m, {ModeGenomeBoth, ModeChromosomeBoth, ModeGenomeSingle, ModeChromosomeSingle});
    case ID_NON_SELF_LOAD:
    case ID_ALLELE_MODEL: return doc_.refCount[kXba] > 0 || doc_.refCount[kHind] > 0;
    case ID_PRINT_VIEW:
    case ID_MONITOR_VIEW:
        return modeIn(m, {ModeGenomeBoth, ModeChromosomeBoth, ModeGenomeSingle, ModeChromosomeSingle,
                          ModeGenomeSelf, ModeChromosomeSelf});
    case ID_ALL_GENOME: return modeIn(m, {ModeChromosomeBoth, ModeChromosomeSingle, ModeChromosomeSelf});
    case ID_EACH_CHROMOSOME: return modeIn(m, {ModeGenomeBoth, ModeGenomeSingle, ModeGenomeSelf});
    case ID_EXPLORE_VIEW:
    case ID_PREV_CHROMOSOME:
    case ID_NEXT_CHROMOSOME:
        return modeIn(m, {ModeChromosomeBoth, ModeChromosomeSingle, ModeChromosomeSelf});
    case ID_MOVE_LEFT:
    case ID_MOVE_RIGHT:
    case ID_RETURN_TO_TOP:
        return modeIn(m, {ModeChromosomeBoth, ModeChromosomeSingle, ModeChromosomeSelf}) && windowExtX == 1 &&
               windowExtY == 4;
    case ID_FIT_TO_WINDOW:
    case ID_EXPORT_PICTURE:
        // Whatever draws a page: the genome and chromosome pages and the compensation plots.
        return !pageExtent(*this).empty();
    case ID_REPORT_OUT: return modeIn(m, {ModeGenomeSingle, ModeGenomeBoth});
    // The genome and chromosome views of an analysis whose allele analysis can run; greyed
    // otherwise, with bafPanelUnavailable() saying why. The allele-specific decoding reads the
    // same analysis.
    case ID_BAF_PANEL:
    case ID_ALLELE_DECODING: {
        const AlleleAnalysis* alleles = shownAlleles();
        return alleles != nullptr && alleles->available;
    }
    default:
        return false;
    }
}

} // namespace varn
