// A plan's portal lines: read, looked up, priced and joined, in reading order.
#pragma once
#include <cstdint>

#include "judge/verdict.h"
#include "reader/reader.h"

// The first defect met in a plan's portal lines; message is null when none was.
struct LineDefect {
  const Message *message = nullptr; // the catalogue entry
  std::int64_t line = 0;         // 1-based portal line
  bool has_pair = false;         // u and v were read on that line
  std::int32_t u = 0, v = 0;
  Scan scan = Scan::ok;          // for a line that is not two integers, why
};

// Reads the k portal lines of the bound plan file up to the first defect (a pair no
// portal joins, a portal named again, a line that is not two integers): claims each
// line's portal in the registry, adds its cost at t to total and joins its ends for
// connected(), which connect_start() must have readied. Returns that defect.
LineDefect read_plan_lines(std::int32_t k, double t, double &total);
