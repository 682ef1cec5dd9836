#pragma once

#include <cstdint>

namespace skyvarre {

class frmMain;
class RandomSource;

// The number drawn for the promotional labels: 6 × r + 1 rounded to the
// nearest integer, halves to the even one. 1 to 7 for 0 <= r < 1.
std::int16_t coBrandNumber(float r);

// Draws r and brings one of frmMain's two stacked promotional labels
// to the front: the co-brand label for 1, 3 and 5, the full-brand label for
// 2, 4 and 6; 7 leaves the order in which the window was built.
void CoBrand_Randomize(frmMain& window, RandomSource& random);

} // namespace skyvarre
