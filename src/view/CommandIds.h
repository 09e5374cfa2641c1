#pragma once

namespace varn {

// Command ids of the menus, toolbar and accelerators. The framework's standard commands keep
// their customary numbers; the program's own start at 32771.
enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601, // "Load Ref"
    ID_FILE_SAVE = 57603,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,

    ID_CGH_VIEW = 32771,
    ID_RANGE_SET = 32772,
    ID_HMM_PARAMETER = 32773,
    ID_SORT = 32774,
    ID_STORE = 32775,
    ID_NON_SELF_LOAD = 32776,
    ID_SELF_LOAD = 32777,
    ID_SAVE_VIEW_FILE = 32778,   // no menu item: reachable only as a command sent to the window
    ID_AVERAGE_MODE = 32791,
    ID_PRINT_VIEW = 32793,
    ID_MONITOR_VIEW = 32794,
    ID_EXPLORE_VIEW = 32795,
    ID_ALL_GENOME = 32796,
    ID_EACH_CHROMOSOME = 32797,
    ID_PREV_CHROMOSOME = 32807,
    ID_NEXT_CHROMOSOME = 32808,
    ID_MOVE_LEFT = 32809,
    ID_MOVE_RIGHT = 32810,
    ID_RETURN_TO_TOP = 32811,
    ID_MAKE_REFERENCE = 32812,
    ID_ADD_REFERENCE = 32813,
    ID_DEBUG = 32815,
    ID_IGB_FILE_OUT = 32818,
    ID_BATCH_IGB_FILE_OUT = 32819, // no menu item: reachable only as a command sent to the window
    ID_RAW_DATA_OUT = 32821,

    // Commands added beyond the original menus, numbered above its ids.
    ID_SEGMENT_OUT = 32830,    // Data: the segment table, SEG and BED files of the shown analysis
    ID_EXPORT_PICTURE = 32831, // File: the display as shown, as PNG, SVG or PDF (Ctrl+E)
    ID_FIT_TO_WINDOW = 32832,  // View: toggle, the page scaled to the window
    ID_REPORT_OUT = 32833,     // Data: the PDF report of the shown analysis
    ID_ALLELE_OUT = 32834,     // Data: the log ratio and B-allele fraction files ASCAT reads
    ID_ALLELE_MODEL = 32835,   // Data: the allele model of a loaded pool from its references
    ID_AXES_AND_LEGEND = 32836, // View: toggle, axes, legend and the call line on every page
    ID_BAF_PANEL = 32837,      // View: toggle, the B-allele fraction panel under each profile
    ID_ALLELE_DECODING = 32838, // Data: toggle, the shown analysis decoded by the allele-specific HMM
    ID_OPEN_PROFILE = 32839,   // File: a per-SNP profile from any array (Ctrl+Shift+O)
    ID_LOAD_PROFILE_ANALYSIS = 32840, // File: a profile's stored analysis
};

} // namespace varn
