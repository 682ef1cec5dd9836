#pragma once

#include <string>
#include <string_view>

namespace skyvarre {

/// The sign of the latest lookup that found one: empty at start, then "Aries", "Taurus" or
/// "Gemini". Only DetermineSednaSign writes it.
extern std::string SednaSign;

/// Looks the date up in the sign calendar and, when it gives a sign, stores its name in
/// SednaSign; a date without an answer leaves SednaSign as it was.
void DetermineSednaSign(std::string_view yearText, std::string_view monthText,
                        std::string_view dayText);

} // namespace skyvarre
