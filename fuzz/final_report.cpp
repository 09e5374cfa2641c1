// An Illumina final report: the first input byte as ProfileFuzz.h says, the rest the file readFinalReport
// reads.
#include "ProfileFuzz.h"

#include "document/profile/FinalReportReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return varn::fuzz::fuzzProfileReader(data, size, "report.txt", varn::readFinalReport);
}
