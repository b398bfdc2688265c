// Writes a random instance, its answer and an optimal plan:
//   generate N M SEED DIR   ->  DIR/instance.txt DIR/answer.txt DIR/plan.txt
// A random spanning tree plus random extra portals, listed in random order, with
// 3-decimal costs and 4-decimal rates; the answer is the best total over t in 0..T.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

struct Portal {
  int s, t;
  double c, r;
};

struct Forest {
  std::vector<int> up;

  explicit Forest(int n) : up(static_cast<std::size_t>(n)) { std::iota(up.begin(), up.end(), 0); }

  int find(int x) {
    while (up[x] != x)
      x = up[x] = up[up[x]];
    return x;
  }
};

// The minimum total at t, summed as the checker sums it, and the portals taken.
double minimum(int n, const std::vector<Portal> &ps, int t, double x, std::vector<int> *taken) {
  std::vector<std::pair<double, int>> order;
  for (int i = 0; i < static_cast<int>(ps.size()); ++i) {
    double fall = ps[i].r * t;
    order.push_back({ps[i].c - fall, i});
  }
  std::sort(order.begin(), order.end());
  Forest f(n);
  double total = t * x;
  for (auto [cost, i] : order) {
    int a = f.find(ps[i].s), b = f.find(ps[i].t);
    if (a == b)
      continue;
    f.up[a] = b;
    total += cost;
    if (taken)
      taken->push_back(i);
  }
  return total;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: generate N M SEED DIR\n");
    return 2;
  }
  const int n = std::atoi(argv[1]), m = std::atoi(argv[2]);
  if (n < 1 || m < n - 1) {
    std::fprintf(stderr, "need N >= 1 and M >= N-1\n");
    return 2;
  }
  std::mt19937_64 rng(std::strtoull(argv[3], nullptr, 10));
  const std::string dir = argv[4];
  auto uniform = [&](int below) { return static_cast<int>(rng() % static_cast<unsigned>(below)); };

  std::vector<Portal> ps;
  std::vector<int> label(static_cast<std::size_t>(n));
  std::iota(label.begin(), label.end(), 0);
  std::shuffle(label.begin(), label.end(), rng);
  for (int i = 1; i < n; ++i)
    ps.push_back({label[i], label[uniform(i)], 0, 0});
  while (static_cast<int>(ps.size()) < m)
    ps.push_back({uniform(n), uniform(n), 0, 0});
  std::shuffle(ps.begin(), ps.end(), rng);
  for (Portal &p : ps) {
    if (rng() & 1)
      std::swap(p.s, p.t);
    p.c = uniform(1000000) / 1000.0 + 200.0; // 3 decimals
    p.r = uniform(200000) / 10000.0;         // 4 decimals
  }
  const int T = 10;
  const double X = 9.0 * (n - 1); // below the mean fall of a tree: the best t is above 0

  // Costs print exactly as generated: values with 3 and 4 decimals.
  std::FILE *inst = std::fopen((dir + "/instance.txt").c_str(), "w");
  std::fprintf(inst, "%d %d %d %.1f\n", n, m, T, X);
  for (const Portal &p : ps)
    std::fprintf(inst, "%d %d %.3f %.4f\n", p.s, p.t, p.c, p.r);
  std::fclose(inst);
  // Read back the printed values so that the answer is computed on them.
  for (Portal &p : ps) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f %.4f", p.c, p.r);
    std::sscanf(text, "%lf %lf", &p.c, &p.r);
  }

  int best_t = 0;
  double best = minimum(n, ps, 0, X, nullptr);
  for (int t = 1; t <= T; ++t)
    if (double v = minimum(n, ps, t, X, nullptr); v < best)
      best = v, best_t = t;
  std::vector<int> taken;
  minimum(n, ps, best_t, X, &taken);
  std::shuffle(taken.begin(), taken.end(), rng);

  std::FILE *ans = std::fopen((dir + "/answer.txt").c_str(), "w");
  std::fprintf(ans, "%.17g\n", best);
  std::fclose(ans);
  std::FILE *plan = std::fopen((dir + "/plan.txt").c_str(), "w");
  std::fprintf(plan, "%d %zu\n", best_t, taken.size());
  for (int i : taken)
    std::fprintf(plan, "%d %d\n", ps[i].t, ps[i].s);
  std::fclose(plan);
  std::printf("t = %d, total %.17g, %zu plan lines\n", best_t, best, taken.size());
  return 0;
}
