#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace varn {

// Runs job(k) for k = 0 .. count - 1 on the machine's cores (at most eight threads), each k whole
// on one thread. The jobs must be independent: each writes only its own results, so the outcome
// is that of running them one after another.
template <class Job>
void sideBySide(std::size_t count, const Job& job) {
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t k = next++; k < count; k = next++) job(k);
    };
    const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    std::vector<std::thread> helpers;
    for (unsigned h = 1; h < cores && h < count; ++h) helpers.emplace_back(work);
    work();
    for (std::thread& h : helpers) h.join();
}

} // namespace varn
