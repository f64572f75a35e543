#include "strtoint.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using molvix::StrToInt;

struct Case
{
    const char *text;
    std::optional<int32_t> value;
};

class StrToIntTest : public ::testing::TestWithParam<Case>
{
};

TEST_P(StrToIntTest, ClassicRules)
{
    EXPECT_EQ(StrToInt(QString::fromLatin1(GetParam().text)), GetParam().value)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, StrToIntTest,
    ::testing::Values(Case{"75", 75}, Case{" 75", 75}, Case{"\t 75", 75}, Case{"+75", 75},
                      Case{"-5", -5}, Case{"0", 0}, Case{"-0", 0}, Case{"007", 7},
                      Case{"2147483647", INT32_MAX}, Case{"-2147483648", INT32_MIN}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, StrToIntTest,
    ::testing::Values(Case{"$20", 32}, Case{"x20", 32}, Case{"X1f", 31}, Case{"0x20", 32},
                      Case{"0XfF", 255}, Case{"-$10", -16}, Case{"$FFFFFFFF", -1},
                      Case{"$7FFFFFFF", INT32_MAX}));

INSTANTIATE_TEST_SUITE_P(
    NotANumber, StrToIntTest,
    ::testing::Values(Case{"", std::nullopt}, Case{"   ", std::nullopt}, Case{"75a", std::nullopt},
                      Case{"75 ", std::nullopt}, Case{"a75", std::nullopt},
                      Case{"-", std::nullopt}, Case{"+-1", std::nullopt}, Case{"$", std::nullopt},
                      Case{"0x", std::nullopt}, Case{"$G", std::nullopt},
                      Case{"2147483648", std::nullopt}, Case{"-2147483649", std::nullopt},
                      Case{"$100000000", std::nullopt}, Case{"1.5", std::nullopt},
                      Case{"٣", std::nullopt}));

} // namespace
