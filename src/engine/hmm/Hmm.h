#pragma once

namespace varn {

class CVARNDoc;

// Decodes the usable positions with a finite value among display positions begin .. end - 1 of
// one array as one Markov chain (a chromosome), into hmmState[row]. The positions are gathered in
// the document's chrPosList, 11,999 at a time; a longer stretch is decoded in consecutive pieces,
// each started afresh.
void decodeUsableRange(CVARNDoc& doc, int begin, int end, int row, const float* values, double sigma);

} // namespace varn
