#pragma once

#include "sign/Translatable.h"

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

/// The translation context of the sign names: the first argument of their markers below.
inline constexpr char kSignNamesContext[] = "skyvarre::Sign";

/// The sign names as the program shows them in English and as SednaSign holds them, in the
/// order of Sign. The windows show them translated.
inline constexpr std::array<std::string_view, 3> kSignNames = {
    //: A zodiac sign, shown on its own after "Sedna in your Chart is Placed in".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Sign", "Aries"),
    //: A zodiac sign, shown on its own after "Sedna in your Chart is Placed in".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Sign", "Taurus"),
    //: A zodiac sign, shown on its own after "Sedna in your Chart is Placed in".
    SKYVARRE_TRANSLATE_NOOP("skyvarre::Sign", "Gemini"),
};

/// The name of a sign, spelled exactly as the user sees it.
[[nodiscard]] constexpr std::string_view signName(Sign sign)
{
    return kSignNames.at(static_cast<std::size_t>(sign));
}

} // namespace skyvarre
