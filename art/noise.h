// Seeded randomness for textures: the same seed gives the same picture on every build.
#pragma once

#include <cstdint>

namespace tibbo::art {

// splitmix64: small, fast, and good enough for scattering hairs and grain.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform();                          // [0, 1)
    double range(double low, double high);     // [low, high)
    double symmetric(double amplitude) { return range(-amplitude, amplitude); }

private:
    std::uint64_t state_;
};

// A hash of a lattice point, uniform over 32 bits.
std::uint32_t hash2(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Smooth value noise in [0, 1], one lattice cell per unit.
float value_noise(float x, float y, std::uint32_t seed);

// Two octaves of value noise, in [0, 1].
float fractal_noise(float x, float y, std::uint32_t seed);

}  // namespace tibbo::art
