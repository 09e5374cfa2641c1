// The non-self temporary file on the roads that follow its loading: the batch track export
// (profile against row 0, LOH score) and a "Sort" whose reference dialog is cancelled (profile
// against the pivot row the file restored). The first input byte chooses the road (bit 1) and
// the array length a repeated middle part (the signal lines) is counted against (bit 0).
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
    const int lines = doc.snpLast[lengthOf] - doc.snpFirst[lengthOf] + 1;
    const auto path = varn::fuzz::writeScratchFile("temporary files/fuzz.temp", varn::fuzz::expandInput(data + 1, size - 1, lines));
    if (doc.LoadNonSelfTempFile(path) != 0) return 0;
    const int t = doc.arrayType;
    const int denominator = (data[0] & 2) ? doc.pivotRow[t] : 0;
    doc.computePoolRatio(doc.regionStart[t], doc.regionEnd[t], doc.refSelected[t], doc.analysedRow[t], denominator, t);
    doc.computeLohScore(t);
    return 0;
}
