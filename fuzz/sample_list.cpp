// The sample list of pool building: "MakeReference" or "AddReference" (first input byte) for
// Xba or Hind, the list chooser answering with the input as the list file, every named sample's
// signal file read (one real small file exists, for the name "s1"), and Save As cancelled.
#include "FuzzSupport.h"

#include <string>

namespace {

// Two header lines and one data line: every other record keeps its values.
void writeSmallSignalFile(const char* relative) {
    std::string text = "header\nheader\n1\tSNP_A-0000001";
    for (int i = 0; i < 40; ++i) text += "\t1.5";
    for (int i = 0; i < 16; ++i) text += "\tnull";
    text += "\n";
    varn::fuzz::writeScratchFile(relative, text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    varn::fuzz::world();
    writeSmallSignalFile("sampledataX/s1X.txt");
    writeSmallSignalFile("sampledataH/s1H.txt");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    auto& w = varn::fuzz::world();
    w.ui.messages.clear();
    varn::CVARNDoc& doc = *w.doc;
    doc.refCount[varn::kXba] = 5;
    doc.refCount[varn::kHind] = 5;
    w.ui.sampleType = (data[0] & 2) ? varn::kHind : varn::kXba;
    w.ui.chosenFile = varn::fuzz::writeScratchFile("list.txt", varn::fuzz::expandInput(data + 1, size - 1, 199));
    if (data[0] & 1) doc.OnAddReference();
    else doc.OnMakeReference();
    return 0;
}
