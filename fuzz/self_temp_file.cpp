// The self temporary file on the road of "SelfLoad": read the file and recompute the paired
// profile (the averaging dialog that follows is cancelled). The first input byte chooses the
// array length; a repeated middle part counts against both blocks, tumour and normal.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    varn::fuzz::world();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    auto& w = varn::fuzz::world();
    w.ui.messages.clear();
    varn::CVARNDoc& doc = *w.doc;
    const int lengthOf = (data[0] & 1) ? varn::kXba : varn::kHind;
    const int lines = 2 * (doc.snpLast[lengthOf] - doc.snpFirst[lengthOf] + 1);
    const auto path =
        varn::fuzz::writeScratchFile("Self temporary files/fuzz.temp", varn::fuzz::expandInput(data + 1, size - 1, lines));
    if (doc.LoadSelfTempFile(path) == 0) doc.referenceMode = varn::kSelfReference;
    return 0;
}
