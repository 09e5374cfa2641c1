// The reference pool file, opened as "Load Ref" does. The first input byte chooses the array
// length a repeated middle part is counted against (one row of signals of Xba or Hind); the
// rest is the file.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    varn::fuzz::world();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    auto& w = varn::fuzz::world();
    w.ui.messages.clear();
    const int t = (data[0] & 1) ? varn::kXba : varn::kHind;
    const int values = w.doc->snpLast[t] - w.doc->snpFirst[t] + 1;
    const auto path = varn::fuzz::writeScratchFile("pool.ref", varn::fuzz::expandInput(data + 1, size - 1, values));
    if (w.doc->OnOpenDocument(path)) varn::fuzz::resetPools(*w.doc);
    return 0;
}
