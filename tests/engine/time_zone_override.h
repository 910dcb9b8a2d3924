#pragma once

// Sets the process's local time zone for the lifetime of the object, on POSIX and on Windows
// alike. The zone is written as a plain offset ("VLA-10": ten hours east of UTC, no daylight
// saving), which both C libraries understand without a zone database.

#include <cstdlib>
#include <ctime>

namespace exam {

class TTimeZoneOverride {
public:
    explicit TTimeZoneOverride(const char* zone) { Set(zone); }
    ~TTimeZoneOverride() { Set(nullptr); }
    TTimeZoneOverride(const TTimeZoneOverride&) = delete;
    TTimeZoneOverride& operator=(const TTimeZoneOverride&) = delete;

private:
    static void Set(const char* zone) {
#ifdef _WIN32
        _putenv_s("TZ", zone != nullptr ? zone : "");
        _tzset();
#else
        if (zone != nullptr) {
            setenv("TZ", zone, 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
#endif
    }
};

}  // namespace exam
