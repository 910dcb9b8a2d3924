#pragma once

// Reads the number a candidate's answer text starts with. Typing only lets the digits 1 to 5
// into the answer box, but a paste is not filtered, so any text can arrive here.

#include <cstdint>
#include <optional>
#include <string_view>

namespace exam {

// Leading spaces are skipped; then comes either a sign and decimal digits, or a hexadecimal
// prefix ($, x, X, 0x, 0X) and hexadecimal digits (no sign), or plain decimal digits.
// - A text that ends right after the number gives the number, negated after a minus.
// - A character that does not fit stops the reading: the number read so far, without its sign
//   ("-3a" gives 3, "-3" gives -3).
// - An empty text, spaces only, or a sign or prefix without a digit give 0.
// - A number too long for 32 bits, with either sign, gives no value at all.
std::optional<std::int32_t> ReadAnswerNumber(std::string_view text);

}  // namespace exam
