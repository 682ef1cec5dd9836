#include "sign/Interpretation.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace skyvarre {
namespace {

constexpr std::string_view kAriesText =
    "You will learn to overcome your fears. You will prosper in fields of teaching, education and "
    "communication. This will give rise to a significant happening in your life. You will learn to "
    "pursue your interests in life and attain satisfaction by achieving happiness in something "
    "that "
    "you have always wanted to do but never got around to doing it.";

constexpr std::string_view kTaurusText =
    "This is a time for new births and new beginnings. You may be able to get over the shame of "
    "abuse in childhood if you have gone through it. You may also feel unhappy about some "
    "unresolved happenings. There may be droughts, floods and mass destruction on a large scale.";

struct SignRow
{
    const char* sentence;
    std::string_view sign;
    std::optional<std::string_view> text;
};

// Failure messages name the row by its sentence rather than by its bytes.
void PrintTo(const SignRow& row, std::ostream* out)
{
    *out << row.sentence;
}

class Interpretation : public ::testing::TestWithParam<SignRow>
{
};

TEST_P(Interpretation, MatchesTheSignNameExactly)
{
    EXPECT_EQ(InterpretationForSign(GetParam().sign), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Signs, Interpretation,
    ::testing::Values(SignRow{"Aries_has_the_Aries_text", "Aries", kAriesText},
                      SignRow{"Taurus_has_the_Taurus_text", "Taurus", kTaurusText},
                      SignRow{"Gemini_has_no_text", "Gemini", std::nullopt},
                      SignRow{"the_empty_sign_has_no_text", "", std::nullopt},
                      SignRow{"lower_case_aries_has_no_text", "aries", std::nullopt},
                      SignRow{"capital_TAURUS_has_no_text", "TAURUS", std::nullopt},
                      SignRow{"Aries_with_a_trailing_blank_has_no_text", "Aries ", std::nullopt},
                      SignRow{"a_prefix_of_Taurus_has_no_text", "Taur", std::nullopt}),
    [](const auto& test) { return std::string(test.param.sentence); });

// The result window shows the Aries text before any lookup, so its constant must be that text.
TEST(InterpretationText, TheInitialCaptionIsTheAriesTextOf344Characters)
{
    EXPECT_EQ(kAriesInterpretation, kAriesText);
    EXPECT_EQ(kAriesInterpretation.size(), 344U);
}

} // namespace
} // namespace skyvarre
