#include "sign/Calendar.h"

#include "sign/Month.h"
#include "sign/WholeNumber.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace skyvarre {
namespace {

using enum Month;
using enum Sign;

// Sedna entered sign on this day and stood in it until the next change. A day
// past the month's last stands for a split that the calendar puts after the
// month's end: the days beyond it get the new sign, the next month too.
struct SignChange
{
    int year;
    Month month;
    int day;
    Sign sign;
};

constexpr Sign kSignAtCalendarStart = Aries;

constexpr std::array kSignChanges = {
    SignChange{1965, July, 9, Taurus},      SignChange{1965, August, 28, Aries},
    SignChange{1966, May, 15, Taurus},      SignChange{1966, October, 32, Aries},
    SignChange{1967, April, 10, Taurus},    SignChange{1967, December, 27, Aries},
    SignChange{1968, February, 14, Taurus}, SignChange{2023, June, 25, Gemini},
    SignChange{2023, December, 3, Taurus},  SignChange{2024, April, 30, Gemini},
};

// A row out of order would silently give some days the wrong sign; let the compiler refuse it.
static_assert(std::ranges::is_sorted(kSignChanges, {}, [](const SignChange& change) {
    return std::tuple{change.year, change.month, change.day};
}));

} // namespace

std::optional<Sign> signOnDate(std::string_view yearText, std::string_view monthText,
                               std::string_view dayText)
{
    const auto year = readWholeNumber(yearText);
    if (!year || *year < kFirstCalendarYear || *year > kLastCalendarYear)
        return std::nullopt;
    // The month is read only in a year with a change, and the day only in a
    // month whose change falls after its first day: elsewhere they decide nothing.
    std::optional<Month> month;
    std::optional<int> day;
    Sign sign = kSignAtCalendarStart;
    for (const SignChange& change : kSignChanges) {
        if (change.year > *year)
            break;
        if (change.year == *year) {
            if (!month && !(month = monthFromName(monthText)))
                return std::nullopt;
            if (change.month > *month)
                break;
            if (change.month == *month && change.day > 1) {
                if (!day && !(day = readWholeNumber(dayText)))
                    return std::nullopt;
                if (*day < change.day)
                    break;
            }
        }
        sign = change.sign;
    }
    return sign;
}

} // namespace skyvarre
