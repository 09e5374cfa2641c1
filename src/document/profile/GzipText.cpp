#include "document/profile/GzipText.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

#if VARN_HAVE_ISAL
#include <isa-l/igzip_lib.h>
#endif

namespace varn {

namespace {

constexpr unsigned kZlibBuffer = 256u << 10;

gzFile gz(void* file) {
    return static_cast<gzFile>(file);
}

std::string zlibErrorText(gzFile file) {
    int code = Z_OK;
    const char* text = gzerror(file, &code);
    if (code == Z_ERRNO) return std::strerror(errno);
    // zlib puts the path before its message; the refusal names the file already.
    std::string_view message = text != nullptr ? text : "unknown error";
    if (const std::size_t colon = message.rfind(": "); colon != std::string_view::npos)
        message.remove_prefix(colon + 2);
    return std::string(message);
}

} // namespace

Inflater fastestInflater() {
    return VARN_HAVE_ISAL ? Inflater::Isal : Inflater::Zlib;
}

bool inflaterBuilt(Inflater inflater) {
    return inflater == Inflater::Zlib || VARN_HAVE_ISAL;
}

#if VARN_HAVE_ISAL

// ISA-L's state, and the compressed bytes it reads from.
struct GzipText::IsalState {
    static constexpr std::size_t kInput = 256u << 10;
    inflate_state state{};
    std::vector<unsigned char> input = std::vector<unsigned char>(kInput);
    bool inputEnded = false; // the file has no more bytes
    bool memberStart = true; // no byte of the current member inflated yet
};

namespace {

// ISA-L's failures in zlib's words, so that a refusal reads the same whichever inflated it.
std::string isalErrorText(int code) {
    switch (code) {
    case ISAL_INVALID_BLOCK: return "invalid block type";
    case ISAL_INVALID_SYMBOL: return "invalid code";
    case ISAL_INVALID_LOOKBACK: return "invalid distance too far back";
    case ISAL_INVALID_WRAPPER: return "incorrect header check";
    case ISAL_UNSUPPORTED_METHOD: return "unknown compression method";
    case ISAL_INCORRECT_CHECKSUM: return "incorrect data check";
    default: return "invalid compressed data (code " + std::to_string(code) + ")";
    }
}

// A new member: the state as new, reading on from where the last member ended.
void startMember(inflate_state& s) {
    std::uint8_t* in = s.next_in;
    const std::uint32_t left = s.avail_in;
    isal_inflate_init(&s);
    s.crc_flag = ISAL_GZIP;
    s.next_in = in;
    s.avail_in = left;
}

} // namespace

#endif

GzipText::GzipText(const std::filesystem::path& path, Inflater inflater) {
#if VARN_HAVE_ISAL
    if (inflater == Inflater::Isal) {
        file_ = std::fopen(path.c_str(), "rb");
        if (file_ == nullptr) return;
        isal_ = std::make_unique<IsalState>();
        isal_->state.next_in = isal_->input.data();
        startMember(isal_->state);
        return;
    }
#endif
    (void)inflater;
    zlib_ = gzopen(path.c_str(), "rb");
    if (zlib_ != nullptr) gzbuffer(gz(zlib_), kZlibBuffer);
}

GzipText::~GzipText() {
    if (zlib_ != nullptr) gzclose(gz(zlib_));
    if (file_ != nullptr) std::fclose(file_);
}

long GzipText::read(char* into, std::size_t size) {
    if (!error_.empty()) return -1;
    if (ended_) return 0;
    return zlib_ != nullptr ? readZlib(into, size) : readIsal(into, size);
}

long GzipText::readZlib(char* into, std::size_t size) {
    const int got = gzread(gz(zlib_), into, static_cast<unsigned>(size));
    int code = Z_OK;
    gzerror(gz(zlib_), &code);
    // A truncated stream reports the early end with Z_BUF_ERROR after a read of 0 bytes.
    if (got < 0 || code != Z_OK) {
        error_ = zlibErrorText(gz(zlib_));
        return -1;
    }
    if (got == 0) ended_ = true;
    return got;
}

#if VARN_HAVE_ISAL

bool GzipText::refill(std::size_t keep) {
    inflate_state& s = isal_->state;
    std::vector<unsigned char>& input = isal_->input;
    std::memmove(input.data(), s.next_in, keep);
    if (keep == input.size()) input.resize(2 * input.size()); // a gzip header's name of this length
    const std::size_t got = std::fread(input.data() + keep, 1, input.size() - keep, file_);
    if (std::ferror(file_)) {
        error_ = std::strerror(errno);
        return false;
    }
    isal_->inputEnded = got == 0;
    s.next_in = input.data();
    s.avail_in = static_cast<std::uint32_t>(keep + got);
    return true;
}

long GzipText::readIsal(char* into, std::size_t size) {
    inflate_state& s = isal_->state;
    std::size_t got = 0;
    while (got < size) {
        if (s.block_state == ISAL_BLOCK_FINISH) {
            // The member is done; another begins where gzip's two magic bytes follow.
            if (s.avail_in < 2 && !isal_->inputEnded) {
                if (!refill(s.avail_in)) return -1;
                continue;
            }
            if (s.avail_in >= 2 && s.next_in[0] == 0x1f && s.next_in[1] == 0x8b) {
                startMember(s);
                isal_->memberStart = true;
                continue;
            }
            ended_ = true;
            break;
        }
        if (isal_->memberStart) {
            // RFC 1952 has a reader refuse a header with its reserved flags set, as zlib does;
            // ISA-L reads on. A header shorter than this is cut off, which the inflating tells.
            if (s.avail_in < 4 && !isal_->inputEnded) {
                if (!refill(s.avail_in)) return -1;
                continue;
            }
            if (s.avail_in >= 4 && (s.next_in[3] & 0xe0) != 0) {
                error_ = "unknown header flags set";
                return -1;
            }
            isal_->memberStart = false;
        }
        if (s.avail_in == 0 && !isal_->inputEnded && !refill(0)) return -1;
        const std::size_t room = std::min<std::size_t>(size - got, 1u << 30);
        s.next_out = reinterpret_cast<std::uint8_t*>(into + got);
        s.avail_out = static_cast<std::uint32_t>(room);
        const std::uint32_t inBefore = s.avail_in;
        const int code = isal_inflate(&s);
        if (code < 0) {
            error_ = isalErrorText(code);
            return -1;
        }
        const std::size_t made = room - s.avail_out;
        got += made;
        if (made > 0 || s.avail_in != inBefore || s.block_state == ISAL_BLOCK_FINISH) continue;
        // Nothing read, nothing made: the bytes left begin something longer (a header, a code).
        // With no more to come the member was cut off.
        if (isal_->inputEnded) {
            error_ = "unexpected end of file";
            return -1;
        }
        if (!refill(s.avail_in)) return -1;
    }
    return static_cast<long>(got);
}

#else

struct GzipText::IsalState {};

bool GzipText::refill(std::size_t) {
    return false;
}

long GzipText::readIsal(char*, std::size_t) {
    return -1;
}

#endif

} // namespace varn
