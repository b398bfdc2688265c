// The plan judgement: from the minimum total to the final verdict.
#pragma once
#include <cstdint>

// Judges the plan whose header (t within 0..T, k) has been read, against the
// reference total read from the file at answer; reads the k portal lines from the
// bound file and records what it establishes in detail. Ends the run with a
// verdict, or with a checker failure when the answer file is proved wrong (a plan
// beats it, or it lies below the least total over every t) or a least total
// overflows.
[[noreturn]] void judge_plan(std::int32_t t, std::int32_t k, double reference, const char *answer);
