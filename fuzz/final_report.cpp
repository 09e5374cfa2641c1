// An Illumina final report: the first input byte as ProfileFuzz.h says, the rest is the file readFinalReport
// reads.
#include "ProfileFuzz.h"

#include "document/profile/FinalReportReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    varn::ProfileOptions options;
    if (data[0] & 2) options.sample = "S2";
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const varn::ProfileReading reading =
        varn::readFinalReport(varn::fuzz::writeProfileInput("report.txt", bytes, data[0] & 1), options);
    if (reading.profile.has_value() == !reading.refusal.empty()) std::abort();
    return 0;
}
