#include "window/flow/answer_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace exam {
namespace {

TEST(ReadAnswerNumber, OddTexts) {
    struct TCase {
        const char* Text;
        std::optional<std::int32_t> Value;
    } const cases[] = {
        {"", 0},
        {"   ", 0},
        {"3", 3},
        {"  3", 3},
        {"32", 32},
        {"+7", 7},
        {"-3", -3},
        {"-3a", 3},
        {"+3a", 3},
        {"3 ", 3},
        {"-3 ", 3},
        {"3a", 3},
        {"-", 0},
        {"+", 0},
        {"-a", 0},
        {"$", 0},
        {"x", 0},
        {"0x", 0},
        {"0X", 0},
        {"$A", 10},
        {"xf", 15},
        {"XF", 15},
        {"0x9", 9},
        {"0X0a", 10},
        {"$3g", 3},
        {"-$3", 0},
        {"$-3", 0},
        {"0", 0},
        {"05", 5},
        {"0y", 0},
        {"a3", 0},
        {" \t3", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"-99999999999a", std::nullopt},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"0000000000004", 4},
        {"\xC0"
         "3",
         0},
        {"3\xC0", 3},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ReadAnswerNumber(c.Text), c.Value) << '"' << c.Text << '"';
    }
}

}  // namespace
}  // namespace exam
