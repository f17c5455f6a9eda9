#pragma once

#include <cstdint>

namespace art {

// Smooth value noise on an integer lattice, hashed from a seed.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}

    // In [0, 1].
    double At(double x, double y) const;

    // Sum of octaves, each twice the frequency and half the weight; in [0, 1].
    double Fractal(double x, double y, int octaves) const;

private:
    double Lattice(int ix, int iy) const;

    std::uint32_t seed_;
};

} // namespace art
