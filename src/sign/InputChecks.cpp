#include "sign/InputChecks.h"

#include "sign/Month.h"
#include "sign/WholeNumber.h"

#include <array>

namespace skyvarre {
namespace {

// February is listed with its length in a common year; a leap year adds one day.
constexpr std::array<int, kMonthCount> kDaysInMonth = {31, 28, 31, 30, 31, 30,
                                                       31, 31, 30, 31, 30, 31};

constexpr bool isLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int daysInMonth(Month month, int year)
{
    const int days = kDaysInMonth.at(static_cast<std::size_t>(month));
    return month == Month::February && isLeapYear(year) ? days + 1 : days;
}

} // namespace

std::optional<char32_t> FilterNameKey(char32_t code, CharacterKind kind, char32_t capital)
{
    switch (kind) {
    case CharacterKind::Letter:
        return capital;
    case CharacterKind::CombiningMark:
    case CharacterKind::Joiner:
        return code;
    case CharacterKind::Space:
        return kSpaceKey;
    case CharacterKind::Other:
        break;
    }
    if (code == kBackspaceKey || code == kEnterKey || code == kSpaceKey)
        return code;
    return std::nullopt;
}

NameForm JudgeNameForm(std::span<const CharacterKind> kinds)
{
    // The start of the text carries nothing, as a space does not.
    CharacterKind before = CharacterKind::Space;
    int marksInARow = 0;
    for (const CharacterKind kind : kinds) {
        switch (kind) {
        case CharacterKind::Letter:
            marksInARow = 0;
            break;
        case CharacterKind::Space:
            if (before == CharacterKind::Joiner)
                return NameForm::Broken;
            marksInARow = 0;
            break;
        case CharacterKind::CombiningMark:
            // Also after a joiner: Bengali writes "rya" as ra, ZWJ, virama, ya.
            if (before == CharacterKind::Space || ++marksInARow > kMostMarksInARow)
                return NameForm::Broken;
            break;
        case CharacterKind::Joiner:
            if (before == CharacterKind::Space || before == CharacterKind::Joiner)
                return NameForm::Broken;
            break;
        case CharacterKind::Other:
            return NameForm::Broken;
        }
        before = kind;
    }
    return before == CharacterKind::Joiner ? NameForm::Unfinished : NameForm::Whole;
}

Verdict ValidateInput(std::string_view name, int dayPosition, int monthPosition,
                      std::string_view yearText)
{
    if (name.empty())
        return Verdict::NameMissing;
    const auto month = monthFromPosition(monthPosition);
    const auto year = readWholeNumber(yearText);
    if (!month || !year || dayPosition < 0 || dayPosition >= kDayCount)
        return Verdict::BadDate;
    const int day = dayPosition + 1;
    if (day <= daysInMonth(*month, *year))
        return Verdict::Accepted;
    // Only February and the 30-day months can be too short, and each has its own message.
    return *month == Month::February ? Verdict::BadDate : Verdict::BadDay31;
}

std::string_view messageForVerdict(Verdict verdict)
{
    // The two date messages differ only by the blank before "!"; both are kept exactly.
    switch (verdict) {
    case Verdict::Accepted:
        return {};
    case Verdict::NameMissing:
        //: Message box text when Find is pressed with an empty name box.
        return SKYVARRE_TRANSLATE_NOOP("skyvarre::InputChecks", "Please Enter Your Name");
    case Verdict::BadDate:
        //: Message box text for a day past the end of February (29 February in a common
        //: year, 30 or 31 February). Means the same as the message for 31 April.
        return SKYVARRE_TRANSLATE_NOOP("skyvarre::InputChecks",
                                       "Please Enter Correct Date Or Month!");
    case Verdict::BadDay31:
        //: Message box text for day 31 in a month of 30 days, such as 31 April. Means the same
        //: as the message for 30 February; the English differs only by a blank.
        return SKYVARRE_TRANSLATE_NOOP("skyvarre::InputChecks",
                                       "Please Enter Correct Date Or Month !");
    }
    return {};
}

} // namespace skyvarre
