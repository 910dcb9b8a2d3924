#pragma once

// The fuzz targets' assertion: a broken invariant prints what was found and aborts, which
// libFuzzer reports as a crash and saves the input that caused it.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace exam::fuzz {

// Bytes made printable for a report: printable ASCII as it is, anything else as \xNN.
inline std::string Escaped(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            text += escape;
        }
    }
    return text;
}

[[noreturn]] inline void Fail(const char* file, int line, const char* condition,
                              const std::string& detail) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", file, line, condition,
                 detail.c_str());
    std::abort();
}

}  // namespace exam::fuzz

#define FUZZ_CHECK(condition, detail)                                                \
    do {                                                                             \
        if (!(condition)) {                                                          \
            ::exam::fuzz::Fail(__FILE__, __LINE__, #condition, std::string(detail)); \
        }                                                                            \
    } while (false)
