// Smaller forms of an instance, each one step from it.
#include "setter/stress/small_instance.h"

#include <cstdlib>
#include <sstream>

namespace {

// Numbers are made smaller only in instances this small: in a large one, the
// many forms would cost a run each and change little.
constexpr std::size_t kMostPortalsForNumbers = 50;

// A decimal written canonically: no "-0", no point without digits after it.
std::string canonical(std::string v) {
  if (!v.empty() && v.back() == '.')
    v.pop_back();
  if (v.find_first_not_of("-0.") == std::string::npos)
    return "0";
  return v;
}

// Forms of a decimal nearer 0 or shorter: 0, one digit fewer after the point,
// the whole part halved.
std::vector<std::string> smaller_numbers(const std::string &v) {
  std::vector<std::string> forms;
  if (v != "0")
    forms.push_back("0");
  const std::size_t point = v.find('.');
  if (point != std::string::npos)
    forms.push_back(canonical(v.substr(0, v.size() - 1)));
  const bool negative = !v.empty() && v[0] == '-';
  const std::string whole = v.substr(negative, point == std::string::npos ? std::string::npos : point - negative);
  if (const long long w = std::atoll(whole.c_str()); w >= 2)
    forms.push_back(canonical((negative ? "-" : "") + std::to_string(w / 2) +
                              (point == std::string::npos ? "" : v.substr(point))));
  return forms;
}

// The instance without island gone and its portals, the islands above it renumbered.
SmallInstance without_island(const SmallInstance &s, int gone) {
  SmallInstance out = s;
  out.n = s.n - 1;
  out.portals.clear();
  for (SmallInstance::Portal p : s.portals) {
    if (p.a == gone || p.b == gone)
      continue;
    p.a -= p.a > gone;
    p.b -= p.b > gone;
    out.portals.push_back(p);
  }
  return out;
}

// The islands joined by one portal alone: taking them away, with their portals,
// leaves the rest as connected as it was.
std::vector<int> leaves(const SmallInstance &s) {
  std::vector<int> degree(static_cast<std::size_t>(s.n), 0);
  for (const SmallInstance::Portal &p : s.portals)
    if (p.a != p.b)
      ++degree[static_cast<std::size_t>(p.a)], ++degree[static_cast<std::size_t>(p.b)];
  std::vector<int> found;
  for (int i = 0; i < s.n; ++i)
    if (degree[static_cast<std::size_t>(i)] == 1)
      found.push_back(i);
  return found;
}

} // namespace

bool read_small(const std::string &text, SmallInstance &s) {
  std::istringstream in(text);
  std::size_t m = 0;
  if (!(in >> s.n >> m >> s.t >> s.x))
    return false;
  s.portals.resize(m);
  for (SmallInstance::Portal &p : s.portals)
    if (!(in >> p.a >> p.b >> p.cost >> p.rate))
      return false;
  return true;
}

std::string write_small(const SmallInstance &s) {
  std::string text = std::to_string(s.n) + ' ' + std::to_string(s.portals.size()) + ' ' + std::to_string(s.t) + ' ' + s.x + '\n';
  for (const SmallInstance::Portal &p : s.portals)
    text += std::to_string(p.a) + ' ' + std::to_string(p.b) + ' ' + p.cost + ' ' + p.rate + '\n';
  return text;
}

std::vector<ShrinkStep> shrink_steps(const SmallInstance &s) {
  std::vector<ShrinkStep> steps;
  const std::size_t m = s.portals.size();
  if (m >= 4)
    steps.insert(steps.end(), {{ShrinkStep::half_portals, 0}, {ShrinkStep::half_portals, 1}});
  // Half the leaves at once, or all: a large instance loses its islands fast.
  if (const std::size_t count = leaves(s).size(); count >= 4 && static_cast<int>(count) < s.n)
    steps.insert(steps.end(), {{ShrinkStep::leaves, count}, {ShrinkStep::leaves, count / 2}});
  for (std::size_t i = 0; i < m; ++i)
    steps.push_back({ShrinkStep::portal, i});
  for (int island = s.n - 1; island >= 0 && s.n > 1; --island)
    steps.push_back({ShrinkStep::island, static_cast<std::size_t>(island)});
  for (const int t : {0, s.t / 2, s.t - 1})
    if (t >= 0 && t < s.t)
      steps.push_back({ShrinkStep::t, 0, std::to_string(t)});
  if (m > kMostPortalsForNumbers)
    return steps;
  for (const std::string &x : smaller_numbers(s.x))
    steps.push_back({ShrinkStep::x, 0, x});
  for (std::size_t i = 0; i < m; ++i) {
    for (const std::string &v : smaller_numbers(s.portals[i].cost))
      steps.push_back({ShrinkStep::cost, i, v});
    for (const std::string &v : smaller_numbers(s.portals[i].rate))
      steps.push_back({ShrinkStep::rate, i, v});
  }
  return steps;
}

SmallInstance shrunk(const SmallInstance &s, const ShrinkStep &step) {
  SmallInstance out = s;
  const std::size_t m = s.portals.size();
  switch (step.kind) {
  case ShrinkStep::half_portals:
    out.portals.erase(out.portals.begin() + static_cast<std::ptrdiff_t>(step.index ? m / 2 : 0),
                      out.portals.begin() + static_cast<std::ptrdiff_t>(step.index ? m : m / 2));
    break;
  case ShrinkStep::portal:
    out.portals.erase(out.portals.begin() + static_cast<std::ptrdiff_t>(step.index));
    break;
  case ShrinkStep::leaves: {
    const std::vector<int> leaf = leaves(s);
    for (std::size_t i = step.index; i-- > 0;) // from the highest, so that the lower keep their numbers
      out = without_island(out, leaf[i]);
    break;
  }
  case ShrinkStep::island:
    out = without_island(s, static_cast<int>(step.index));
    break;
  case ShrinkStep::t:
    out.t = std::atoi(step.value.c_str());
    break;
  case ShrinkStep::x:
    out.x = step.value;
    break;
  case ShrinkStep::cost:
    out.portals[step.index].cost = step.value;
    break;
  case ShrinkStep::rate:
    out.portals[step.index].rate = step.value;
    break;
  }
  return out;
}
