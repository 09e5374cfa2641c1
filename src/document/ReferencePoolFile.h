#pragma once

#include <string_view>

namespace varn {

// The texts framing a reference pool file. Nothing in them tells Xba from Hind: the array type is
// the integer that follows the start marker.
inline constexpr std::string_view kPoolStartMarker = "<## 100K CGH Loaded data start ##>";
inline constexpr std::string_view kPoolEndMarker = "<## 100K CGH Loaded data end ##>";

// The application framework's own reports around opening and saving a document.
inline constexpr const char* kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr const char* kFailedToOpenDocument = "Failed to open document.";
inline constexpr const char* kFailedToSaveDocument = "Failed to save document.";

// Bytes of one pool row in the file: the summed signal of every SNP of the array, the mean probe
// intensity of its signal file and 16 bytes of its name.
inline constexpr int kPoolNameBytes = 16;
constexpr long long poolRowBytes(int snpCount) { return 4LL * snpCount + 4 + kPoolNameBytes; }

} // namespace varn
