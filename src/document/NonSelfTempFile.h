#pragma once

#include <string>
#include <string_view>

namespace varn {

class CVARNDoc;

// How reading a temporary file ended.
enum class TempFileRead {
    Loaded,      // every field taken over into the document
    Malformed,   // not a temporary file of this format: the document is as it was
    NoReference, // the file's array type has no pool loaded: only arrayType has changed
};

// The non-self temporary file of array type t (1 Xba, 2 Hind): the analysed sample's summed
// signal and calls and every setting a pool-mode profile is recomputed from, as text.
std::string formatNonSelfTempFile(const CVARNDoc& doc, int t);

// Takes a non-self temporary file over into the document. Nothing is changed unless the whole
// fixed part of the file is present and its array type and row are in range.
TempFileRead parseNonSelfTempFile(CVARNDoc& doc, std::string_view text);

} // namespace varn
