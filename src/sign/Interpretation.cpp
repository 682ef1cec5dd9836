#include "sign/Interpretation.h"

#include "sign/Sign.h"

#include <algorithm>
#include <array>

namespace skyvarre {
namespace {

struct SignText
{
    Sign sign;
    std::string_view text;
};

// Gemini has no text of its own: frmDisplay then keeps the caption it already shows.
constexpr std::array kInterpretations = {
    SignText{Sign::Aries, kAriesInterpretation},
    SignText{Sign::Taurus, kTaurusInterpretation},
};

} // namespace

std::optional<std::string_view> InterpretationForSign(std::string_view sign)
{
    const auto found = std::ranges::find_if(
        kInterpretations, [sign](const SignText& row) { return signName(row.sign) == sign; });
    if (found == kInterpretations.end())
        return std::nullopt;
    return found->text;
}

} // namespace skyvarre
