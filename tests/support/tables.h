// The process-wide tables for unit tests, which GoogleTest runs in any order. In
// tests a run ends by throwing its Outcome, so a judgement can be tested in-process.
#pragma once
#include <cstdint>
#include <initializer_list>

// Returns every process-wide table to its state at start: the instance and its
// registry, what the judgement established, the disjoint-set forest, the
// connectivity count, and the reader (bound to nothing).
void reset_all();

struct Portal {
  std::int32_t s, t;
  double c, r;
};

// Sets the instance tables directly: n islands, cost X per unit of t, the portals.
void set_instance(std::int32_t n, std::initializer_list<Portal> portals, double x = 0);
