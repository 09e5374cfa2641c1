#include "CArchive.h"

#include <bit>
#include <cstring>

namespace varn {

CArchive::CArchive() : storing_(true) {}

CArchive::CArchive(std::string bytes) : bytes_(std::move(bytes)), storing_(false) {}

void CArchive::writeInt32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
    bytes_.append(b, 4);
}

void CArchive::writeFloat(float value) { writeInt32(static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(value))); }

void CArchive::writeBytes(const void* data, std::size_t size) { bytes_.append(static_cast<const char*>(data), size); }

void CArchive::writeString(std::string_view text) {
    const std::size_t n = text.size();
    auto put = [this](std::uint64_t v, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) bytes_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    if (n < 0xFF) {
        put(n, 1);
    } else if (n < 0xFFFE) {
        put(0xFF, 1);
        put(n, 2);
    } else {
        put(0xFF, 1);
        put(0xFFFF, 2);
        put(n, 4);
    }
    bytes_.append(text);
}

std::uint64_t CArchive::readUnsigned(std::size_t size) {
    unsigned char b[8] = {};
    if (!readBytes(b, size)) return 0;
    std::uint64_t v = 0;
    for (std::size_t i = size; i-- > 0;) v = (v << 8) | b[i];
    return v;
}

std::int32_t CArchive::readInt32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(readUnsigned(4))); }

float CArchive::readFloat() { return std::bit_cast<float>(static_cast<std::uint32_t>(readUnsigned(4))); }

bool CArchive::readBytes(void* data, std::size_t size) {
    if (truncated_ || size > remaining()) {
        truncated_ = true;
        return false;
    }
    std::memcpy(data, bytes_.data() + pos_, size);
    pos_ += size;
    return true;
}

// The length forms: a byte below 0xFF; else a 16-bit length below 0xFFFF; else a 32-bit length
// below 0xFFFFFFFF; else a 64-bit length. A 16-bit 0xFFFE in place of a length flags a wide
// string, whose length then follows in the same forms.
std::uint64_t CArchive::readStringLength(bool& wide) {
    wide = false;
    std::uint64_t n = readUnsigned(1);
    if (n < 0xFF) return n;
    n = readUnsigned(2);
    if (n == 0xFFFE) {
        wide = true;
        n = readUnsigned(1);
        if (n < 0xFF) return n;
        n = readUnsigned(2);
    }
    if (n < 0xFFFF) return n;
    n = readUnsigned(4);
    if (n < 0xFFFFFFFF) return n;
    return readUnsigned(8);
}

std::string CArchive::readString() {
    bool wide = false;
    const std::uint64_t length = readStringLength(wide);
    if (truncated_) return {};
    const std::uint64_t size = wide ? length * 2 : length;
    // Checked before anything is allocated: a damaged length must not ask for gigabytes.
    if (length > remaining() || size > remaining()) {
        truncated_ = true;
        return {};
    }
    std::string text;
    if (!wide) {
        text.assign(bytes_, pos_, static_cast<std::size_t>(size));
    } else {
        text.reserve(static_cast<std::size_t>(length));
        for (std::size_t i = 0; i < length; ++i) {
            const auto lo = static_cast<unsigned char>(bytes_[pos_ + 2 * i]);
            const auto hi = static_cast<unsigned char>(bytes_[pos_ + 2 * i + 1]);
            const unsigned unit = lo | (hi << 8);
            text.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
        }
    }
    pos_ += static_cast<std::size_t>(size);
    return text;
}

bool CArchive::seek(std::size_t position) {
    if (position > bytes_.size()) {
        truncated_ = true;
        return false;
    }
    pos_ = position;
    return true;
}

bool CArchive::skip(std::size_t size) {
    if (truncated_ || size > remaining()) {
        truncated_ = true;
        return false;
    }
    pos_ += size;
    return true;
}

} // namespace varn
