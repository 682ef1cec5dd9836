#pragma once

#include "sign/Translatable.h"

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

/// The translation context of the month names: the first argument of their markers below.
inline constexpr char kMonthNamesContext[] = "skyvarre::Month";

/// The English month names in calendar order: the calendar's keys, and what the month list
/// shows in English. The list shows them translated; the calendar reads the English ones.
// clang-format off
inline constexpr std::array<std::string_view, kMonthCount> kMonthNames = {
    //: A month of the year, alone in the month list of the date of birth (the form used
    //: without a day). The list shows 75 pixels of bold 8-point text: no month may be
    //: much longer than "September", which takes 68.
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "January"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "February"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "March"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "April"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "May"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "June"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "July"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "August"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "September"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "October"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "November"),
    //: See "January".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Month", "December"),
};
// clang-format on

/// The month whose name equals the text exactly (case and blanks count), or nullopt.
[[nodiscard]] std::optional<Month> monthFromName(std::string_view name);

/// The month at a position of the month list (0 is January), or nullopt outside 0..11.
[[nodiscard]] std::optional<Month> monthFromPosition(int position);

} // namespace skyvarre
