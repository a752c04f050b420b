#pragma once

#include <cstdint>
#include <random>

// std:: distributions differ between standard libraries; these draws do not.
class Dice
{
public:
    explicit Dice(std::uint64_t seed) : engine(seed) {}

    int between(int low, int high) // inclusive
    {
        return low + int(engine() % std::uint64_t(high - low + 1));
    }
    double real(double low, double high)
    {
        return low + (high - low) * double(engine() >> 11) / double(std::uint64_t(1) << 53);
    }
    bool chance(double p) { return real(0.0, 1.0) < p; }

private:
    std::mt19937_64 engine;
};
