// A PennCNV signal file: the first input byte as ProfileFuzz.h says, the rest the file readPennCnv reads.
#include "ProfileFuzz.h"

#include "document/profile/PennCnvReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return varn::fuzz::fuzzProfileReader(data, size, "signal.txt", varn::readPennCnv);
}
