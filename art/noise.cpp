#include "noise.h"

#include <cmath>

namespace tibbo::art {

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

double Rng::range(double low, double high) { return low + (high - low) * uniform(); }

std::uint32_t hash2(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

namespace {

float lattice(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return static_cast<float>(hash2(x, y, seed) >> 8) * (1.0f / 16777215.0f);
}

float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

}  // namespace

float value_noise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const float tx = fade(x - fx);
    const float ty = fade(y - fy);
    const float a = lattice(ix, iy, seed);
    const float b = lattice(ix + 1, iy, seed);
    const float c = lattice(ix, iy + 1, seed);
    const float d = lattice(ix + 1, iy + 1, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fractal_noise(float x, float y, std::uint32_t seed) {
    return (value_noise(x, y, seed) * 2.0f + value_noise(x * 2.03f + 17.1f, y * 2.03f - 5.3f, seed + 1u)) / 3.0f;
}

}  // namespace tibbo::art
