// Whether the portals a plan names join all islands.
#pragma once
#include <cstdint>

#include "instance/tables.h"

// 1 when the plan names portal i; set by the judgement, read by connected().
extern std::uint8_t sel_edge[MAXN];

// 1 once the search has reached island i.
extern std::uint8_t vis[MAXN];

// Breadth-first search from island 0 over the marked portals; true when it reaches
// every island 0..N-1, and always when N <= 0. Call once per run: vis is not
// cleared first.
bool connected();

// Clears sel_edge and vis, so that one process can judge several plans (tests).
void plan_reset();
