#pragma once
// The median wall-clock time of a piece of work, after a warm-up: steadier than a mean on a
// machine shared with other builds.

#include <algorithm>
#include <chrono>
#include <vector>

template <class F> double MedianSeconds(F work, int warmUps = 20, int runs = 300) {
    for (int i = 0; i < warmUps; ++i)
        work();
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        samples.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(samples.begin(), samples.begin() + long(samples.size() / 2), samples.end());
    return samples[samples.size() / 2];
}
