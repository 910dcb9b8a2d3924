#include "engine/random_source.h"

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
    random.SeedValue = NextSeed(random.SeedValue);
    return ScaleSeed(random.SeedValue, n);
}

}  // namespace exam
