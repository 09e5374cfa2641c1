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

void makeSyntheticPool(CVARNDoc& doc, int t, int rows, float noise, const std::function<float(int pos)>& copyNumber) {
    makePool(doc, t, rows);
    for (int row = 0; row < rows; ++row) {
        const float a = 0.3f * std::sin(1.7f * static_cast<float>(row));
        const float b = 0.4f * std::cos(2.3f * static_cast<float>(row));
        const float g = 1.5f * std::sin(0.9f * static_cast<float>(row) + 1.0f);
        setRowSignal(doc, row, t, [&](int pos) {
            const int snp = doc.arrangeOrder[pos];
            const float l = (static_cast<float>(doc.snpFragmentLength[snp]) - 1200.0f) / 1000.0f;
            const float gc = doc.snpGcContent[snp] - 0.45f;
            float level = a * l + b * l * l + g * gc + noise * gaussianNoise(row, pos);
            float signal = 1000.0f * std::exp(level);
            if (row == 0) signal *= copyNumber(pos) / 2.0f;
            return signal;
        });
    }
}

int usableCount(const CVARNDoc& doc, int first, int last) {
    int n = 0;
    for (int pos = first; pos <= last; ++pos) n += doc.positionUsable[pos];
    return n;
}

} // namespace varn::test
