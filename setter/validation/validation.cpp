// Validation of a test: layout, loading, bounds and soundness, reported together.
#include "setter/validation/validation.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "judge/approx.h"
#include "instance/registry.h"
#include "reader/position.h"
#include "reader/reader.h"
#include "setter/language/language.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/layout.h"
#include "setter/validation/soundness.h"

namespace validation_internal {

// Enough to show how a file goes wrong; each one past the first may cost a pass.
constexpr std::size_t kMostLoadDefects = 20;

// A report on the instance, placed by a byte offset or by the index of a token;
// the text is mapped to lines only when there is something to report.
struct Pending {
  bool by_token;
  std::uint64_t where;
  std::string what;
};

// The index-th token of text, as the file writes it.
std::string_view written(std::string_view text, const TextMap &map, std::uint64_t index) {
  return token_at(text, token_start(map, index));
}

// text's map, made on first need: a sound file never needs one.
const TextMap &mapped(std::string_view text, std::optional<TextMap> &map) {
  if (!map)
    map = map_text(text);
  return *map;
}

struct BoundCheck {
  std::string_view text;
  std::optional<TextMap> &map;
  std::vector<Pending> &pending;

  // Inline: it runs for every cost; only a value out of range calls report().
  [[gnu::always_inline]] void operator()(double value, const Range &range, const char *name,
                                         std::uint64_t token) const {
    if (!(value >= range.low && value <= range.high))
      report(range, name, token);
  }

  [[gnu::noinline]] void report(const Range &range, const char *name, std::uint64_t token) const {
    const std::string quoted = std::string(name) + " = " + std::string(written(text, mapped(text, map), token)),
                      limits = plain_decimal(range.low) + ".." + plain_decimal(range.high);
    pending.push_back({true, token,
                       say(quoted + " lies outside " + limits + " (" + range.option + ")",
                           quoted + " 超出範圍 " + limits + "（" + range.option + "）")});
  }
};

// N < 1 and T < 0 are left to the soundness check, which says why they matter.
void check_bounds(const Bounds &b, const BoundCheck &check) {
  if (N >= 1)
    check(N, b.n, "N", 0);
  check(M, b.m, "M", 1);
  if (T >= 0)
    check(T, b.t, "T", 2);
  check(X, b.x, "X", 3);
  for (std::int32_t i = 0; i < M; ++i) {
    check(ec[i], b.ec, "ec", 4 + 4 * static_cast<std::uint64_t>(i) + 2);
    check(er[i], b.er, "er", 4 + 4 * static_cast<std::uint64_t>(i) + 3);
  }
}

// The statement's constraints on portals; before the soundness check, which may
// lend the registry away.
void check_constraints(const Bounds &b, std::vector<Pending> &pending) {
  for (std::int32_t i = 0; i < M && (b.distinct_pairs || b.no_loops); ++i) {
    const std::uint64_t token = 4 + 4 * static_cast<std::uint64_t>(i);
    const std::string island = std::to_string(es[i]), first = std::to_string(i + 1);
    if (b.no_loops && es[i] == et[i])
      pending.push_back({true, token, say("both ends of the portal are island " + island + " (--no-loops)",
                                          "傳送門的兩端是同一座島嶼 " + island + "（--no-loops）")});
    if (const std::int32_t later = find_edge(es[i], et[i]); b.distinct_pairs && later != i) {
      const std::string second = std::to_string(later + 1);
      pending.push_back({true, token, say("portal records " + first + " and " + second +
                                              " join the same pair of islands (--distinct-pairs)",
                                          "第 " + first + " 筆與第 " + second + " 筆傳送門連接同一對島嶼（--distinct-pairs）")});
    }
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
      pending.push_back({false, start, say("more than " + std::to_string(most) + " digits after the point (--decimals)",
                                           "實數的小數點後超過 " + std::to_string(most) + " 位（--decimals）")});
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
  const std::vector<Defect> load = load_instance_text(text, kMostLoadDefects, layout.empty());
  // Past a line with too few or too many fields, what the loader finds is an
  // effect of the shift, not a defect of its own.
  std::uint64_t shifted = text.size() + 1;
  for (const Defect &d : layout)
    if (d.shifts)
      shifted = std::min(shifted, d.offset);
  for (const Defect &d : load) {
    const bool same_place = // the layout has already said what is wrong with that token
        std::any_of(layout.begin(), layout.end(), [&](const Defect &l) { return l.offset == d.offset; });
    if (!same_place && d.offset < shifted)
      pending.push_back({false, d.offset, d.what});
  }
  std::optional<TextMap> map;
  if (load.empty() && shifted > text.size()) {
    check_bounds(bounds, {text, map, pending});
    check_constraints(bounds, pending);
    const Soundness soundness = check_soundness();
    for (const Flaw &f : soundness.flaws)
      pending.push_back({true, f.token, f.what});
    checked.solvable = soundness.flaws.empty();
    checked.best = soundness.best;
  }
  std::vector<std::pair<std::uint64_t, const Pending *>> placed;
  for (const Pending &p : pending)
    placed.push_back({p.by_token ? token_start(mapped(text, map), p.where) : p.where, &p});
  std::stable_sort(placed.begin(), placed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
  for (const auto &[offset, p] : placed)
    checked.reports.push_back(located(name, position_of(mapped(text, map), offset), p->what));
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
      reports.push_back(located(name, {1, 1}, say("the answer is not a finite number", "答案不是有限數")));
    return;
  }
  if (!best || approx(answer, best->total))
    return;
  const std::string quoted(written(text, map, 0)), least = shortest(best->total), t = std::to_string(best->t);
  reports.push_back(located(
      name, position_of(map, token_start(map, 0)),
      answer > best->total
          ? say("the answer " + quoted + " is above the least total over all t, " + least + " (t = " + t +
                    "): an optimal plan comes below it, and the checker reports the judge's data broken",
                "答案 " + quoted + " 高於所有 t 中的最小總成本 " + least + "（t = " + t +
                    "）：最佳方案會低於它，評測程式將回報評測資料錯誤")
          : say("the answer " + quoted + " is below the least total over all t, " + least + " (t = " + t +
                    "): no plan reaches it, and every plan that is cheapest at its t makes the checker report "
                    "the judge's data broken",
                "答案 " + quoted + " 低於所有 t 中的最小總成本 " + least + "（t = " + t +
                    "）：沒有方案能達到它，每個在其 t 值中成本最小的方案都會使評測程式回報評測資料錯誤")));
}
