// Parsing and writing the options that state bounds.
#include "setter/validation/bounds_options.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "setter/validation/instance_file.h"

namespace bounds_options_internal {

bool parse_number(std::string_view text, double &value, bool integer) {
  auto [ptr, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  return failure == std::errc() && ptr == text.data() + text.size() && std::isfinite(value) &&
         (!integer || value == std::floor(value));
}

bool parse_range(std::string_view s, Range &range, bool integer) {
  const std::size_t dots = s.find("..");
  Range parsed = range;
  if (dots == std::string_view::npos || !parse_number(s.substr(0, dots), parsed.low, integer) ||
      !parse_number(s.substr(dots + 2), parsed.high, integer) || parsed.low > parsed.high)
    return false;
  range = parsed;
  return true;
}

// The bound ranges with whether each holds whole numbers.
struct Ranged {
  Range Bounds::*range;
  bool integer;
};
constexpr Ranged kRanges[] = {{&Bounds::n, true},  {&Bounds::m, true},   {&Bounds::t, true},
                              {&Bounds::x, false}, {&Bounds::ec, false}, {&Bounds::er, false}};

} // namespace bounds_options_internal

BoundOption take_bound_option(const std::vector<std::string> &args, std::size_t &i, Bounds &bounds, std::string &why) {
  using namespace bounds_options_internal;
  const std::string &arg = args[i];
  const bool has_value = i + 1 < args.size();
  for (const Ranged &r : kRanges) {
    Range &range = bounds.*r.range;
    if (arg != range.option)
      continue;
    if (!has_value || !parse_range(args[i + 1], range, r.integer)) {
      why = std::string(range.option) + " needs LO..HI with LO <= HI" + (r.integer ? ", whole numbers" : "");
      return BoundOption::malformed;
    }
    ++i;
    return BoundOption::taken;
  }
  if (arg == "--distinct-pairs" || arg == "--no-loops") {
    (arg == "--no-loops" ? bounds.no_loops : bounds.distinct_pairs) = true;
    return BoundOption::taken;
  }
  if (arg == "--decimals") {
    std::int64_t most = -1;
    const std::string_view value = has_value ? std::string_view(args[i + 1]) : std::string_view();
    auto [ptr, failure] = std::from_chars(value.data(), value.data() + value.size(), most);
    if (!has_value || failure != std::errc() || ptr != value.data() + value.size() || most < 0 || most > 20) {
      why = "--decimals needs a whole number 0..20";
      return BoundOption::malformed;
    }
    bounds.most_decimals = static_cast<int>(most);
    ++i;
    return BoundOption::taken;
  }
  return BoundOption::none;
}

std::string bound_options(const Bounds &bounds, const Bounds &base) {
  using namespace bounds_options_internal;
  std::string text;
  for (const Ranged &r : kRanges) {
    const Range &range = bounds.*r.range, &from = base.*r.range;
    if (range.low != from.low || range.high != from.high)
      text += std::string(text.empty() ? "" : " ") + range.option + " " + plain_decimal(range.low) + ".." +
              plain_decimal(range.high);
  }
  if (bounds.most_decimals != base.most_decimals)
    text += std::string(text.empty() ? "" : " ") + "--decimals " + std::to_string(bounds.most_decimals);
  if (bounds.distinct_pairs && !base.distinct_pairs)
    text += std::string(text.empty() ? "" : " ") + "--distinct-pairs";
  if (bounds.no_loops && !base.no_loops)
    text += std::string(text.empty() ? "" : " ") + "--no-loops";
  return text;
}
