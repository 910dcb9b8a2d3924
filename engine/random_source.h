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

// Advances the seed (seed * 134775813 + 1 mod 2^32) and returns floor(seed * n / 2^32),
// which lies in 0..n-1 for n >= 1 (and is 0 for n <= 0).
std::int32_t Random(TRandom& random, std::int32_t n);

}  // namespace exam
