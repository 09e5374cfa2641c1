// The SNP-call file: the first input byte chooses the array type and whether the calls are the
// tumour's or the paired normal's, the rest is the file ReadSnpCallFile reads.
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
    const int target = (data[0] >> 1) & 1;
    const int lines = w.doc->snpLast[t] - w.doc->snpFirst[t] + 1;
    const auto path = varn::fuzz::writeScratchFile("calls.txt", varn::fuzz::expandInput(data + 1, size - 1, lines));
    w.doc->ReadSnpCallFile(t, path, target);
    return 0;
}
