// ASCAT's LogR and BAF files: the first input byte as ProfileFuzz.h says, the rest split at the
// first 01 02 03 into the LogR file and the BAF file beside it, which readAscat finds by name.
#include "ProfileFuzz.h"

#include "document/profile/AscatReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    varn::ProfileOptions options;
    if (data[0] & 2) options.sample = "S2";
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t cut = bytes.find("\x01\x02\x03");
    const bool gzip = data[0] & 1;
    const auto logR = varn::fuzz::writeProfileInput("T.LogR.txt", bytes.substr(0, cut), gzip);
    if (cut != std::string::npos)
        varn::fuzz::writeProfileInput("T.BAF.txt", bytes.substr(cut + 3), gzip);
    else {
        std::error_code ec;
        std::filesystem::remove(varn::fuzz::profileScratch() / "T.BAF.txt", ec);
    }
    const varn::ProfileReading reading = varn::readAscat(logR, options);
    if (reading.profile.has_value() == !reading.refusal.empty()) std::abort();
    return 0;
}
