#include "CoBrand.h"

#include "platform/RandomSource.h"
#include "ui/frmMain.h"

#include <cmath>

namespace skyvarre {

std::int16_t coBrandNumber(float r)
{
    // The product stays in single precision, as the drawn value is, and
    // nearbyint rounds halves to even in the default rounding mode:
    // 1.5 gives 2 and 6.5 gives 6.
    const float scaled = 6.0f * r + 1.0f;
    return static_cast<std::int16_t>(std::nearbyint(scaled));
}

void CoBrand_Randomize(frmMain& window, RandomSource& random)
{
    const std::int16_t intCoBrandRandomNumber = coBrandNumber(random.next());
    // Odd numbers bring the co-brand label forward, even ones the full-brand
    // label; 7 leaves the order in which the window was built.
    if (intCoBrandRandomNumber < 1 || intCoBrandRandomNumber > 6)
        return;
    window.bringToFront(intCoBrandRandomNumber % 2 == 1 ? frmMain::PromotionLabel::CoBrand
                                                        : frmMain::PromotionLabel::FullBrand);
}

} // namespace skyvarre
