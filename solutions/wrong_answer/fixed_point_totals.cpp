// Wrong: every real kept exactly, as a whole number of millionths in 64 bits,
// and the totals too: at the largest totals (about 2.6e14, or 2.6e20
// millionths) the sum wraps past 2^63, as 64-bit arithmetic wraps, and the
// ends compare wrongly.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <utility>
#include <vector>

struct Portal {
  int a, b;
  long long cost, rate; // millionths
};

int n, m, T;
long long X; // millionths
std::vector<Portal> portals;

long long millionths(double v) { return std::llround(v * 1e6); }

int find(std::vector<int> &parent, int x) {
  while (parent[x] != x)
    x = parent[x] = parent[parent[x]];
  return x;
}

// The least total at t, in millionths, and the portals of a plan that reaches it.
long long cheapest(int t, std::vector<int> &taken) {
  std::vector<long long> at(portals.size());
  for (size_t i = 0; i < portals.size(); ++i)
    at[i] = portals[i].cost - portals[i].rate * t;
  std::vector<int> order(portals.size()), parent(n);
  std::iota(order.begin(), order.end(), 0);
  std::iota(parent.begin(), parent.end(), 0);
  std::sort(order.begin(), order.end(), [&](int i, int j) { return at[i] < at[j]; });
  unsigned long long total = static_cast<unsigned long long>(t * X); // wraps, as the hardware would
  taken.clear();
  for (int i : order) {
    int x = find(parent, portals[i].a), y = find(parent, portals[i].b);
    if (x != y) {
      parent[x] = y;
      total += static_cast<unsigned long long>(at[i]);
      taken.push_back(i);
    }
  }
  return static_cast<long long>(total);
}

int main() {
  double x;
  if (std::scanf("%d %d %d %lf", &n, &m, &T, &x) != 4)
    return 1;
  X = millionths(x);
  std::vector<Portal> all(m);
  std::vector<std::pair<long long, int>> pairs(m); // (the pair of islands, the portal)
  for (int i = 0; i < m; ++i) {
    double cost, rate;
    Portal &p = all[i];
    if (std::scanf("%d %d %lf %lf", &p.a, &p.b, &cost, &rate) != 4)
      return 1;
    p.cost = millionths(cost);
    p.rate = millionths(rate);
    pairs[i] = {static_cast<long long>(std::max(p.a, p.b)) * n + std::min(p.a, p.b), i};
  }
  // A pair of islands names the last portal joining it.
  std::sort(pairs.begin(), pairs.end());
  for (int i = 0; i < m; ++i)
    if (i + 1 == m || pairs[i + 1].first != pairs[i].first)
      portals.push_back(all[pairs[i].second]);
  std::vector<int> at_zero, at_end;
  const long long zero = cheapest(0, at_zero), end = cheapest(T, at_end);
  const bool use_end = end < zero;
  const std::vector<int> &plan = use_end ? at_end : at_zero;
  std::printf("%d %d\n", use_end ? T : 0, static_cast<int>(plan.size()));
  for (int i : plan)
    std::printf("%d %d\n", portals[i].a, portals[i].b);
}
