#pragma once
// One uniform random source for the whole program, seeded once. Reseeding
// from a coarse clock before each draw would repeat values within one tick.
#include <cstdint>
#include <random>

class Random {
public:
    // Uniform in [0, 1).
    double uniform();
    // 1..n (n >= 1), as integer part of (n * r + 1).
    int index1(int n);
    // 0..n-1 (n >= 1), as integer part of (n * r).
    int position(int n);

    static Random& instance();
    void seed(std::uint64_t value) { engine_.seed(value); }

private:
    Random();
    std::mt19937_64 engine_;
};
