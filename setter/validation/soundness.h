// Whether a loaded instance admits an optimal plan, and its least total.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "graph/optimum.h"

// A reason why no plan can be optimal, located at a token of the instance file.
struct Flaw {
  std::uint64_t token; // 0-based index of the token it concerns
  std::string what;    // in the language of reports
};

struct Soundness {
  Best best;               // meaningful only when flaws is empty
  std::vector<Flaw> flaws; // in the order found
};

// Checks the loaded instance: T >= 0, N >= 1, portals joining every island, finite
// least totals at t = 0 and t = T, and the same least total at both ends when
// only the portals a plan can name (the last registered for each pair) are kept.
// Then gives the least total over t, with the checker's own arithmetic. Overwrites
// the order of edges and root. When no pair is joined twice the registry, needed
// no more, is lent to mst() (see registry.h).
Soundness check_soundness();

// mst(t) over the portals a plan can name only, appending those taken to taken
// when given; edges is restored (in another order) afterwards. Looks portals up
// in the registry only when some pair is joined twice.
double nameable_mst(std::int32_t t, std::vector<std::int32_t> *taken);

// Why no plan can be cheapest at t, where the least total full becomes nameable
// when only the portals a plan can name are kept; chosen_t when t is one the
// setter chose, not an end of 0..T.
std::string shadowed_total(std::int32_t t, double full, double nameable, bool chosen_t);
