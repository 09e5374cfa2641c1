// The sample list table: the names of the loaded reference pools, Xba first, then Hind, each
// numbered by pool row from 1. Tab-separated text despite the ".xls" name.
#include "document/CVARNDoc.h"

#include "document/FileBytes.h"
#include "document/PrintFormat.h"
#include "document/SampleName.h"
#include "document/UserInterface.h"

#include <algorithm>
#include <string>

namespace varn {

void CVARNDoc::OnDebug() {
    std::string out;
    for (int t : {kXba, kHind}) {
        const int rows = std::min(refCount[t], kPoolRows);
        for (int r = 1; r < rows; ++r) {
            appendInt(out, r);
            out += '\t';
            out += sampleName(poolSampleName[t][r]);
            out += '\n';
        }
    }
    const std::filesystem::path path = fixedPath("c:\\VARN\\SampleList.xls");
    if (!replaceFileContents(path, out)) {
        ui().messageBox("Sample List file cannot be loaded");
        return;
    }
    ui().fileWritten("Wrote", path);
}

} // namespace varn
