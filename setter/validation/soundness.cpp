// Soundness of an instance: the defects that leave no plan optimal.
#include "setter/validation/soundness.h"

#include <cmath>
#include <utility>

#include "graph/dsu.h"
#include "graph/mst.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "judge/approx.h"
#include "setter/language/language.h"
#include "setter/validation/instance_file.h"

namespace soundness_internal {

constexpr std::uint64_t kTokenN = 0, kTokenT = 2;

std::uint64_t record_token(std::int32_t portal) { return 4 + 4 * static_cast<std::uint64_t>(portal); }

std::string record_name(std::int32_t portal) {
  const std::string ends = std::to_string(es[portal]) + " " + std::to_string(et[portal]);
  return say("portal record " + std::to_string(portal + 1) + " (" + ends + ")",
             "第 " + std::to_string(portal + 1) + " 筆傳送門（" + ends + "）");
}

// After mst(), root holds the forest of every portal: an island outside island 0's
// tree cannot be reached by any plan. -1 when every island is reached.
std::int32_t unreached_island() {
  std::int32_t trees = 0; // islands that are their own parent: one per tree
  for (std::int32_t i = 0; i < N; ++i)
    trees += root[i] == i;
  if (trees <= 1)
    return -1;
  const std::int32_t home = djFind(0);
  for (std::int32_t i = 1; i < N; ++i)
    if (djFind(i) != home)
      return i;
  return -1;
}

// The flaw at t: the first portal that Kruskal takes but no plan can name, and the
// later one that shadows it. Rounding alone could leave none such to name; the
// flaw then stands at the file's start.
Flaw shadowed_portal(std::int32_t t, double full, double nameable) {
  const std::string why = shadowed_total(t, full, nameable, false);
  std::vector<std::int32_t> taken;
  mst(t, &taken);
  for (std::int32_t p : taken)
    if (const std::int32_t q = find_edge(es[p], et[p]); q != p)
      return {record_token(p), say(record_name(p) + " and " + record_name(q) +
                                       " join the same pair of islands, and a plan can name only the later; " + why,
                                   record_name(p) + "與" + record_name(q) + "連接同一對島嶼，方案只能選用後者；" + why)};
  return {0, why};
}

} // namespace soundness_internal

double nameable_mst(std::int32_t t, std::vector<std::int32_t> *taken) {
  using namespace soundness_internal;
  if (registry_keys() == M) // no pair is joined twice: plans can name every portal
    return mst(t, taken);
  std::vector<std::int32_t> nameable;
  for (std::int32_t i = 0; i < M; ++i)
    if (find_edge(es[i], et[i]) == i)
      nameable.push_back(i);
  std::swap(edges, nameable);
  const double total = mst(t, taken);
  std::swap(edges, nameable);
  return total;
}

std::string shadowed_total(std::int32_t t, double full, double nameable, bool chosen_t) {
  const std::string at = std::to_string(t), from = shortest(full), to = shortest(nameable);
  return say("at t = " + at + " the least total " + from + " becomes " + to +
                 " with only the portals a plan can name, so no plan can be cheapest" + (chosen_t ? " at that t" : ""),
             "t = " + at + " 時的最小總成本 " + from + " 在只用方案能選的傳送門時變為 " + to + "，沒有方案能是" +
                 (chosen_t ? "該 t 值的" : "") + "最小成本");
}

Soundness check_soundness() {
  using namespace soundness_internal;
  Soundness s{{0, 0.0}, {}};
  if (T < 0)
    s.flaws.push_back({kTokenT, say("T = " + std::to_string(T) + " is below 0: there is no t to choose",
                                    "T = " + std::to_string(T) + " 小於 0，沒有可選的 t")});
  if (N < 1)
    s.flaws.push_back({kTokenN, say("N = " + std::to_string(N) + " is below 1: there are no islands",
                                    "N = " + std::to_string(N) + " 小於 1，沒有島嶼")});
  if (!s.flaws.empty())
    return s;

  // With no pair joined twice, plans can name every portal: no look-up follows,
  // and the registry's table is where mst() works.
  const Span<std::uint64_t> scratch = registry_keys() == M ? registry_release() : Span<std::uint64_t>{};
  double least[2];
  const std::int32_t ends[2] = {0, T};
  for (int e = 0; e < (T == 0 ? 1 : 2); ++e) {
    const std::int32_t t = ends[e];
    least[e] = mst(t, nullptr, scratch);
    if (e == 0)
      if (const std::int32_t island = unreached_island(); island >= 0) {
        s.flaws.push_back({kTokenN, say("island " + std::to_string(island) +
                                            " cannot be reached from island 0 through portals: no plan joins "
                                            "every island",
                                        "島嶼 " + std::to_string(island) +
                                            " 無法經由傳送門從島嶼 0 抵達，沒有方案能連通所有島嶼")});
        return s;
      }
    if (!std::isfinite(least[e])) {
      const std::string total = shortest(least[e]);
      s.flaws.push_back({kTokenN, say("at t = " + std::to_string(t) + " the least total is not finite (" + total +
                                          "): the costs overflow",
                                      "t = " + std::to_string(t) + " 時的最小總成本不是有限數（" + total +
                                          "），成本溢位")});
      continue;
    }
    if (registry_keys() == M)
      continue; // no pair is joined twice: plans can name every portal
    if (const double nameable = nameable_mst(t, nullptr); !approx(least[e], nameable))
      s.flaws.push_back(shadowed_portal(t, least[e], nameable));
  }
  s.best = T == 0 ? Best{0, least[0]} : better_end(least[0], least[1]);
  return s;
}
