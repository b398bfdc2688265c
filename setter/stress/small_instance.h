// A small instance as setter stress shrinks it: its numbers kept as the text
// writes them, so that every smaller form is written exactly.
#pragma once
#include <string>
#include <vector>

struct SmallInstance {
  int n = 0, t = 0;
  std::string x;
  struct Portal {
    int a, b;
    std::string cost, rate;
  };
  std::vector<Portal> portals;
};

// Reads the canonical text of an instance; false when it is not one.
bool read_small(const std::string &text, SmallInstance &instance);

// The instance in the canonical layout.
std::string write_small(const SmallInstance &instance);

// One step from an instance to a smaller one: what it takes away or makes smaller.
struct ShrinkStep {
  enum Kind { half_portals, portal, leaves, island, t, x, cost, rate } kind;
  std::size_t index;     // which half, portal, island or number
  std::string value = {}; // the smaller number, or the T, written out
};

// Every step from instance to a smaller one, the largest first: half of its
// portals, its leaf islands (all, or half) with their portals, one portal, one
// island with its portals, a smaller T, and, when it has at most 50 portals,
// numbers nearer 0 or with fewer digits. None is checked to lead to a sound test.
std::vector<ShrinkStep> shrink_steps(const SmallInstance &instance);

// instance after step.
SmallInstance shrunk(const SmallInstance &instance, const ShrinkStep &step);
