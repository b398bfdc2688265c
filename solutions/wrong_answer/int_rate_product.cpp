// Wrong: the fall of a cost, rate times t, worked out in 32-bit millionths: a
// rate of 1000 at t = 10^6 is 10^15 millionths, far past 2^31, so where |r|·T
// nears 10^9 the costs at T come out wrong.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <utility>
#include <vector>

struct Portal {
  int a, b;
  double cost, rate;
};

int n, m, T;
double X;
std::vector<Portal> portals;

int find(std::vector<int> &parent, int x) {
  while (parent[x] != x)
    x = parent[x] = parent[parent[x]];
  return x;
}

// The least total at t, and the portals of a plan that reaches it.
double cheapest(int t, std::vector<int> &taken) {
  std::vector<double> at(portals.size());
  for (size_t i = 0; i < portals.size(); ++i)
    at[i] = portals[i].cost - static_cast<int>(std::llround(portals[i].rate * 1e6) * t) / 1e6; // kept in an int
  std::vector<int> order(portals.size()), parent(n);
  std::iota(order.begin(), order.end(), 0);
  std::iota(parent.begin(), parent.end(), 0);
  std::sort(order.begin(), order.end(), [&](int i, int j) { return at[i] < at[j]; });
  double total = t * X;
  taken.clear();
  for (int i : order) {
    int x = find(parent, portals[i].a), y = find(parent, portals[i].b);
    if (x != y) {
      parent[x] = y;
      total += at[i];
      taken.push_back(i);
    }
  }
  return total;
}

int main() {
  if (std::scanf("%d %d %d %lf", &n, &m, &T, &X) != 4)
    return 1;
  std::vector<Portal> all(m);
  std::vector<std::pair<long long, int>> pairs(m); // (the pair of islands, the portal)
  for (int i = 0; i < m; ++i) {
    Portal &p = all[i];
    if (std::scanf("%d %d %lf %lf", &p.a, &p.b, &p.cost, &p.rate) != 4)
      return 1;
    pairs[i] = {static_cast<long long>(std::max(p.a, p.b)) * n + std::min(p.a, p.b), i};
  }
  // A pair of islands names the last portal joining it.
  std::sort(pairs.begin(), pairs.end());
  for (int i = 0; i < m; ++i)
    if (i + 1 == m || pairs[i + 1].first != pairs[i].first)
      portals.push_back(all[pairs[i].second]);
  std::vector<int> at_zero, at_end;
  const double zero = cheapest(0, at_zero), end = cheapest(T, at_end);
  const bool use_end = end < zero;
  const std::vector<int> &plan = use_end ? at_end : at_zero;
  std::printf("%d %d\n", use_end ? T : 0, static_cast<int>(plan.size()));
  for (int i : plan)
    std::printf("%d %d\n", portals[i].a, portals[i].b);
}
