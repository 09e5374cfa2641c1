#include "engine/EngineFixtures.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace varn::test {

void setRowSignal(CVARNDoc& doc, int row, int t, const std::function<float(int pos)>& f) {
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) doc.poolSignal[row][doc.arrangeOrder[pos]] = f(pos);
}

void makePool(CVARNDoc& doc, int t, int rows) {
    doc.refCount[t] = rows;
    for (int i = 0; i < rows; ++i) {
        std::snprintf(doc.poolSampleName[t][i], kNameSize, "ref%d", i);
        doc.refSelected[t][i] = i > 0 ? 1 : 0;
    }
}

// Box-Muller over a small integer hash, so every test sees the same noise on every platform.
float gaussianNoise(int row, int pos) {
    auto hash = [](std::uint32_t x) {
        x ^= x >> 16;
        x *= 0x7feb352dU;
        x ^= x >> 15;
        x *= 0x846ca68bU;
        x ^= x >> 16;
        return x;
    };
    const std::uint32_t seed = static_cast<std::uint32_t>(row) * 1000003U + static_cast<std::uint32_t>(pos);
    const double u1 = (hash(seed * 2U + 1U) + 1.0) / 4294967297.0;
    const double u2 = hash(seed * 2U + 2U) / 4294967296.0;
    return static_cast<float>(std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2));
}

int usableCount(const CVARNDoc& doc, int first, int last) {
    int n = 0;
    for (int pos = first; pos <= last; ++pos) n += doc.positionUsable[pos];
    return n;
}

} // namespace varn::test
