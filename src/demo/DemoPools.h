#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varn::demo {

// The pool files of both arrays made the way the program makes them: a document over the
// installation root reads each reference's signal file from sampledataX / sampledataH into its
// pool rows and saves itself as a reference pool file, the Xba pool first. False, with the
// program's messages in problem, when the annotation or a signal file could not be read or a file
// not written.
bool writeDemoPools(const std::filesystem::path& root, const std::vector<std::string>& names,
                    const std::filesystem::path& xbaPool, const std::filesystem::path& hindPool,
                    std::string& problem);

} // namespace varn::demo
