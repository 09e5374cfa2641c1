#include "DemoFinalReports.h"

#include "DenseArray.h"
#include "FinalReportSample.h"
#include "FinalReportWriter.h"
#include "PfbFileWriter.h"
#include "ReportTumour.h"
#include "TruthFile.h"

#include <ostream>

namespace varn::demo {

bool writeDemoFinalReports(const FinalReportFiles& files, std::uint64_t seed, int snpCount,
                           const std::string& command, std::ostream& err) {
    auto ok = [&](bool written, const std::filesystem::path& path) {
        if (!written) err << command << ": cannot write " << path.string() << "\n";
        return written;
    };
    const DenseArray array = makeDenseArray(seed, snpCount);
    const ReportTumour patient = reportTumour();
    const std::vector<std::uint8_t> germline = drawDenseGermline(array, patient, seed);
    for (const bool tumour : {true, false}) {
        const std::filesystem::path& path = tumour ? files.tumour : files.normal;
        if (path.empty()) continue;
        const ReportSample sample = synthesiseReportSample(array, patient, germline, tumour, seed);
        if (!ok(writeFinalReport(path, array, sample), path)) return false;
    }
    if (!files.truth.empty() && !ok(writeTruthFile(files.truth, patient.tumour), files.truth)) return false;
    if (!files.pfb.empty() && !ok(writePfbFile(files.pfb, array), files.pfb)) return false;
    return true;
}

} // namespace varn::demo
