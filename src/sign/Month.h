#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace skyvarre {

/// The months in calendar order; the value is the month's position in frmMain's list.
enum class Month
{
    January,
    February,
    March,
    April,
    May,
    June,
    July,
    August,
    September,
    October,
    November,
    December,
};

inline constexpr int kMonthCount = 12;

/// The English month names in calendar order, as the month list shows them.
inline constexpr std::array<std::string_view, kMonthCount> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

/// The month whose name equals the text exactly (case and blanks count), or nullopt.
[[nodiscard]] std::optional<Month> monthFromName(std::string_view name);

/// The month at a position of the month list (0 is January), or nullopt outside 0..11.
[[nodiscard]] std::optional<Month> monthFromPosition(int position);

} // namespace skyvarre
