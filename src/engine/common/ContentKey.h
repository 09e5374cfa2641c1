#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>

namespace varn {

// A fingerprint of everything a kept result was computed from: every value the computation
// reads is fed in, as it is read, one 64-bit word at a time, in turn to four lanes (so that the
// lanes' multiplications overlap). Each step (xor, multiply by an odd constant, fold the high half
// down) is one-to-one in the word, and so is the final folding of the lanes into one, so a state
// that differs from the kept one in a single value always gets another key; states differing in
// several values collide by chance only, about once in 2^64.
class ContentKey {
public:
    template <typename T> void add(const T& value) {
        static_assert(std::is_trivially_copyable_v<T> && sizeof(T) <= sizeof(std::uint64_t));
        std::uint64_t word = 0;
        std::memcpy(&word, &value, sizeof(T));
        lane_[count_ & 3] = mix(lane_[count_ & 3], word);
        ++count_;
    }
    // Two values of at most four bytes each as one word (each one-to-one in its half).
    template <typename A, typename B> void addPair(const A& a, const B& b) {
        static_assert(std::is_trivially_copyable_v<A> && std::is_trivially_copyable_v<B>);
        static_assert(sizeof(A) <= 4 && sizeof(B) <= 4);
        std::uint32_t low = 0, high = 0;
        std::memcpy(&low, &a, sizeof(A));
        std::memcpy(&high, &b, sizeof(B));
        add((static_cast<std::uint64_t>(high) << 32) | low);
    }
    // Values of at most four bytes go in packed, as many as fill a word; the count closes the
    // range, so that where it ends is part of the key as well.
    template <typename T> void addRange(const T* values, std::size_t n) {
        static_assert(std::is_trivially_copyable_v<T>);
        if constexpr (sizeof(T) <= 4) {
            constexpr std::size_t perWord = sizeof(std::uint64_t) / sizeof(T);
            for (std::size_t i = 0; i < n; i += perWord) {
                std::uint64_t word = 0;
                std::memcpy(&word, values + i, sizeof(T) * std::min(perWord, n - i));
                add(word);
            }
        } else {
            for (std::size_t i = 0; i < n; ++i) add(values[i]);
        }
        add(n);
    }
    template <typename T> void addAll(std::span<const T> values) { addRange(values.data(), values.size()); }
    void addText(std::string_view text) { addRange(text.data(), text.size()); }
    std::uint64_t value() const {
        std::uint64_t h = mix(lane_[0], count_);
        for (int i = 1; i < 4; ++i) h = mix(h, lane_[i]);
        return h;
    }

private:
    static std::uint64_t mix(std::uint64_t h, std::uint64_t word) {
        h = (h ^ word) * 0x9e3779b97f4a7c15ULL;
        return h ^ (h >> 32);
    }
    std::uint64_t lane_[4] = {0xcbf29ce484222325ULL, 0x84222325cbf29ce4ULL, 0x9e3779b97f4a7c15ULL,
                              0xc2b2ae3d27d4eb4fULL};
    std::uint64_t count_ = 0;
};

} // namespace varn
