#pragma once

// Classifying eight bytes of text at once. The word holds eight characters, the first in its
// lowest byte; each function marks the matching bytes by their top bit, judging every byte on
// its own (no carry or borrow crosses from one byte into the next).

#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace varn::byte_classes {

inline constexpr std::uint64_t kTopBits = 0x8080808080808080;
inline constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7F;
inline constexpr std::uint64_t kEveryByte = 0x0101010101010101;

// Bytes equal to c.
inline std::uint64_t equalBytes(std::uint64_t word, unsigned char c) {
    const std::uint64_t x = word ^ (kEveryByte * c);
    // The low seven bits plus 0x7F reach the top bit unless they are all zero.
    return ~(((x & kLowBits) + kLowBits) | x) & kTopBits;
}

// White space as isspace of the "C" locale has it: ' ' and '\t' to '\r'.
inline std::uint64_t spaceBytes(std::uint64_t word) {
    const std::uint64_t low7 = word & kLowBits;
    const std::uint64_t atLeast9 = low7 + kEveryByte * (0x80 - 9);
    const std::uint64_t atLeast14 = low7 + kEveryByte * (0x80 - 14);
    return ((atLeast9 & ~atLeast14) | equalBytes(word, ' ')) & ~word & kTopBits;
}

// The marks of a word gathered into eight bits, bit i for byte i. The multiplication moves the
// mark of byte i to bit 56 + i; the other partial products all land on distinct bits below 56,
// so no carry reaches the result.
inline unsigned bitPerByte(std::uint64_t marks) {
    return static_cast<unsigned>(((marks >> 7) * 0x0102040810204080) >> 56);
}

// Mask of the lowest n bytes, n from 0 to 8.
inline std::uint64_t lowBytes(int n) {
    const unsigned half = 4 * static_cast<unsigned>(n);
    return ((std::uint64_t{1} << half) << half) - 1;
}

// One bit per character of the 64 at p, set for white space; eight bytes at a time, on any
// processor.
inline std::uint64_t spaceBitsPortable(const char* p) {
    std::uint64_t bits = 0;
    for (int w = 0; w < 8; ++w) {
        std::uint64_t word;
        std::memcpy(&word, p + 8 * w, 8);
        bits |= std::uint64_t{bitPerByte(spaceBytes(word))} << (8 * w);
    }
    return bits;
}

// The same, sixteen bytes at a time where the processor has the vector instructions that every
// x86-64 has.
inline std::uint64_t spaceBits(const char* p) {
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i blank = _mm_set1_epi8(' ');
    // c - 9 + 0x80, compared as signed bytes: below 0x85 exactly for '\t' to '\r'.
    const __m128i shift = _mm_set1_epi8(static_cast<char>(0x80 - 9));
    const __m128i limit = _mm_set1_epi8(static_cast<char>(0x85));
    std::uint64_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const __m128i control = _mm_cmplt_epi8(_mm_add_epi8(chars, shift), limit);
        const __m128i space = _mm_or_si128(control, _mm_cmpeq_epi8(chars, blank));
        bits |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(space))} << (16 * i);
    }
    return bits;
#else
    return spaceBitsPortable(p);
#endif
}

} // namespace varn::byte_classes
