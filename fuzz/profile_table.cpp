// A plain profile table: the first input byte as ProfileFuzz.h says, the rest the file readProfileTable
// reads.
#include "ProfileFuzz.h"

#include "document/profile/ProfileTableReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return varn::fuzz::fuzzProfileReader(data, size, "table.tsv", varn::readProfileTable);
}
