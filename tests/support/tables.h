// The process-wide tables for unit tests, which GoogleTest runs in any order.
#pragma once
#include <cstdint>
#include <initializer_list>

// Returns every table to its state at start.
void reset_all();

struct Portal {
  std::int32_t s, t;
  double c, r;
};

// Sets the instance tables directly: n islands, cost X per unit of t, the portals.
void set_instance(std::int32_t n, std::initializer_list<Portal> portals, double x = 0);
