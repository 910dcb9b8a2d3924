#include "random_source.h"

#include <chrono>

namespace exam {

TUtcTimeOfDay SystemUtcTimeOfDay() {
    using namespace std::chrono;
    // system_clock counts UTC (Unix time), so the time of day is its remainder modulo a day.
    const auto now = time_point_cast<milliseconds>(system_clock::now());
    const auto sinceMidnight = now - floor<days>(now);
    const hh_mm_ss hms{sinceMidnight};
    return {static_cast<std::int32_t>(hms.hours().count()),
            static_cast<std::int32_t>(hms.minutes().count()),
            static_cast<std::int32_t>(hms.seconds().count()),
            static_cast<std::int32_t>(hms.subseconds().count())};
}

std::uint32_t SeedFromTime(const TUtcTimeOfDay& time) {
    return static_cast<std::uint32_t>(((time.Hour * 60 + time.Minute) * 60 + time.Second) * 1000 +
                                      time.Millisecond);
}

void Seed(TRandom& random, const TUtcClock& clock) {
    random.SeedValue = SeedFromTime(clock());
}

std::int32_t Random(TRandom& random, std::int32_t n) {
    random.SeedValue = random.SeedValue * 134775813u + 1u;  // wraps modulo 2^32
    if (n <= 0) {
        return 0;
    }
    const std::uint64_t product = std::uint64_t{random.SeedValue} * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(product >> 32);
}

}  // namespace exam
