// The gzipped text of a file through both inflaters: the input is the file's bytes. Where the
// build has ISA-L, the two must agree: the same text, and a refusal from both or from neither.
#include "ProfileFuzz.h"

#include "document/profile/GzipText.h"

#include <vector>

namespace {

bool inflated(const std::filesystem::path& path, varn::Inflater inflater, std::string& text) {
    varn::GzipText in(path, inflater);
    if (!in.isOpen()) std::abort();
    std::vector<char> chunk(1u << 16);
    long got = 0;
    while ((got = in.read(chunk.data(), chunk.size())) > 0) text.append(chunk.data(), static_cast<std::size_t>(got));
    return got == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Only a file that begins with gzip's magic bytes is read as gzipped (zlib would hand any
    // other through as it is).
    if (size < 2 || data[0] != 0x1f || data[1] != 0x8b) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto path = varn::fuzz::writeProfileInput("t.gz", bytes, false);
    std::string byZlib, byIsal;
    const bool zlibRead = inflated(path, varn::Inflater::Zlib, byZlib);
    if (!varn::inflaterBuilt(varn::Inflater::Isal)) return 0;
    const bool isalRead = inflated(path, varn::Inflater::Isal, byIsal);
    if (zlibRead != isalRead || byZlib != byIsal) std::abort();
    return 0;
}
