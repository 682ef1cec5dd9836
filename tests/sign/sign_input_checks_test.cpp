#include "sign/InputChecks.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <chrono>
#include <climits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace skyvarre {
namespace {

// A character with what Unicode says of it (the windows ask Qt) and what the name box makes of it.
struct KeyRow
{
    const char* sentence;
    char32_t code;
    CharacterKind kind;
    char32_t capital;
    std::optional<char32_t> inserted; // nullopt: refused with the only-letters message
};

// Failure messages name the row by its sentence rather than by its bytes.
void PrintTo(const KeyRow& row, std::ostream* out)
{
    *out << row.sentence;
}

class NameKeyFilter : public ::testing::TestWithParam<KeyRow>
{
};

TEST_P(NameKeyFilter, InsertsCapitalsMarksAndEditingKeysOnly)
{
    const KeyRow& row = GetParam();
    EXPECT_EQ(FilterNameKey(row.code, row.kind, row.capital), row.inserted);
}

constexpr CharacterKind kLetter = CharacterKind::Letter;
constexpr CharacterKind kMark = CharacterKind::CombiningMark;
constexpr CharacterKind kOther = CharacterKind::Other;
constexpr CharacterKind kSpace = CharacterKind::Space;
constexpr CharacterKind kJoiner = CharacterKind::Joiner;

INSTANTIATE_TEST_SUITE_P(
    KeyCodes, NameKeyFilter,
    ::testing::Values(KeyRow{"small_a_becomes_capital_A", u'a', kLetter, u'A', u'A'},
                      KeyRow{"small_z_becomes_capital_Z", u'z', kLetter, u'Z', u'Z'},
                      KeyRow{"capital_A_stays", u'A', kLetter, u'A', u'A'},
                      KeyRow{"capital_Z_stays", u'Z', kLetter, u'Z', u'Z'},
                      KeyRow{"backspace_passes", 8, kOther, 8, 8},
                      KeyRow{"enter_passes", 13, kOther, 13, 13},
                      KeyRow{"space_passes", 32, kOther, 32, 32},
                      KeyRow{"at_sign_before_A_is_refused", 64, kOther, 64, {}},
                      KeyRow{"open_bracket_91_is_refused", 91, kOther, 91, {}},
                      KeyRow{"backslash_92_is_refused", 92, kOther, 92, {}},
                      KeyRow{"close_bracket_93_is_refused", 93, kOther, 93, {}},
                      KeyRow{"caret_94_is_refused", 94, kOther, 94, {}},
                      KeyRow{"underscore_95_is_refused", 95, kOther, 95, {}},
                      KeyRow{"grave_accent_96_is_refused", 96, kOther, 96, {}},
                      KeyRow{"open_brace_123_is_refused", 123, kOther, 123, {}},
                      KeyRow{"exclamation_mark_is_refused", u'!', kOther, u'!', {}},
                      KeyRow{"digit_0_is_refused", u'0', kOther, u'0', {}},
                      KeyRow{"digit_7_is_refused", u'7', kOther, u'7', {}},
                      KeyRow{"arabic_indic_digit_3_is_refused", 0x0663, kOther, 0x0663, {}},
                      KeyRow{"code_0_is_refused", 0, kOther, 0, {}},
                      KeyRow{"tab_is_refused", 9, kOther, 9, {}},
                      KeyRow{"ctrl_v_is_refused", 22, kOther, 22, {}},
                      KeyRow{"delete_127_is_refused", 127, kOther, 127, {}},
                      KeyRow{"small_e_acute_becomes_capital_E_acute", 0xE9, kLetter, 0xC9, 0xC9},
                      KeyRow{"capital_e_acute_stays", 0xC9, kLetter, 0xC9, 0xC9},
                      KeyRow{"cyrillic_a_becomes_its_capital", 0x0430, kLetter, 0x0410, 0x0410},
                      KeyRow{"fullwidth_a_becomes_fullwidth_A", 0xFF41, kLetter, 0xFF21, 0xFF21},
                      KeyRow{"a_han_letter_without_case_stays", 0x738B, kLetter, 0x738B, 0x738B},
                      KeyRow{"a_combining_acute_accent_passes", 0x0301, kMark, 0x0301, 0x0301},
                      KeyRow{"ideographic_space_becomes_space", 0x3000, kSpace, 0x3000, 32},
                      KeyRow{"zero_width_non_joiner_passes", 0x200C, kJoiner, 0x200C, 0x200C},
                      KeyRow{"an_emoji_is_refused", 0x1F600, kOther, 0x1F600, {}},
                      KeyRow{"code_65535_is_refused", 0xFFFF, kOther, 0xFFFF, {}}),
    [](const auto& test) { return std::string(test.param.sentence); });

// Whatever its code, a character that is neither a letter nor a mark passes only as one of the
// three editing keys.
TEST(NameKeyFilterSweep, OfTheCharactersNeitherLetterNorMarkOnlyTheThreeEditingKeysPass)
{
    constexpr std::u32string_view kEditingKeys = U"\b\r ";
    int accepted = 0;
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if (const auto inserted = FilterNameKey(code, kOther, code)) {
            ++accepted;
            EXPECT_EQ(*inserted, code);
            EXPECT_NE(kEditingKeys.find(*inserted), std::u32string_view::npos)
                << "code " << static_cast<std::uint32_t>(code);
        }
    }
    EXPECT_EQ(accepted, 3);
}

struct EntriesRow
{
    const char* sentence;
    const char* name;
    int day; // as the list shows it; the position is one less
    int monthPosition;
    const char* year;
    Verdict verdict;
};

void PrintTo(const EntriesRow& row, std::ostream* out)
{
    *out << row.sentence;
}

class EntryCheck : public ::testing::TestWithParam<EntriesRow>
{
};

TEST_P(EntryCheck, GivesTheFirstFailingVerdict)
{
    const EntriesRow& row = GetParam();
    EXPECT_EQ(ValidateInput(row.name, row.day - 1, row.monthPosition, row.year), row.verdict);
}

constexpr int kFebruary = 1;
constexpr int kMarch = 2;
constexpr int kApril = 3;
constexpr int kJune = 5;
constexpr int kSeptember = 8;
constexpr int kNovember = 10;
constexpr int kDecember = 11;

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryCheck,
    ::testing::Values(
        EntriesRow{"an_empty_name_is_missing", "", 1, 0, "1950", Verdict::NameMissing},
        EntriesRow{"an_empty_name_is_reported_before_31_April", "", 31, kApril, "1950",
                   Verdict::NameMissing},
        EntriesRow{"an_empty_name_is_reported_before_a_bad_year", "", 1, 0, "abc",
                   Verdict::NameMissing},
        EntriesRow{"a_one_blank_name_passes", " ", 1, 0, "1950", Verdict::Accepted},
        EntriesRow{"a_name_with_an_accented_letter_passes", "Zo\u00eb", 1, 0, "1950",
                   Verdict::Accepted},
        EntriesRow{"29_February_1900_is_refused_as_1900_is_no_leap_year", "Ann", 29, kFebruary,
                   "1900", Verdict::BadDate},
        EntriesRow{"29_February_1901_is_refused", "Ann", 29, kFebruary, "1901", Verdict::BadDate},
        EntriesRow{"29_February_1904_is_accepted", "Ann", 29, kFebruary, "1904", Verdict::Accepted},
        EntriesRow{"29_February_2000_is_accepted", "Ann", 29, kFebruary, "2000", Verdict::Accepted},
        EntriesRow{"30_February_2000_is_refused", "Ann", 30, kFebruary, "2000", Verdict::BadDate},
        EntriesRow{"31_February_2000_is_refused", "Ann", 31, kFebruary, "2000", Verdict::BadDate},
        EntriesRow{"31_April_1950_is_refused", "Ann", 31, kApril, "1950", Verdict::BadDay31},
        EntriesRow{"31_June_1950_is_refused", "Ann", 31, kJune, "1950", Verdict::BadDay31},
        EntriesRow{"31_September_1950_is_refused", "Ann", 31, kSeptember, "1950",
                   Verdict::BadDay31},
        EntriesRow{"31_November_1950_is_refused", "Ann", 31, kNovember, "1950", Verdict::BadDay31},
        EntriesRow{"30_April_1950_is_accepted", "Ann", 30, kApril, "1950", Verdict::Accepted},
        EntriesRow{"31_March_1950_is_accepted", "Ann", 31, kMarch, "1950", Verdict::Accepted},
        EntriesRow{"31_December_1950_is_accepted", "Ann", 31, kDecember, "1950", Verdict::Accepted},
        EntriesRow{"day_position_minus_1_is_refused", "Ann", 0, 0, "1950", Verdict::BadDate},
        EntriesRow{"day_position_31_is_refused", "Ann", 32, 0, "1950", Verdict::BadDate},
        EntriesRow{"the_lowest_day_position_is_refused", "Ann", INT_MIN + 1, 0, "1950",
                   Verdict::BadDate},
        EntriesRow{"month_position_minus_1_is_refused", "Ann", 1, -1, "1950", Verdict::BadDate},
        EntriesRow{"month_position_12_is_refused", "Ann", 1, 12, "1950", Verdict::BadDate},
        EntriesRow{"the_highest_month_position_is_refused", "Ann", 1, INT_MAX, "1950",
                   Verdict::BadDate},
        EntriesRow{"an_empty_year_is_refused", "Ann", 1, 0, "", Verdict::BadDate},
        EntriesRow{"a_year_with_a_letter_is_refused", "Ann", 1, 0, "19x6", Verdict::BadDate},
        EntriesRow{"an_exponent_year_is_refused", "Ann", 1, 0, "1e400", Verdict::BadDate}),
    [](const auto& test) { return std::string(test.param.sentence); });

// Every position pair of the lists in every calendar year, against the standard library's own
// idea of which dates exist.
TEST(EntryCheckSweep, AgreesWithTheStandardCalendarOnEveryListedDate)
{
    for (int year = 1900; year <= 2035; ++year) {
        for (int monthPosition = 0; monthPosition < 12; ++monthPosition) {
            for (int dayPosition = 0; dayPosition < 31; ++dayPosition) {
                const std::chrono::year_month_day date{
                    std::chrono::year{year},
                    std::chrono::month{static_cast<unsigned>(monthPosition + 1)},
                    std::chrono::day{static_cast<unsigned>(dayPosition + 1)}};
                const Verdict expected = date.ok()                    ? Verdict::Accepted
                                         : monthPosition == kFebruary ? Verdict::BadDate
                                                                      : Verdict::BadDay31;
                EXPECT_EQ(ValidateInput("Ann", dayPosition, monthPosition, std::to_string(year)),
                          expected)
                    << year << '/' << monthPosition + 1 << '/' << dayPosition + 1;
            }
        }
    }
}

struct MessageRow
{
    Verdict verdict;
    std::string_view message;
};

void PrintTo(const MessageRow& row, std::ostream* out)
{
    *out << '"' << row.message << '"';
}

class VerdictMessage : public ::testing::TestWithParam<MessageRow>
{
};

TEST_P(VerdictMessage, IsTheExactText)
{
    EXPECT_EQ(messageForVerdict(GetParam().verdict), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, VerdictMessage,
    ::testing::Values(MessageRow{Verdict::Accepted, ""},
                      MessageRow{Verdict::NameMissing, "Please Enter Your Name"},
                      MessageRow{Verdict::BadDate, "Please Enter Correct Date Or Month!"},
                      MessageRow{Verdict::BadDay31, "Please Enter Correct Date Or Month !"}));

TEST(KeyFilterMessage, IsTheExactText)
{
    EXPECT_EQ(kOnlyLettersMessage, "Please Enter only Letters");
}

} // namespace
} // namespace skyvarre
