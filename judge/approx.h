// The tolerant comparison of two totals.
#pragma once

// The tolerance of totals, absolute and relative to the reference value.
inline constexpr double kAbsoluteTolerance = 1e-6, kRelativeTolerance = 1e-8;

// True when b equals the reference value a within tolerance: |a−b| < 1e-6, or
// |a−b| / |a| < 1e-8. False for a NaN difference; a = 0 divides without trapping.
bool approx(double a, double b);
