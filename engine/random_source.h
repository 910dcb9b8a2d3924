#pragma once

// The program-wide random source: a 32-bit linear congruential generator, seeded once per run
// from the UTC time of day, so that an exam is reproducible from its start time alone.

#include <cstdint>
#include <functional>

namespace exam {

struct TRandom {
    std::uint32_t SeedValue = 0;
};

struct TUtcTimeOfDay {
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t Second = 0;
    std::int32_t Millisecond = 0;
};

// Where `Seed` reads the time; tests and tools pass a fixed one.
using TUtcClock = std::function<TUtcTimeOfDay()>;

// The system clock's current UTC time of day (not local time).
TUtcTimeOfDay SystemUtcTimeOfDay();

// The seed for a time of day: milliseconds since midnight, 0..86,399,999.
std::uint32_t SeedFromTime(const TUtcTimeOfDay& time);

// Seeds the source from `clock`.
void Seed(TRandom& random, const TUtcClock& clock = SystemUtcTimeOfDay);

// The generator's multiplier (0x08088405): each step takes the seed to seed * it + 1, mod 2^32.
inline constexpr std::uint32_t kRandomMultiplier = 134775813u;

constexpr std::uint32_t NextSeed(std::uint32_t seed) {
    return seed * kRandomMultiplier + 1u;  // wraps modulo 2^32
}

// What Random(n) returns once the seed has become `seed`: floor(seed * n / 2^32), which lies in
// 0..n-1 for n >= 1 (and is 0 for n <= 0).
constexpr std::int32_t ScaleSeed(std::uint32_t seed, std::int32_t n) {
    if (n <= 0) {
        return 0;
    }
    return static_cast<std::int32_t>((std::uint64_t{seed} * static_cast<std::uint32_t>(n)) >> 32);
}

// Advances the seed one step and returns ScaleSeed of the new seed.
std::int32_t Random(TRandom& random, std::int32_t n);

}  // namespace exam
