// The plan judgement: from the minimum total to the final verdict.
#pragma once
#include <cstdint>

// True when b equals the reference value a within tolerance: |a−b| < 1e-6, or
// |a−b| / |a| < 1e-8. False for a NaN difference; a = 0 divides without trapping.
bool approx(double a, double b);

// Judges the plan whose header (t within 0..T, k) has been read, against the
// reference total; reads the k portal lines from standard input. Ends the run
// with a verdict, or a checker failure when the minimum total at t is not finite
// or the plan beats the reference total (the answer file is then wrong).
[[noreturn]] void judge_plan(std::int32_t t, std::int32_t k, double reference);
