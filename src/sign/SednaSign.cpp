#include "sign/SednaSign.h"

#include "sign/Calendar.h"

namespace skyvarre {

std::string SednaSign;

void DetermineSednaSign(std::string_view yearText, std::string_view monthText,
                        std::string_view dayText)
{
    if (const auto sign = signOnDate(yearText, monthText, dayText))
        SednaSign = signName(*sign);
}

} // namespace skyvarre
