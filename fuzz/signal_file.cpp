// The sample signal file: the first input byte chooses the array type and the allele slot, the
// rest is the file ReadSignalFile reads into pool row 0.
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
    const int slot = (data[0] >> 1) % 3;
    const int lines = w.doc->snpLast[t] - w.doc->snpFirst[t] + 1;
    const auto path = varn::fuzz::writeScratchFile("sampledataX/fuzzX.txt", varn::fuzz::expandInput(data + 1, size - 1, lines));
    w.doc->ReadSignalFile(t, path, slot == 2 ? 1 : 0, slot);
    return 0;
}
