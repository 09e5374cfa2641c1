// Reading a regular signal line where it lies, in one pass: first the field edges of the whole
// line from its white space, eight characters at a time, then each field from one eight-byte
// load. A line of the array software is some 350 characters of 58 short fields, so the cost per
// field decides the speed, and the word-at-a-time steps keep it free of branches on the shape
// of the numbers (3, 4 or 5 digits before the point vary from field to field at random).
#include "SignalFileLine.h"

#include "ByteClasses.h"
#include "PlainDecimal.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace varn {

namespace {

// "null" read as a little-endian word.
constexpr std::uint32_t kNullWord = 0x6C6C756E;

std::uint64_t loadWord(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

bool isNullField(const char* field, int size) {
    return size == 4 && static_cast<std::uint32_t>(loadWord(field)) == kNullWord;
}

// "%*d" taking the whole field: an optional sign and at least one digit.
bool isWholeInteger(const char* field, int size) {
    int i = field[0] == '+' || field[0] == '-' ? 1 : 0;
    if (i == size) return false;
    for (; i < size; ++i)
        if (!plain_decimal::isDigit(field[i])) return false;
    return true;
}

// An identifier out of which the deletion would take text, or that the C string functions would
// cut short.
bool identifierIsAltered(const char* field, int size) {
    if (std::memchr(field, '\0', static_cast<std::size_t>(size)) != nullptr) return true;
    for (int i = 0; i + 4 <= size; ++i)
        if (std::memcmp(field + i, "null", 4) == 0) return true;
    return false;
}

// The number of set bits, without relying on a population-count instruction.
int edgeCount(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555;
    x = (x & 0x3333333333333333) + ((x >> 2) & 0x3333333333333333);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0F;
    return static_cast<int>((x * 0x0101010101010101) >> 56);
}

// Eight edges of a block written at once whatever their count, so that the loop does not branch on
// each; those past the count are overwritten next.
void writeEightEdges(std::uint16_t* edge, std::size_t base, std::uint64_t& edges) {
#pragma GCC unroll 8
    for (int i = 0; i < 8; ++i) {
        edge[i] = static_cast<std::uint16_t>(base + static_cast<std::size_t>(std::countr_zero(edges)));
        edges &= edges - 1;
    }
}

} // namespace

int SignalLineScanner::findFields(const char* line, std::size_t length) {
    std::uint16_t* edge = edges_;
    // Before the line stands a virtual blank, so that a field at its start begins at an edge.
    std::uint64_t before = 1;
    for (std::size_t base = 0; base < length; base += 64) {
        // One bit per character of a block of 64: set for white space.
        std::uint64_t space = byte_classes::spaceBits(line + base);
        // What lies past the line end counts as white space: it has no edges.
        if (length - base < 64) space |= ~std::uint64_t{0} << (length - base);
        // An edge wherever white space and text meet: fields start and end alternately.
        std::uint64_t edges = space ^ ((space << 1) | before);
        before = space >> 63;
        const int count = edgeCount(edges);
        // A block of regular fields holds some twenty edges.
        writeEightEdges(edge, base, edges);
        if (count > 8) {
            writeEightEdges(edge + 8, base, edges);
            if (count > 16) {
                writeEightEdges(edge + 16, base, edges);
                for (int i = 24; i < count; ++i) {
                    edge[i] = static_cast<std::uint16_t>(base + static_cast<std::size_t>(std::countr_zero(edges)));
                    edges &= edges - 1;
                }
            }
        }
        edge += count;
    }
    // The line ends in its line end, so every field that starts also ends.
    return static_cast<int>(edge - edges_) / 2;
}

bool SignalLineScanner::scanPlainLine(const char* line, std::size_t length, const char* readableEnd,
                                      float (&values)[kProbes], int& count) {
    count = 0;
    const int fields = findFields(line, length);
    const std::uint16_t* edge = edges_;
    const std::uint16_t* const edgesEnd = edges_ + 2 * fields;
    int nullsLeft = kNullFields;
    // A "null" field with white space on both sides: deleting it with its separator just drops
    // the field. Ahead of the serial number and the identifier too.
    auto skipNulls = [&] {
        for (; edge != edgesEnd && isNullField(line + edge[0], edge[1] - edge[0]); edge += 2)
            if (--nullsLeft < 0) return false;
        return true;
    };
    if (!skipNulls()) return false;
    if (edge == edgesEnd) return true; // nothing but white space: not even the serial number scans
    if (!isWholeInteger(line + edge[0], edge[1] - edge[0])) return false;
    edge += 2;
    if (!skipNulls()) return false;
    if (edge == edgesEnd) return true;
    if (identifierIsAltered(line + edge[0], edge[1] - edge[0])) return false;
    int got = 0;
    for (edge += 2; edge != edgesEnd && got < kProbes; edge += 2) {
        const char* field = line + edge[0];
        const int n = edge[1] - edge[0];
        const std::uint64_t word = loadWord(field);
        if (n == 4 && static_cast<std::uint32_t>(word) == kNullWord) {
            // A seventeenth "null" stays and stops the scan: left to the full treatment.
            if (--nullsLeft < 0) return false;
            continue;
        }
        float value;
        if (!plain_decimal::wordDecimal(word, std::min(n, 8), value) || n > 8) {
            float general = 0.0f;
            if (scanPlainFloat(field, readableEnd, general) != field + n) return false;
            value = general;
        }
        values[got++] = value;
    }
    count = got;
    return true;
}

} // namespace varn
