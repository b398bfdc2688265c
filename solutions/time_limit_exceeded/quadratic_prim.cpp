// Slow: Prim's method that finds the nearest island by scanning them all: right,
// but quadratic in N.
// Earns: small
#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <utility>
#include <vector>

struct Portal {
  int a, b;
  double cost, rate;
};

int n, m, T;
double X;
std::vector<Portal> portals;
std::vector<std::vector<int>> touching; // the portals at each island

// The least total at t, and the portals of a plan that reaches it.
double cheapest(int t, std::vector<int> &taken) {
  const double infinity = std::numeric_limits<double>::infinity();
  std::vector<double> nearest(n, infinity);
  std::vector<int> via(n, -1);
  std::vector<bool> in(n, false);
  nearest[0] = 0;
  double total = t * X;
  taken.clear();
  for (int step = 0; step < n; ++step) {
    int u = -1;
    for (int i = 0; i < n; ++i)
      if (!in[i] && (u < 0 || nearest[i] < nearest[u]))
        u = i;
    in[u] = true;
    if (via[u] >= 0) {
      total += nearest[u];
      taken.push_back(via[u]);
    }
    for (int p : touching[u]) {
      const int v = portals[p].a == u ? portals[p].b : portals[p].a;
      const double cost = portals[p].cost - portals[p].rate * t;
      if (!in[v] && cost < nearest[v]) {
        nearest[v] = cost;
        via[v] = p;
      }
    }
  }
  return total;
}

int main() {
  if (std::scanf("%d %d %d %lf", &n, &m, &T, &X) != 4)
    return 1;
  std::vector<Portal> all(m);
  std::map<std::pair<int, int>, int> last; // a pair of islands names the last portal joining it
  for (int i = 0; i < m; ++i) {
    Portal &p = all[i];
    if (std::scanf("%d %d %lf %lf", &p.a, &p.b, &p.cost, &p.rate) != 4)
      return 1;
    last[{std::max(p.a, p.b), std::min(p.a, p.b)}] = i;
  }
  touching.resize(n);
  for (const auto &entry : last)
    if (all[entry.second].a != all[entry.second].b) {
      touching[all[entry.second].a].push_back(static_cast<int>(portals.size()));
      touching[all[entry.second].b].push_back(static_cast<int>(portals.size()));
      portals.push_back(all[entry.second]);
    }
  std::vector<int> at_zero, at_end;
  const double zero = cheapest(0, at_zero), end = cheapest(T, at_end);
  const bool use_end = end < zero;
  const std::vector<int> &plan = use_end ? at_end : at_zero;
  std::printf("%d %d\n", use_end ? T : 0, static_cast<int>(plan.size()));
  for (int i : plan)
    std::printf("%d %d\n", portals[i].a, portals[i].b);
}
