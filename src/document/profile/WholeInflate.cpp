#include "document/profile/WholeInflate.h"

#if VARN_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace varn {

#if VARN_HAVE_LIBDEFLATE

namespace {

struct Decompressor {
    libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    ~Decompressor() {
        if (d != nullptr) libdeflate_free_decompressor(d);
    }
};

bool readAll(std::FILE* file, std::unique_ptr<char[]>& bytes, std::size_t& size) {
    if (std::fseek(file, 0, SEEK_END) != 0) return false;
    const long end = std::ftell(file);
    if (end < 0 || static_cast<unsigned long>(end) > kMaxWholeText || std::fseek(file, 0, SEEK_SET) != 0)
        return false;
    size = static_cast<std::size_t>(end);
    bytes.reset(new char[size + 1]);
    return std::fread(bytes.get(), 1, size, file) == size && std::fgetc(file) == EOF;
}

bool grow(InflatedText& text, std::size_t& capacity) {
    if (capacity >= kMaxWholeText) return false;
    capacity = std::min(kMaxWholeText, capacity * 2);
    std::unique_ptr<char[]> bigger(new char[capacity]);
    std::memcpy(bigger.get(), text.bytes.get(), text.size);
    text.bytes = std::move(bigger);
    return true;
}

} // namespace

bool inflateWhole(std::FILE* file, InflatedText& text) {
    text = {};
    std::unique_ptr<char[]> in;
    std::size_t inSize = 0;
    Decompressor inflater;
    if (inflater.d == nullptr || !readAll(file, in, inSize) || inSize < 18) return false;
    // The last four bytes are the last member's text size (modulo 2^32): for the usual file of
    // one member, the exact room. A guess from the compression of text for any other.
    std::uint32_t lastSize = 0;
    std::memcpy(&lastSize, in.get() + inSize - 4, 4);
    if (lastSize > kMaxWholeText) return false;
    std::size_t capacity = std::min(kMaxWholeText, std::max<std::size_t>({lastSize, inSize * 4, 1u << 16}));
    text.bytes.reset(new char[capacity]);
    const auto* bytes = reinterpret_cast<const unsigned char*>(in.get());
    std::size_t at = 0;
    // As zlib does, bytes after the last member that begin no other member are ignored.
    while (at + 2 <= inSize && bytes[at] == 0x1f && bytes[at + 1] == 0x8b) {
        std::size_t used = 0, made = 0;
        const libdeflate_result result = libdeflate_gzip_decompress_ex(
            inflater.d, bytes + at, inSize - at, text.bytes.get() + text.size, capacity - text.size, &used, &made);
        if (result == LIBDEFLATE_INSUFFICIENT_SPACE && grow(text, capacity)) continue;
        if (result != LIBDEFLATE_SUCCESS) {
            text = {};
            return false;
        }
        at += used;
        text.size += made;
    }
    return true;
}

#else

bool inflateWhole(std::FILE*, InflatedText& text) {
    text = {};
    return false;
}

#endif

} // namespace varn
