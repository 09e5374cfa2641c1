// The eight genome annotation tables: the first input byte chooses the table, the rest is the
// file the document's loader reads (repeated middle parts reach the full table lengths).
#include "FuzzSupport.h"

namespace {

struct Table {
    const char* file;
    int lines; // data lines of a complete table
};

constexpr Table kTables[8] = {
    {"data/IDH3.txt", 57244},           {"data/IDX3.txt", 58960},
    {"data/arrange_data_H.txt", 57244}, {"data/arrange_data_X.txt", 58960},
    {"data/cytoband_H.txt", 57244},     {"data/cytoband_X.txt", 58960},
    {"data/combine.txt", 116204},       {"data/japanesehetero.txt", 116204},
};

// Whatever a table holds, the orders the loaders admit must stay inside the slot space, or every
// later lookup through them reads past the arrays. Checked here without coverage counting, since
// it walks all slots for every input.
__attribute__((no_sanitize("coverage"))) void checkOrders(const varn::CVARNDoc& doc) {
    for (int i = 0; i < varn::kSlots; ++i) {
        if (doc.arrangeOrder[i] < 0 || doc.arrangeOrder[i] >= varn::kSlots) __builtin_trap();
        if (doc.combineOrder[i] < 0 || doc.combineOrder[i] >= varn::kSlots) __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    varn::fuzz::world();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    auto& w = varn::fuzz::world();
    w.ui.messages.clear();
    const int which = data[0] % 8;
    varn::fuzz::writeScratchFile(kTables[which].file, varn::fuzz::expandInput(data + 1, size - 1, kTables[which].lines));
    varn::CVARNDoc& doc = *w.doc;
    switch (which) {
    case 0: doc.loadIdTable(varn::kHind); break;
    case 1: doc.loadIdTable(varn::kXba); break;
    case 2: doc.loadArrangeTable(varn::kHind); break;
    case 3: doc.loadArrangeTable(varn::kXba); break;
    case 4: doc.loadCytobandTable(varn::kHind); break;
    case 5: doc.loadCytobandTable(varn::kXba); break;
    case 6: doc.loadCombineTable(); break;
    default: doc.loadHeteroRateTable(); break;
    }
    checkOrders(doc);
    return 0;
}
