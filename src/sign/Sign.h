#pragma once

#include <array>
#include <string_view>

namespace skyvarre {

/// The zodiac signs that Sedna passes through in the calendar's years.
enum class Sign
{
    Aries,
    Taurus,
    Gemini,
};

/// The sign names as the program shows them and as SednaSign holds them, in the order of Sign.
inline constexpr std::array<std::string_view, 3> kSignNames = {"Aries", "Taurus", "Gemini"};

/// The name of a sign, spelled exactly as the user sees it.
[[nodiscard]] constexpr std::string_view signName(Sign sign)
{
    return kSignNames.at(static_cast<std::size_t>(sign));
}

} // namespace skyvarre
