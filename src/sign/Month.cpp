#include "sign/Month.h"

#include <algorithm>
#include <iterator>

namespace skyvarre {

std::optional<Month> monthFromName(std::string_view name)
{
    const auto found = std::ranges::find(kMonthNames, name);
    if (found == kMonthNames.end())
        return std::nullopt;
    return static_cast<Month>(std::distance(kMonthNames.begin(), found));
}

std::optional<Month> monthFromPosition(int position)
{
    if (position < 0 || position >= kMonthCount)
        return std::nullopt;
    return static_cast<Month>(position);
}

} // namespace skyvarre
