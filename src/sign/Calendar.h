#pragma once

#include "sign/Sign.h"

#include <optional>
#include <string_view>

namespace skyvarre {

/// The first and the last year that the sign calendar covers.
inline constexpr int kFirstCalendarYear = 1900;
inline constexpr int kLastCalendarYear = 2035;

/// The sign in which Sedna stood on a date given as year, month-name and day texts.
///
/// Returns nullopt when the calendar has no answer: a year outside the calendar or not a
/// whole number, a month text that is not exactly an English month name in a year where the
/// month decides, or a day text that is not a whole number in a month where the day decides.
/// The date is not checked for existence (30 February 1968 gives Taurus).
[[nodiscard]] std::optional<Sign> signOnDate(std::string_view yearText, std::string_view monthText,
                                             std::string_view dayText);

} // namespace skyvarre
