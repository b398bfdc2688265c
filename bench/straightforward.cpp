// straightforward INSTANCE ANSWER PLAN: the judging sequence written the plain way
// (scanf, an ordered map, a comparison sort, a vector per island, a FIFO queue),
// with none of the checker's safeguards: the baseline that bench/run.sh times the
// checker against, on sound files only.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <queue>
#include <utility>
#include <vector>

namespace {

int N, M, T;
double X;
std::vector<int> es, et, root;
std::vector<double> ec, er, enow;

int find(int x) {
  while (root[x] != x)
    x = root[x] = root[root[x]];
  return x;
}

bool approx(double a, double b) {
  double d = std::fabs(a - b);
  return d < 1e-6 || d / std::fabs(a) < 1e-8;
}

int finish(double score, const char *message) {
  std::printf("%lf\n", score);
  std::fputs(message, stderr);
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 4 || !std::freopen(argv[1], "r", stdin))
    return 1;
  std::scanf("%d %d %d %lf", &N, &M, &T, &X);
  es.resize(M), et.resize(M), ec.resize(M), er.resize(M), enow.resize(M);
  std::map<std::pair<int, int>, int> m_edge;
  for (int i = 0; i < M; ++i) {
    std::scanf("%d %d %lf %lf", &es[i], &et[i], &ec[i], &er[i]);
    m_edge[{std::max(es[i], et[i]), std::min(es[i], et[i])}] = i;
  }
  double reference = 0;
  if (std::freopen(argv[2], "r", stdin))
    std::scanf("%lf", &reference);
  int t, k;
  if (!std::freopen(argv[3], "r", stdin) || std::scanf("%d %d", &t, &k) != 2)
    return finish(0, "format");
  if (t < 0 || t > T)
    return finish(0, "t range");

  std::vector<int> edges(M);
  for (int i = 0; i < M; ++i) {
    edges[i] = i;
    double fall = er[i] * t;
    enow[i] = ec[i] - fall;
  }
  std::sort(edges.begin(), edges.end(), [](int a, int b) { return enow[a] < enow[b]; });
  root.resize(N);
  for (int i = 0; i < N; ++i)
    root[i] = i;
  double minimum = static_cast<double>(t) * X;
  for (int p : edges)
    if (int a = find(es[p]), b = find(et[p]); a != b) {
      root[a] = b;
      minimum += enow[p];
    }

  double total = static_cast<double>(t) * X;
  std::vector<char> sel(M);
  std::vector<std::vector<int>> adjacent(N);
  for (int i = 0; i < k; ++i) {
    int u, v;
    if (std::scanf("%d %d", &u, &v) != 2)
      return finish(0, "format");
    auto it = m_edge.find({std::max(u, v), std::min(u, v)});
    if (it == m_edge.end())
      return finish(0, "invalid");
    if (sel[it->second])
      return finish(0, "repeated");
    sel[it->second] = 1;
    total += enow[it->second];
    adjacent[u].push_back(v);
    adjacent[v].push_back(u);
  }
  std::vector<char> vis(N);
  std::queue<int> queue;
  queue.push(0);
  while (!queue.empty()) {
    int x = queue.front();
    queue.pop();
    if (vis[x])
      continue;
    vis[x] = 1;
    for (int y : adjacent[x])
      queue.push(y);
  }
  if (std::count(vis.begin(), vis.end(), 1) != N)
    return finish(0, "not connected");
  if (!approx(minimum, total))
    return finish(0, "not cheapest");
  return approx(reference, total) ? finish(1, "optimal") : finish(0.3, "t not best");
}
