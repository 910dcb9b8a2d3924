// The answer reader on any text a paste can put into the answer box.
//
// Invariants: the reading agrees with the independent reference wherever that one commits
// itself (plain digit strings giving their value among them); where it does not, the reading is
// no answer 1..9; and spaces in front of a text change nothing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/answer_reference.h"
#include "fuzz/fuzz_check.h"
#include "window/flow/answer_reader.h"

namespace {

std::string Show(const std::optional<std::int32_t>& value) {
    return value ? std::to_string(*value) : "no value";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace exam;
    using namespace exam::fuzz;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> read = ReadAnswerNumber(text);
    const TExpectedReading expected = ReferenceReading(text);
    const std::string context = "text \"" + Escaped(text) + "\" read as " + Show(read);

    if (expected.Known) {
        FUZZ_CHECK(read == expected.Value, context + ", expected " + Show(expected.Value));
    } else {
        FUZZ_CHECK(!read || *read < 1 || *read > 9, context + ", a value of 2^31 or more");
    }

    const std::string indented = "  " + std::string(text);
    FUZZ_CHECK(ReadAnswerNumber(indented) == read,
               context + ", but with two spaces in front as " + Show(ReadAnswerNumber(indented)));
    return 0;
}
