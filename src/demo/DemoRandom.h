#pragma once

#include <cstdint>
#include <random>

namespace varn::demo {

// Random numbers for the demo installation. The engine is std::mt19937_64, whose output the
// standard fixes bit for bit; the distributions are our own (the standard library's are free to
// differ between implementations), so a seed gives the same files everywhere.
class DemoRandom {
public:
    // One independent stream per purpose: the seed and a stream tag are mixed, so that adding a
    // reference sample, say, does not change the genome or the tumours.
    DemoRandom(std::uint64_t seed, std::uint64_t stream);

    double uniform();                   // [0, 1), 53 random bits
    double uniform(double lo, double hi);
    int below(int n);                   // 0 .. n-1
    double normal();                    // standard normal, Box-Muller
    double normal(double mean, double sd) { return mean + sd * normal(); }
    bool chance(double p) { return uniform() < p; }

private:
    std::mt19937_64 engine_;
    double spare_ = 0.0;
    bool hasSpare_ = false;
};

// A standard normal value fixed by (row, pos) alone: Box-Muller over a small integer hash, so a
// synthetic profile can be filled in any order and is the same on every platform.
float hashedNormal(int row, int pos);

} // namespace varn::demo
