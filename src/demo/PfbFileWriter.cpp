#include "PfbFileWriter.h"

#include "DenseArray.h"
#include "FinalReportWriter.h"
#include "TextFileOut.h"

namespace varn::demo {

bool writePfbFile(const std::filesystem::path& path, const DenseArray& array) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    out.put("Name\tChr\tPosition\tPFB\n");
    for (const std::int32_t row : array.genomeOrder) {
        const auto i = static_cast<std::size_t>(row);
        putSnpName(out, array, i);
        out.put('\t');
        putLocus(out, array, i);
        out.put('\t');
        out.putFourDecimals(array.bFrequency[i]);
        out.put('\n');
    }
    return out.close();
}

} // namespace varn::demo
