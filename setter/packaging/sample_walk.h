// The sample worked through, for the statement's explanation of it: what each
// portal costs at the sample plan's t, the tree it builds, its total, and the
// least totals at the other t.
#pragma once
#include <string>
#include <utility>
#include <vector>

struct SampleWalk {
  int n = 0, t = 0;
  double x = 0, total = 0;
  std::vector<std::string> costs;  // "10 - 2 \cdot 3 = 4", one per portal, in input order
  struct Built {
    int a, b;
    double cost;
  };
  std::vector<Built> tree;                     // the plan's portals, as it names them, at their cost at t
  std::vector<std::pair<int, double>> others;  // (t, the least total there) for each other t worth showing
};

// Works through the sample whose instance and optimal plan are given as text.
// Lists each portal's cost only for a sample of at most 12 portals, and the
// other t only when T is at most 10 (else t = 0 and t = T alone). False when
// the texts are no sound sample and plan.
bool walk_sample(const std::string &instance, const std::string &plan, SampleWalk &walk);
