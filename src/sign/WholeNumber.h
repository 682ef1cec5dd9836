#pragma once

#include <optional>
#include <string_view>

namespace skyvarre {

/// Reads a text made only of the ASCII digits 0-9 as a non-negative whole number.
///
/// The lists of frmMain only ever hold plain digits, so anything else is refused
/// rather than guessed at: an empty text, blanks anywhere (leading and trailing too), a sign
/// ("+", "-"), a decimal point or exponent, and a value beyond the range of int give nullopt.
/// Leading zeros are allowed ("01900" reads as 1900). Never throws.
[[nodiscard]] std::optional<int> readWholeNumber(std::string_view text) noexcept;

} // namespace skyvarre
