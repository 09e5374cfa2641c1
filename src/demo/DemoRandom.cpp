#include "DemoRandom.h"

#include <cmath>
#include <numbers>

namespace varn::demo {

namespace {
// SplitMix64 finaliser: spreads nearby seeds and stream tags over the whole state space.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}
} // namespace

DemoRandom::DemoRandom(std::uint64_t seed, std::uint64_t stream) : engine_(mix(mix(seed) ^ mix(stream + 1))) {}

double DemoRandom::uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

double DemoRandom::uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }

int DemoRandom::below(int n) {
    const int k = static_cast<int>(uniform() * n);
    return k < n ? k : n - 1;
}

double DemoRandom::normal() {
    if (hasSpare_) {
        hasSpare_ = false;
        return spare_;
    }
    double u = uniform();
    while (u <= 0.0) u = uniform();
    const double v = uniform();
    const double r = std::sqrt(-2.0 * std::log(u));
    const double a = 2.0 * std::numbers::pi * v;
    spare_ = r * std::sin(a);
    hasSpare_ = true;
    return r * std::cos(a);
}

float hashedNormal(int row, int pos) {
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

} // namespace varn::demo
