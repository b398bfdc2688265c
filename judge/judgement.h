// The plan judgement: from the minimum total to the final verdict.
#pragma once
#include <cstdint>

// True when b equals the reference value a within tolerance: |a−b| < 1e-6, or
// |a−b| / |a| < 1e-8. False for a NaN difference; a = 0 divides without trapping.
bool approx(double a, double b);

// Judges the plan whose header (t within 0..T, k) has been read, against the
// reference total read from the file at answer; reads the k portal lines from the
// bound file and records what it establishes in detail. Ends the run with a
// verdict, or with a checker failure when the answer file is proved wrong (a plan
// beats it, or it lies below the least total over every t) or a least total
// overflows.
[[noreturn]] void judge_plan(std::int32_t t, std::int32_t k, double reference, const char *answer);
