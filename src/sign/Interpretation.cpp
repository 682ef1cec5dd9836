#include "sign/Interpretation.h"

#include "sign/Sign.h"

namespace skyvarre {

std::optional<std::string_view> InterpretationForSign(std::string_view sign)
{
    if (sign == signName(Sign::Aries))
        return kAriesInterpretation;
    if (sign == signName(Sign::Taurus))
        return kTaurusInterpretation;
    // Gemini has no text of its own: frmDisplay then keeps the caption it already shows.
    return std::nullopt;
}

} // namespace skyvarre
