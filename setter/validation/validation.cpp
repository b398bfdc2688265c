// Validation of a test: layout, loading, bounds and soundness, reported together.
#include "setter/validation/validation.h"

#include <algorithm>
#include <cmath>

#include "judge/approx.h"
#include "instance/registry.h"
#include "judge/exact.h"
#include "reader/position.h"
#include "reader/reader.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/layout.h"
#include "setter/validation/soundness.h"

namespace validation_internal {

// A report on the instance, placed by a byte offset or by the index of a token;
// the text is mapped to lines only when there is something to report.
struct Pending {
  bool by_token;
  std::uint64_t where;
  std::string what;
};

void check_bound(double value, const Range &range, const char *name, std::uint64_t token,
                 std::vector<Pending> &pending) {
  if (value < range.low || value > range.high)
    pending.push_back({true, token,
                       std::string(name) + " = " + exact(value) + " 超出範圍 " + exact(range.low) + ".." +
                           exact(range.high) + "（" + range.option + "）"});
}

// N < 1 and T < 0 are left to the soundness check, which says why they matter.
void check_bounds(const Bounds &b, std::vector<Pending> &pending) {
  if (N >= 1)
    check_bound(N, b.n, "N", 0, pending);
  check_bound(M, b.m, "M", 1, pending);
  if (T >= 0)
    check_bound(T, b.t, "T", 2, pending);
  check_bound(X, b.x, "X", 3, pending);
  for (std::int32_t i = 0; i < M; ++i) {
    check_bound(ec[i], b.ec, "ec", 4 + 4 * static_cast<std::uint64_t>(i) + 2, pending);
    check_bound(er[i], b.er, "er", 4 + 4 * static_cast<std::uint64_t>(i) + 3, pending);
  }
}

// The statement's constraints on portals; before the soundness check, which may
// lend the registry away.
void check_constraints(const Bounds &b, std::vector<Pending> &pending) {
  for (std::int32_t i = 0; i < M && (b.distinct_pairs || b.no_loops); ++i) {
    const std::uint64_t token = 4 + 4 * static_cast<std::uint64_t>(i);
    if (b.no_loops && es[i] == et[i])
      pending.push_back({true, token, "傳送門的兩端是同一座島嶼 " + std::to_string(es[i]) + "（--no-loops）"});
    if (const std::int32_t later = find_edge(es[i], et[i]); b.distinct_pairs && later != i)
      pending.push_back({true, token, "第 " + std::to_string(i + 1) + " 筆與第 " + std::to_string(later + 1) +
                                          " 筆傳送門連接同一對島嶼（--distinct-pairs）"});
  }
}

// Reals (X, and every ec and er) with more digits after the point than allowed.
void check_decimals(std::string_view text, int most, std::vector<Pending> &pending) {
  std::uint64_t token = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto is_space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    if (is_space(text[i])) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && !is_space(text[i]))
      ++i;
    const bool real = token == 3 || (token >= 4 && (token - 4) % 4 >= 2);
    const std::size_t point = text.substr(start, i - start).find('.');
    if (real && point != std::string_view::npos && i - start - point - 1 > static_cast<std::size_t>(most))
      pending.push_back({false, start, "實數的小數點後超過 " + std::to_string(most) + " 位（--decimals）"});
    ++token;
  }
}

} // namespace validation_internal

std::string constraints_met() {
  bool distinct = registry_keys() == M, loopless = true;
  for (std::int32_t i = 0; i < M; ++i)
    loopless = loopless && es[i] != et[i];
  return std::string(distinct ? "--distinct-pairs" : "") + (distinct && loopless ? " " : "") +
         (loopless ? "--no-loops" : "");
}

Checked validate_instance(std::string_view text, const std::string &name, const Bounds &bounds) {
  using namespace validation_internal;
  Checked checked;
  std::vector<Pending> pending;
  const std::vector<Defect> layout = instance_layout(text);
  for (const Defect &d : layout)
    pending.push_back({false, d.offset, d.what});
  if (bounds.most_decimals >= 0)
    check_decimals(text, bounds.most_decimals, pending);
  Defect load;
  if (!load_instance_text(text, load)) {
    bool same_place = false; // the layout has already said what is wrong there
    for (const Defect &d : layout)
      same_place |= d.offset == load.offset;
    if (!same_place)
      pending.push_back({false, load.offset, load.what});
  } else {
    check_bounds(bounds, pending);
    check_constraints(bounds, pending);
    const Soundness soundness = check_soundness();
    for (const Flaw &f : soundness.flaws)
      pending.push_back({true, f.token, f.what});
    checked.solvable = soundness.flaws.empty();
    checked.best = soundness.best;
  }
  if (!pending.empty()) {
    const TextMap map = map_text(text);
    for (const Pending &p : pending)
      checked.reports.push_back(
          located(name, position_of(map, p.by_token ? token_start(map, p.where) : p.where), p.what));
  }
  return checked;
}

void validate_answer(std::string_view text, const std::string &name, const Best *best,
                     std::vector<std::string> &reports) {
  using namespace validation_internal;
  const TextMap map = map_text(text);
  const std::vector<Defect> layout = answer_layout(text);
  for (const Defect &d : layout)
    reports.push_back(located(name, position_of(map, d.offset), d.what));
  double answer = 0;
  input_bind_text(text);
  if (read_real(answer) != Scan::ok || !std::isfinite(answer)) {
    if (layout.empty())
      reports.push_back(located(name, {1, 1}, "答案不是有限數"));
    return;
  }
  if (!best || approx(answer, best->total))
    return;
  const std::string least = "所有 t 中的最小總成本 " + exact(best->total) + "（t = " +
                            std::to_string(best->t) + "）";
  reports.push_back(located(name, {1, 1},
                            answer > best->total
                                ? "答案 " + exact(answer) + " 高於" + least +
                                      "：最佳方案會低於它，評測程式將回報評測資料錯誤"
                                : "答案 " + exact(answer) + " 低於" + least +
                                      "：沒有方案能達到它，每個在其 t 值中成本最小的方案都會使評測程式回報評測資料錯誤"));
}
