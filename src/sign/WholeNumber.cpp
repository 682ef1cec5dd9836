#include "sign/WholeNumber.h"

#include <charconv>
#include <system_error>

namespace skyvarre {

std::optional<int> readWholeNumber(std::string_view text) noexcept
{
    // from_chars would take a leading "-"; a whole number here is digits only.
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

} // namespace skyvarre
