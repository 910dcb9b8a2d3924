#pragma once

// A second reading of the answer box, written apart from the answer reader so that the fuzz
// targets can hold one against the other. It finds the parts of the text first (spaces, sign or
// prefix, the run of digits, what follows) and converts the digits with std::from_chars.

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace exam::fuzz {

struct TExpectedReading {
    // False where the text's magnitude lies in 2^31 .. 2^32 - 1: the rules for that band are the
    // reader's own business, and no reading there can be an answer 1..9.
    bool Known = true;
    std::optional<std::int32_t> Value;  // no value: too long for 32 bits
};

inline TExpectedReading ReferenceReading(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return {true, 0};
    }
    std::string_view rest = text.substr(start);
    bool negative = false;
    int base = 10;
    if (rest.front() == '+' || rest.front() == '-') {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        rest.remove_prefix(2);
    } else if (rest.front() == '$' || rest.front() == 'x' || rest.front() == 'X') {
        base = 16;
        rest.remove_prefix(1);
    }

    const auto isDigit = [base](char c) {
        const bool decimal = c >= '0' && c <= '9';
        return base == 10 ? decimal : decimal || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    };
    std::size_t length = 0;
    while (length < rest.size() && isDigit(rest[length])) {
        ++length;
    }
    const bool stopped = length < rest.size();
    std::string_view digits = rest.substr(0, length);
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    digits.remove_prefix(firstSignificant == std::string_view::npos ? digits.size()
                                                                    : firstSignificant);

    // Eleven decimal or nine hexadecimal significant digits are 2^32 or more whatever they are.
    if (digits.size() > (base == 10 ? 10u : 8u)) {
        return {true, std::nullopt};
    }
    std::uint64_t magnitude = 0;
    if (!digits.empty()) {
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
        if (error != std::errc() || end != digits.data() + digits.size()) {
            return {false, std::nullopt};  // cannot happen for at most ten digits
        }
    }
    if (magnitude >= (std::uint64_t{1} << 32)) {
        return {true, std::nullopt};
    }
    if (magnitude >= (std::uint64_t{1} << 31)) {
        return {false, std::nullopt};
    }
    const auto value = static_cast<std::int32_t>(magnitude);
    // A stop before the end drops the sign; a number running to the end keeps it.
    return {true, negative && !stopped ? -value : value};
}

// The answer the box's text gives, if it is one: 1..9.
inline std::optional<std::int32_t> ReferenceAnswer(std::string_view text) {
    const TExpectedReading reading = ReferenceReading(text);
    if (reading.Known && reading.Value && *reading.Value >= 1 && *reading.Value <= 9) {
        return reading.Value;
    }
    return std::nullopt;
}

}  // namespace exam::fuzz
