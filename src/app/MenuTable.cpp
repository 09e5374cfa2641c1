#include "MenuTable.h"

#include "view/CommandIds.h"

#include <array>
#include <string_view>

namespace varn {

namespace {

constexpr std::array<const char*, 5> kMenuNames = {"File", "Data", "Parameter", "View", "Help"};

constexpr MenuItem kMenuItems[] = {
    {"File", "&New\tCtrl+N", ID_FILE_NEW, true},
    {"File", "Load Ref", ID_FILE_OPEN, false},
    {"File", "Open &Profile...\tCtrl+Shift+O", ID_OPEN_PROFILE, false},
    {"File", "Load Profile &Analysis...", ID_LOAD_PROFILE_ANALYSIS, false},
    {"File", "&Export Picture...\tCtrl+E", ID_EXPORT_PICTURE, true},
    {"File", "&Print...\tCtrl+P", ID_FILE_PRINT, false},
    {"File", "Print Pre&view", ID_FILE_PRINT_PREVIEW, false},
    {"File", "P&rint Setup...", ID_FILE_PRINT_SETUP, true},
    {"File", "Recent File", ID_FILE_MRU_FILE1, true},
    {"File", "E&xit", ID_APP_EXIT, false},
    {"Data", "NonSelfLoad", ID_NON_SELF_LOAD, false},
    {"Data", "SelfLoad", ID_SELF_LOAD, true},
    {"Data", "Store", ID_STORE, true},
    {"Data", "IGBFileOut", ID_IGB_FILE_OUT, false},
    {"Data", "RawDataOut", ID_RAW_DATA_OUT, false},
    {"Data", "SegmentOut", ID_SEGMENT_OUT, false},
    {"Data", "AlleleOut", ID_ALLELE_OUT, false},
    {"Data", "ReportOut", ID_REPORT_OUT, true},
    {"Data", "MakeReference", ID_MAKE_REFERENCE, false},
    {"Data", "AddReference", ID_ADD_REFERENCE, false},
    {"Data", "AlleleModel", ID_ALLELE_MODEL, false},
    {"Data", "Allele-specific Decoding", ID_ALLELE_DECODING, false},
    {"Parameter", "CGH View", ID_CGH_VIEW, false},
    {"Parameter", "Range Set", ID_RANGE_SET, false},
    {"Parameter", "Sort", ID_SORT, false},
    {"Parameter", "HMM parameter", ID_HMM_PARAMETER, false},
    {"Parameter", "Average mode", ID_AVERAGE_MODE, false},
    {"View", "PrintView", ID_PRINT_VIEW, false},
    {"View", "MonitorView", ID_MONITOR_VIEW, false},
    {"View", "ExploreView", ID_EXPLORE_VIEW, true},
    {"View", "AllGenome ", ID_ALL_GENOME, false},
    {"View", "EachChromosome", ID_EACH_CHROMOSOME, true},
    {"View", "PreviousChromosome", ID_PREV_CHROMOSOME, false},
    {"View", "NextChromosome", ID_NEXT_CHROMOSOME, true},
    {"View", "MoveLeft", ID_MOVE_LEFT, false},
    {"View", "MoveRight", ID_MOVE_RIGHT, false},
    {"View", "ReturnToTop", ID_RETURN_TO_TOP, true},
    {"View", "Fit to Window", ID_FIT_TO_WINDOW, false},
    {"View", "Axes and Legend", ID_AXES_AND_LEGEND, false},
    {"View", "B-allele Fraction", ID_BAF_PANEL, false},
    {"Help", "&About VARN...", ID_APP_ABOUT, false},
    {"Help", "Debug", ID_DEBUG, false},
};

constexpr int kToolbarButtons[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_PRINT_PREVIEW,
    ID_FILE_PRINT,
    0,
    ID_SELF_LOAD,
    ID_NON_SELF_LOAD,
    ID_STORE,
    0,
    ID_CGH_VIEW,
    ID_RANGE_SET,
    ID_SORT,
    ID_AVERAGE_MODE,
    ID_HMM_PARAMETER,
    0,
    ID_ALL_GENOME,
    ID_EACH_CHROMOSOME,
    0,
    ID_PRINT_VIEW,
    ID_MONITOR_VIEW,
    ID_EXPLORE_VIEW,
    0,
    ID_PREV_CHROMOSOME,
    ID_NEXT_CHROMOSOME,
    ID_MOVE_LEFT,
    ID_MOVE_RIGHT,
    ID_RETURN_TO_TOP,
    0,
    ID_APP_ABOUT,
};

struct StringEntry {
    int id;
    const char* text; // prompt, line break, tooltip
};

// The string table. The recent-file entries share one prompt and have no tooltip.
constexpr StringEntry kStrings[] = {
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Load Reference Filet\nLoad Ref File"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_NON_SELF_LOAD, "Non-self temp file load\nNon-self temp"},
    {ID_SELF_LOAD, "Self Temp file load\nself temp file load"},
    {ID_STORE, "Store temporary files\ntemp file store"},
    {ID_OPEN_PROFILE, "Open a per-SNP profile of any array: a final report, a PennCNV or ASCAT file, a table\nOpen Profile"},
    {ID_LOAD_PROFILE_ANALYSIS, "Load a profile's stored analysis\nLoad Profile Analysis"},
    {ID_SEGMENT_OUT, "Write the segment table, SEG and BED files of the analysis shown\nSegment files"},
    {ID_CGH_VIEW, "Temporary CGH View\nTempCGHView"},
    {ID_RANGE_SET, "Set Range for Compensation\nRange Set"},
    {ID_SORT, "Sort reference samples\nSort refs"},
    {ID_HMM_PARAMETER, "Set HMM parameters\nHMM parameters"},
    {ID_AVERAGE_MODE, "Set Averaging Mode Parameters\nAveraging parameter"},
    {ID_PRINT_VIEW, "Printer View\nPrint View"},
    {ID_MONITOR_VIEW, "Monitor View\nMonitor View"},
    {ID_EXPLORE_VIEW, "Explore View\nExplore View"},
    {ID_ALL_GENOME, "All Genome View\nAll genome view"},
    {ID_EACH_CHROMOSOME, "Each Chromosome View\nEach Ch View"},
    {ID_PREV_CHROMOSOME, "Show Previous Chromosome\nPrevious Ch"},
    {ID_NEXT_CHROMOSOME, "Show Next Chromosome\nNext Ch"},
    {ID_MOVE_LEFT, "Move Left\nMove Left"},
    {ID_MOVE_RIGHT, "Move Right\nMove Right"},
    {ID_RETURN_TO_TOP, "Return to The Top of Chromosome\nReturn to Top"},
    {ID_EXPORT_PICTURE, "Save the display as shown as a PNG, SVG or PDF picture\nExport Picture"},
    {ID_ALLELE_OUT, "Write the log ratio and B-allele fraction files ASCAT reads, of the analysis shown\nAllele files"},
    {ID_REPORT_OUT, "Write a PDF report of the analysis shown\nReport"},
    {ID_ALLELE_MODEL, "Learn the allele model of a loaded pool from its references' signal files\nAllele model"},
    {ID_FIT_TO_WINDOW, "Scale the page to the window\nFit to Window"},
    {ID_AXES_AND_LEGEND,
     "Show value axes, megabase ticks, a legend and the copy-number call line\nAxes and Legend"},
    {ID_BAF_PANEL, "Show the B-allele fraction of every SNP under the profile\nB-allele Fraction"},
    {ID_ALLELE_DECODING,
     "Decode the analysis shown into total and minor-parent copies from its log ratios and alleles\n"
     "Allele-specific Decoding"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
};

std::string_view stringEntry(int id) {
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount) return "Open this document";
    for (const StringEntry& e : kStrings)
        if (e.id == id) return e.text;
    return {};
}

} // namespace

std::span<const MenuItem> menuItems() {
    return kMenuItems;
}

std::span<const char* const> menuNames() {
    return kMenuNames;
}

// Each menu opens by its first letter, and no two share one.
std::string menuTitle(const char* name) {
    return std::string("&") + name;
}

std::span<const int> toolbarButtons() {
    return kToolbarButtons;
}

std::string statusPrompt(int id) {
    const std::string_view entry = stringEntry(id);
    return std::string(entry.substr(0, entry.find('\n')));
}

std::string toolTip(int id) {
    const std::string_view entry = stringEntry(id);
    const std::size_t lineBreak = entry.find('\n');
    return lineBreak == std::string_view::npos ? std::string() : std::string(entry.substr(lineBreak + 1));
}

} // namespace varn
