// The problem as the package's statement states it: its bounds, which the input
// validator enforces and every test of the default set keeps.
#pragma once
#include "setter/validation/validation.h"

// 1 <= N <= 262144, 0 <= M <= 262144, 0 <= T <= 10^6, |X| <= 10^6, |ec| <= 10^6,
// |er| <= 10^3, and at most 6 digits after the point of a real.
Bounds statement_bounds();
