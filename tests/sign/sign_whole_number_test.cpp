#include "sign/WholeNumber.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace skyvarre {
namespace {

using namespace std::string_view_literals;

struct NumberRow
{
    const char* sentence;
    std::string_view text;
    std::optional<int> value;
};

// Failure messages name the row by its sentence rather than by its bytes.
void PrintTo(const NumberRow& row, std::ostream* out)
{
    *out << row.sentence;
}

class WholeNumberText : public ::testing::TestWithParam<NumberRow>
{
};

TEST_P(WholeNumberText, ReadsPlainDigitsOnly)
{
    EXPECT_EQ(readWholeNumber(GetParam().text), GetParam().value);
}

const std::string kFourHundredNines(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumberText,
    ::testing::Values(NumberRow{"zero_reads", "0", 0}, NumberRow{"a_year_reads", "1966", 1966},
                      NumberRow{"a_day_reads", "31", 31},
                      NumberRow{"leading_zeros_are_skipped", "01900", 1900},
                      NumberRow{"the_largest_int_reads", "2147483647", 2147483647},
                      NumberRow{"one_past_the_largest_int_is_refused", "2147483648", std::nullopt},
                      NumberRow{"four_hundred_digits_are_refused", kFourHundredNines, std::nullopt},
                      NumberRow{"an_empty_text_is_refused", "", std::nullopt},
                      NumberRow{"letters_are_refused", "abc", std::nullopt},
                      NumberRow{"a_letter_inside_is_refused", "19x6", std::nullopt},
                      NumberRow{"an_exponent_is_refused", "1e400", std::nullopt},
                      NumberRow{"a_decimal_point_is_refused", "1966.0", std::nullopt},
                      NumberRow{"an_inner_blank_is_refused", "19 66", std::nullopt},
                      NumberRow{"a_leading_blank_is_refused", " 1966", std::nullopt},
                      NumberRow{"a_trailing_blank_is_refused", "1966 ", std::nullopt},
                      NumberRow{"a_leading_tab_is_refused", "\t1966", std::nullopt},
                      NumberRow{"a_plus_sign_is_refused", "+1966", std::nullopt},
                      NumberRow{"a_minus_sign_is_refused", "-1", std::nullopt},
                      NumberRow{"a_hexadecimal_prefix_is_refused", "0x10", std::nullopt},
                      NumberRow{"an_inner_nul_byte_is_refused", "19\00066"sv, std::nullopt},
                      NumberRow{"fullwidth_digits_are_refused", "\xef\xbc\x91\xef\xbc\x99",
                                std::nullopt}),
    [](const auto& test) { return std::string(test.param.sentence); });

} // namespace
} // namespace skyvarre
