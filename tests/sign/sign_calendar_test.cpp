#include "sign/SednaSign.h"

#include <gtest/gtest.h>

#include <array>
#include <compare>
#include <optional>
#include <ostream>
#include <string>

namespace skyvarre {
namespace {

// The calendar written a second way, as inclusive date ranges, so that a mistyped threshold,
// month range or year run in the library's tables shows up as a disagreement.
struct Date
{
    int year;
    int month; // 1..12
    int day;
    auto operator<=>(const Date&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Date& date)
{
    return out << date.year << '-' << date.month << '-' << date.day;
}

struct Period
{
    Date first;
    Date last;
    const char* sign;
};

constexpr std::array kPeriods = {
    Period{{1900, 1, 1}, {1965, 7, 8}, "Aries"},
    Period{{1965, 7, 9}, {1965, 8, 27}, "Taurus"},
    Period{{1965, 8, 28}, {1966, 5, 14}, "Aries"},
    Period{{1966, 5, 15}, {1966, 10, 31}, "Taurus"},
    Period{{1966, 11, 1}, {1967, 4, 9}, "Aries"},
    Period{{1967, 4, 10}, {1967, 12, 26}, "Taurus"},
    Period{{1967, 12, 27}, {1968, 2, 13}, "Aries"},
    Period{{1968, 2, 14}, {2023, 6, 24}, "Taurus"},
    Period{{2023, 6, 25}, {2023, 12, 2}, "Gemini"},
    Period{{2023, 12, 3}, {2024, 4, 29}, "Taurus"},
    Period{{2024, 4, 30}, {2035, 12, 31}, "Gemini"},
};

constexpr std::array<const char*, 12> kEnglishMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr std::array kTransitionYears = {1965, 1966, 1967, 1968, 2023, 2024};

// Day numbers past a month's end (30 February) fall between the same periods as real days.
std::string ExpectedSign(const Date& date)
{
    for (const Period& period : kPeriods)
        if (period.first <= date && date <= period.last)
            return period.sign;
    return "(outside every period)";
}

int daysInMonth(int year, int month)
{
    constexpr std::array kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays.at(static_cast<std::size_t>(month - 1));
}

std::string LookUp(const Date& date)
{
    SednaSign.clear();
    DetermineSednaSign(std::to_string(date.year),
                       kEnglishMonths.at(static_cast<std::size_t>(date.month - 1)),
                       std::to_string(date.day));
    return SednaSign;
}

class SednaSignTest : public ::testing::Test
{
protected:
    void SetUp() override { SednaSign.clear(); }
    void TearDown() override { SednaSign.clear(); }
};

TEST_F(SednaSignTest, EveryDayFrom1900To2035HasTheSignOfItsPeriod)
{
    int days = 0;
    for (int year = 1900; year <= 2035; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(year, month); ++day) {
                const Date date{year, month, day};
                EXPECT_EQ(LookUp(date), ExpectedSign(date)) << date;
                ++days;
            }
        }
    }
    EXPECT_EQ(days, 49673);
}

TEST_F(SednaSignTest, DaysTwentyNineToThirtyOneOfTransitionYearsFollowThePeriods)
{
    for (const int year : kTransitionYears) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 29; day <= 31; ++day) {
                const Date date{year, month, day};
                EXPECT_EQ(LookUp(date), ExpectedSign(date)) << date;
            }
        }
    }
    EXPECT_EQ(LookUp({1966, 10, 31}), "Taurus");
    EXPECT_EQ(LookUp({1968, 2, 30}), "Taurus");
}

struct LookupRow
{
    const char* sentence;
    const char* year;
    const char* month;
    const char* day;
    std::optional<const char*> sign; // nullopt: the calendar has no answer
};

// Failure messages name the row by its sentence rather than by its bytes.
void PrintTo(const LookupRow& row, std::ostream* out)
{
    *out << row.sentence;
}

class SednaSignTable : public SednaSignTest, public ::testing::WithParamInterface<LookupRow>
{
};

TEST_P(SednaSignTable, GivesTheSignOrLeavesTheEarlierOne)
{
    const LookupRow& row = GetParam();
    DetermineSednaSign(row.year, row.month, row.day);
    EXPECT_EQ(SednaSign, row.sign.value_or(""));

    DetermineSednaSign("1900", "January", "1");
    ASSERT_EQ(SednaSign, "Aries");
    DetermineSednaSign(row.year, row.month, row.day);
    EXPECT_EQ(SednaSign, row.sign.value_or("Aries"));
}

const std::string kHugeNumber(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Lookups, SednaSignTable,
    ::testing::Values(
        LookupRow{"year_1899_is_before_the_calendar", "1899", "December", "31", std::nullopt},
        LookupRow{"year_2036_is_after_the_calendar", "2036", "January", "1", std::nullopt},
        LookupRow{"an_empty_year_gives_no_answer", "", "January", "1", std::nullopt},
        LookupRow{"a_year_of_letters_gives_no_answer", "abc", "January", "1", std::nullopt},
        LookupRow{"a_year_with_a_letter_inside_gives_no_answer", "19x6", "May", "20", std::nullopt},
        LookupRow{"an_exponent_year_gives_no_answer", "1e400", "May", "20", std::nullopt},
        LookupRow{"a_huge_year_gives_no_answer", kHugeNumber.c_str(), "May", "20", std::nullopt},
        LookupRow{"a_year_with_an_inner_blank_gives_no_answer", "19 70", "May", "20", std::nullopt},
        LookupRow{"a_year_with_a_leading_blank_gives_no_answer", " 1970", "May", "20",
                  std::nullopt},
        LookupRow{"a_year_with_a_plus_sign_gives_no_answer", "+1970", "May", "20", std::nullopt},
        LookupRow{"a_negative_year_gives_no_answer", "-1970", "May", "20", std::nullopt},
        LookupRow{"lower_case_may_in_1966_gives_no_answer", "1966", "may", "20", std::nullopt},
        LookupRow{"a_month_with_a_trailing_blank_in_1966_gives_no_answer", "1966", "May ", "20",
                  std::nullopt},
        LookupRow{"an_abbreviated_month_in_2023_gives_no_answer", "2023", "Dec", "20",
                  std::nullopt},
        LookupRow{"an_empty_day_in_a_split_month_gives_no_answer", "1966", "May", "", std::nullopt},
        LookupRow{"a_day_of_letters_in_a_split_month_gives_no_answer", "2024", "April", "abc",
                  std::nullopt},
        LookupRow{"a_huge_day_in_a_split_month_gives_no_answer", "1965", "July",
                  kHugeNumber.c_str(), std::nullopt},
        LookupRow{"lower_case_may_in_1970_is_taurus_as_the_month_is_not_read", "1970", "may", "20",
                  "Taurus"},
        LookupRow{"1900_is_aries_without_month_or_day", "1900", "", "", "Aries"},
        LookupRow{"2035_is_gemini_without_month_or_day", "2035", "", "", "Gemini"},
        LookupRow{"a_fixed_month_does_not_read_the_day", "1966", "June", "abc", "Taurus"},
        LookupRow{"a_leading_zero_year_reads_as_the_year", "01965", "July", "9", "Taurus"},
        LookupRow{"a_leading_zero_day_reads_as_the_day", "1965", "July", "08", "Aries"},
        LookupRow{"day_99_is_past_every_threshold", "1965", "July", "99", "Taurus"},
        LookupRow{"day_32_in_october_1966_is_past_its_threshold_of_31", "1966", "October", "32",
                  "Aries"},
        LookupRow{"day_99_in_october_1966_is_past_its_threshold_of_31", "1966", "October", "99",
                  "Aries"},
        LookupRow{"a_day_of_letters_in_october_1966_gives_no_answer", "1966", "October", "abc",
                  std::nullopt},
        LookupRow{"day_0_is_before_every_threshold", "2023", "December", "0", "Gemini"}),
    [](const auto& test) { return std::string(test.param.sentence); });

} // namespace
} // namespace skyvarre
