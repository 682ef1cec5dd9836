#include "sign/Calendar.h"

#include "sign/Month.h"
#include "sign/WholeNumber.h"

#include <algorithm>
#include <array>

namespace skyvarre {
namespace {

using enum Month;
using enum Sign;

// A year without a whole-year sign is a transition year: Sedna crosses a sign boundary,
// and its month (and in a split month its day) decides.
constexpr std::optional<Sign> kByMonth = std::nullopt;

struct YearRun
{
    int firstYear;
    int lastYear;
    std::optional<Sign> wholeYearSign;
};

constexpr std::array kYearRuns = {
    YearRun{kFirstCalendarYear, 1964, Aries},
    YearRun{1965, 1968, kByMonth},
    YearRun{1969, 2022, Taurus},
    YearRun{2023, 2024, kByMonth},
    YearRun{2025, kLastCalendarYear, Gemini},
};

struct FixedMonths
{
    int year;
    Month firstMonth;
    Month lastMonth;
    Sign sign;
};

constexpr std::array kFixedMonths = {
    FixedMonths{1965, January, June, Aries},      FixedMonths{1965, September, December, Aries},
    FixedMonths{1966, January, April, Aries},     FixedMonths{1966, June, September, Taurus},
    FixedMonths{1966, November, December, Aries}, FixedMonths{1967, January, March, Aries},
    FixedMonths{1967, May, November, Taurus},     FixedMonths{1968, January, January, Aries},
    FixedMonths{1968, March, December, Taurus},   FixedMonths{2023, January, May, Taurus},
    FixedMonths{2023, July, November, Gemini},    FixedMonths{2024, January, March, Taurus},
    FixedMonths{2024, May, December, Gemini},
};

// Days 1 to lastDayOfFirstSign have the first sign, every later day the second.
struct SplitMonth
{
    int year;
    Month month;
    int lastDayOfFirstSign;
    Sign firstSign;
    Sign secondSign;
};

constexpr std::array kSplitMonths = {
    SplitMonth{1965, July, 8, Aries, Taurus},
    SplitMonth{1965, August, 27, Taurus, Aries},
    SplitMonth{1966, May, 14, Aries, Taurus},
    // 31, not 30: every October day of the list is Taurus and Aries returns on 1 November.
    SplitMonth{1966, October, 31, Taurus, Aries},
    SplitMonth{1967, April, 9, Aries, Taurus},
    SplitMonth{1967, December, 26, Taurus, Aries},
    SplitMonth{1968, February, 13, Aries, Taurus},
    SplitMonth{2023, June, 24, Taurus, Gemini},
    SplitMonth{2023, December, 2, Gemini, Taurus},
    SplitMonth{2024, April, 29, Taurus, Gemini},
};

constexpr bool isTransitionYear(int year)
{
    return std::ranges::any_of(
        kYearRuns,
        [year](const YearRun& run) {
            return !run.wholeYearSign && run.firstYear <= year && year <= run.lastYear;
        });
}

constexpr bool covers(const FixedMonths& row, int year, Month month)
{
    return row.year == year && row.firstMonth <= month && month <= row.lastMonth;
}

constexpr bool covers(const SplitMonth& row, int year, Month month)
{
    return row.year == year && row.month == month;
}

// A mistyped row would silently leave a month without an answer or give it two; let the
// compiler refuse that instead.
constexpr bool everyTransitionMonthHasExactlyOneRow()
{
    for (const YearRun& run : kYearRuns) {
        if (run.wholeYearSign)
            continue;
        for (int year = run.firstYear; year <= run.lastYear; ++year) {
            for (int position = 0; position < kMonthCount; ++position) {
                const auto month = static_cast<Month>(position);
                const auto rows =
                    std::ranges::count_if(
                        kFixedMonths, [&](const auto& row) { return covers(row, year, month); }) +
                    std::ranges::count_if(
                        kSplitMonths, [&](const auto& row) { return covers(row, year, month); });
                if (rows != 1)
                    return false;
            }
        }
    }
    return std::ranges::all_of(kFixedMonths,
                               [](const auto& row) {
                                   return isTransitionYear(row.year) &&
                                          row.firstMonth <= row.lastMonth;
                               }) &&
           std::ranges::all_of(kSplitMonths,
                               [](const auto& row) { return isTransitionYear(row.year); });
}

static_assert(everyTransitionMonthHasExactlyOneRow());

std::optional<Sign> signInTransitionYear(int year, Month month, std::string_view dayText)
{
    const auto fixed = std::ranges::find_if(
        kFixedMonths, [&](const FixedMonths& row) { return covers(row, year, month); });
    if (fixed != kFixedMonths.end())
        return fixed->sign;
    const auto split = std::ranges::find_if(
        kSplitMonths, [&](const SplitMonth& row) { return covers(row, year, month); });
    if (split == kSplitMonths.end())
        return std::nullopt;
    const auto day = readWholeNumber(dayText);
    if (!day)
        return std::nullopt;
    return *day <= split->lastDayOfFirstSign ? split->firstSign : split->secondSign;
}

} // namespace

std::optional<Sign> signOnDate(std::string_view yearText, std::string_view monthText,
                               std::string_view dayText)
{
    const auto year = readWholeNumber(yearText);
    if (!year)
        return std::nullopt;
    const auto run = std::ranges::find_if(kYearRuns, [wanted = *year](const YearRun& row) {
        return row.firstYear <= wanted && wanted <= row.lastYear;
    });
    if (run == kYearRuns.end())
        return std::nullopt;
    if (run->wholeYearSign)
        return run->wholeYearSign;
    const auto month = monthFromName(monthText);
    if (!month)
        return std::nullopt;
    return signInTransitionYear(*year, *month, dayText);
}

} // namespace skyvarre
