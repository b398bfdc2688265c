// Whether the portals a plan names join all islands.
#pragma once
#include <cstdint>

#include "instance/tables.h"

// 1 when the plan names portal i; set by the judgement, read by connected().
extern std::uint8_t sel_edge[MAXN];

// True when the marked portals join every island 0..N-1 into one component, and
// always when N <= 0. Joins them in the disjoint-set forest, whose earlier
// contents it discards.
bool connected();

// Clears sel_edge, so that one process can judge several plans (tests).
void plan_reset();
