#pragma once

// Reading a bank file for a command, and refusing a bank whose results could not be trusted.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/bank_reader.h"

namespace examtool {

// Far above any real bank (about 170 KB), and low enough that line numbers fit the engine's
// 32-bit counts and that a device such as /dev/zero is refused instead of read forever.
inline constexpr std::size_t kMaxBankFileSize = std::size_t{16} << 20;

// The bytes of the file at `path`. Throws TToolError when it cannot be opened or read, or when
// it is larger than kMaxBankFileSize.
std::string ReadBankFile(std::string_view path);

// The bank in `bytes` (read from `path`); its views point into `bytes`. Throws TToolError with
// exit status 1 when the bank has any problem (with `groupSize` > 0, also too few questions for
// that group size): a bank that breaks its format numbers, shows and scores questions
// differently from what its author meant.
exam::TBank ReadValidBank(std::string_view path, std::string_view bytes,
                          std::int32_t groupSize = 0);

}  // namespace examtool
