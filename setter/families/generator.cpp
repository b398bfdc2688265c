// The generator's command line turned into an instance's text.
#include "setter/families/generator.h"

#include <algorithm>
#include <cstdlib>

#include "instance/tables.h"
#include "setter/validation/statement_bounds.h"
#include "setter/validation/instance_file.h"
#include "setter/families/families.h"
#include "setter/families/random.h"

namespace {

constexpr int kMostDecimals = 6;
constexpr std::int64_t kMostUnits = 1000000000000; // 10^12: sums stay far from overflow

std::int64_t power10(int d) {
  std::int64_t p = 1;
  while (d-- > 0)
    p *= 10;
  return p;
}

int decimals_of(const std::string &text) {
  const std::size_t point = text.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// A plain decimal as a whole number of units of 10^-scale; false when malformed.
bool to_units(const std::string &text, int scale, std::int64_t &units) {
  std::size_t i = text[0] == '-';
  std::int64_t whole = 0, fraction = 0;
  int digits = 0, fraction_digits = -1;
  for (; i < text.size(); ++i) {
    if (text[i] == '.' && fraction_digits < 0) {
      fraction_digits = 0;
      continue;
    }
    if (text[i] < '0' || text[i] > '9' || ++digits > 13)
      return false;
    (fraction_digits < 0 ? whole : fraction) = (fraction_digits < 0 ? whole : fraction) * 10 + (text[i] - '0');
    fraction_digits += fraction_digits >= 0;
  }
  if (digits == 0 || fraction_digits == 0 || fraction_digits > scale || whole > kMostUnits / power10(scale))
    return false;
  units = whole * power10(scale) + fraction * power10(scale - std::max(fraction_digits, 0));
  units = text[0] == '-' ? -units : units;
  return units >= -kMostUnits && units <= kMostUnits;
}

// units of 10^-scale written with exactly d decimals (units is a multiple of 10^(scale-d)).
void append_decimal(std::string &out, std::int64_t units, int scale, int d) {
  const std::int64_t value = units / power10(scale - d);
  const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  if (value < 0)
    out += '-';
  const std::uint64_t unit = static_cast<std::uint64_t>(power10(d));
  out += std::to_string(magnitude / unit);
  if (d > 0) {
    std::string fraction = std::to_string(magnitude % unit);
    out += '.' + std::string(static_cast<std::size_t>(d) - fraction.size(), '0') + fraction;
  }
}

struct Options {
  std::string family, seed = "1", x, ec, er, gap, key = "times-n";
  std::int64_t buckets = 351061; // the count a std::unordered_map reaches as it grows to 262144 keys
  std::int64_t n = 10, m = -1, t = -1;
  int ec_decimals = -1, er_decimals = -1; // -1: the family's default
  bool mirror = false, flip = false, checker_limits = false;
};

bool parse_count(const char *text, std::int64_t low, std::int64_t high, std::int64_t &value) {
  char *end = nullptr;
  const long long v = std::strtoll(text, &end, 10);
  value = v;
  return *text && !*end && v >= low && v <= high;
}

} // namespace

FamilyDefaults family_defaults(const std::string &f, std::int64_t n) {
  const bool negative = f == "negative", peak = f == "peak-late" || f == "peak-early";
  const bool six_decimals = f == "extremes" || f == "near-tie" || f == "close-costs" || f == "micro-gaps";
  // The attacks on hashing and sorting, and the extreme totals, at the largest
  // sizes: whole numbers keep their files small.
  const bool whole = f == "hash-attack" || f == "sorted" || f == "reverse-sorted" || f == "organ-pipe" ||
                     f == "extreme-totals";
  FamilyDefaults d;
  d.ec_decimals = d.er_decimals = six_decimals ? 6 : whole ? 0 : 2;
  if (f == "sixth-decimal")
    d.ec_decimals = 2, d.er_decimals = 6;
  d.t = peak ? 100 : f == "extremes" || f == "sixth-decimal" || f == "extreme-totals" ? 1000000 : 10;
  d.x = f == "best-at-0" ? "100" : f == "best-at-T" || f == "ties" ? "0" : peak ? "1"
        : f == "extremes" || f == "extreme-totals" ? "1000000" : "5";
  d.ec = negative ? "-1000..1000" : f == "loops" ? "-100..1000" : f == "extremes" || f == "extreme-totals" ? "-1000000..1000000"
         : f == "near-tie" ? "0..0" : f == "close-costs" ? "900000..1000000" : f == "micro-gaps" ? "-1..1"
         : whole ? "0..1000000" : "0..1000";
  // A chain or a star needs N distinct costs: above 10^5 islands, room for twice as many.
  if ((f == "chain" || f == "star") && n > 100000)
    d.ec = "0.." + std::to_string((2 * n / 100 / 1000 + 1) * 1000);
  // x-decides sets X near (N-1) times the rate: a smaller rate keeps X within 10^6.
  const std::int64_t most_rate = std::max<std::int64_t>(1, std::min<std::int64_t>(10, 700000 / std::max<std::int64_t>(1, n - 1)));
  d.er = f == "x-decides"  ? "-" + std::to_string(most_rate) + ".." + std::to_string(most_rate)
         : negative        ? "-10..10"
         : f == "best-at-0" ? "-10..0"
         : f == "best-at-T" ? "1..10"
         : f == "extremes" || f == "extreme-totals" ? "-1000..1000"
         : f == "micro-gaps" ? "0..0" // totals near 0: the checker's relative tolerance stays below 10^-6
         : f == "sixth-decimal" ? "0..1"
                            : "0..10";
  return d;
}

namespace {

void apply_family_defaults(Options &o) {
  const std::string &f = o.family;
  const FamilyDefaults d = family_defaults(f, o.n);
  if (o.ec_decimals < 0)
    o.ec_decimals = d.ec_decimals;
  if (o.er_decimals < 0)
    o.er_decimals = d.er_decimals;
  if (o.t < 0)
    o.t = d.t;
  if (o.x.empty())
    o.x = d.x;
  if (o.ec.empty())
    o.ec = d.ec;
  if (o.er.empty())
    o.er = d.er;
  if (o.gap.empty() && f == "near-tie")
    o.gap = "-0.000002";
  if (o.gap.empty() && f == "sixth-decimal")
    o.gap = "1";
  if (o.m < 0) {
    const bool distinct = o.family != "duplicates" && o.family != "loops";
    o.m = std::min(2 * o.n, distinct ? (o.n - 1) + o.n * (o.n - 1) / 2 - (o.n - 1) : 2 * o.n);
    if (o.family == "dear-copies") // the tree, its copies, and middling portals as many as pairs allow
      o.m = std::min<std::int64_t>(2 * (o.n - 1) + std::min(o.n, o.n * (o.n - 1) / 2 - (o.n - 1)), MAXN);
    if (o.family == "near-tie") { // two bridges, the rest inside two halves of the islands
      const std::int64_t left = o.n / 2, right = o.n - left;
      o.m = std::min(o.m, o.n + left * (left - 1) / 2 + right * (right - 1) / 2 - (o.n - 2));
    }
    o.m = std::min<std::int64_t>(std::max<std::int64_t>(o.m, o.n - 1), MAXN);
  }
}

bool split_range(const std::string &text, std::string &low, std::string &high) {
  const std::size_t dots = text.find("..");
  if (dots == std::string::npos)
    return false;
  low = text.substr(0, dots);
  high = text.substr(dots + 2);
  return !low.empty() && !high.empty();
}

// The shape for the options; false with a message on a malformed value.
bool make_shape(const Options &o, Shape &s, int &scale, std::string &error) {
  std::string ec_low, ec_high, er_low, er_high;
  if (!split_range(o.ec, ec_low, ec_high) || !split_range(o.er, er_low, er_high)) {
    error = "--ec and --er take LO..HI";
    return false;
  }
  scale = std::max({o.ec_decimals, o.er_decimals, decimals_of(o.x), decimals_of(ec_low), decimals_of(ec_high),
                    decimals_of(er_low), decimals_of(er_high), decimals_of(o.gap)});
  if (scale > kMostDecimals) {
    error = "at most 6 decimals";
    return false;
  }
  s = {o.family, o.n, o.m, o.t, 0, 0, 0, 0, 0, power10(scale - o.ec_decimals), power10(scale - o.er_decimals)};
  s.one = power10(scale);
  s.buckets = o.buckets;
  s.key_shift = o.key == "shift-32";
  if (!to_units(ec_low, scale, s.ec_low) || !to_units(ec_high, scale, s.ec_high) ||
      !to_units(er_low, scale, s.er_low) || !to_units(er_high, scale, s.er_high) ||
      !to_units(o.x, scale, s.x) || (!o.gap.empty() && !to_units(o.gap, scale, s.gap)) || s.ec_low > s.ec_high ||
      s.er_low > s.er_high) {
    error = "--x, --ec, --er and --gap take plain decimals (LO <= HI) of at most 10^12 units";
    return false;
  }
  return true;
}

// The first value of the instance outside the statement's bounds, "" when none.
std::string beyond_statement(const Shape &s, const std::vector<Record> &records) {
  const Bounds b = statement_bounds();
  const auto outside = [](double v, const Range &r) { return v < r.low || v > r.high; };
  const auto value = [&](std::int64_t units) { return static_cast<double>(units) / static_cast<double>(s.one); };
  const auto range = [](const Range &r) { return " (" + plain_decimal(r.low) + ".." + plain_decimal(r.high) + ")"; };
  if (outside(static_cast<double>(s.t), b.t))
    return "T = " + std::to_string(s.t) + range(b.t);
  if (outside(value(s.x), b.x))
    return "X = " + plain_decimal(value(s.x)) + range(b.x);
  for (const Record &r : records) {
    if (outside(value(r.cost), b.ec))
      return "a portal's cost " + plain_decimal(value(r.cost)) + range(b.ec);
    if (outside(value(r.rate), b.er))
      return "a portal's rate " + plain_decimal(value(r.rate)) + range(b.er);
  }
  return {};
}

std::string family_list() {
  std::string list;
  for (const char *const *f = kFamilies; *f; ++f)
    list += std::string(list.empty() ? "" : ", ") + *f;
  return list;
}

bool known_family(const std::string &name) {
  for (const char *const *f = kFamilies; *f; ++f)
    if (name == *f)
      return true;
  return false;
}

} // namespace

std::string generate_instance(const std::vector<std::string> &given, std::string &text) {
  Options o;
  std::vector<std::string> args; // --opt=value as --opt value
  for (const std::string &a : given)
    if (const std::size_t equals = a.find('='); a.rfind("--", 0) == 0 && equals != std::string::npos) {
      args.push_back(a.substr(0, equals));
      args.push_back(a.substr(equals + 1));
    } else {
      args.push_back(a);
    }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &arg = args[i];
    const bool has_value = i + 1 < args.size();
    const char *value = has_value ? args[i + 1].c_str() : "";
    std::int64_t d = 0;
    bool ok = has_value;
    if (arg == "--n")
      ok = ok && parse_count(value, 1, MAXN, o.n);
    else if (arg == "--m")
      ok = ok && parse_count(value, 0, MAXN, o.m);
    else if (arg == "--t")
      ok = ok && parse_count(value, 0, 2147483647, o.t);
    else if (arg == "--x")
      o.x = value;
    else if (arg == "--seed")
      o.seed = value;
    else if (arg == "--ec")
      o.ec = value;
    else if (arg == "--er")
      o.er = value;
    else if (arg == "--gap")
      o.gap = value;
    else if (arg == "--key")
      o.key = value;
    else if (arg == "--buckets")
      ok = ok && parse_count(value, 2, 1000000000, o.buckets);
    else if (arg == "--mirror" || arg == "--flip" || arg == "--checker-limits") {
      (arg == "--mirror" ? o.mirror : arg == "--flip" ? o.flip : o.checker_limits) = true;
      continue;
    }
    else if (arg == "--ec-decimals" || arg == "--er-decimals") {
      ok = ok && parse_count(value, 0, kMostDecimals, d);
      (arg == "--ec-decimals" ? o.ec_decimals : o.er_decimals) = static_cast<int>(d);
    } else if (o.family.empty() && known_family(arg)) {
      o.family = arg;
      continue;
    } else if (o.family.empty() && !arg.empty() && arg[0] != '-')
      return "unknown family '" + arg + "' (families: " + family_list() + ")";
    else
      return "unexpected argument '" + arg + "'";
    if (!ok)
      return arg + (arg == "--n"   ? " takes a whole number in 1..262144"
                    : arg == "--m" ? " takes a whole number in 0..262144"
                    : arg == "--t" ? " takes a whole number in 0..2147483647"
                    : arg == "--ec-decimals" || arg == "--er-decimals" ? " takes a whole number in 0..6"
                    : arg == "--buckets"                               ? " takes a bucket count in 2..1000000000"
                                                                        : " needs a value");
    ++i;
  }
  if (o.family.empty())
    return "no FAMILY given (families: " + family_list() + ")";
  if (!o.gap.empty() && o.family != "near-tie" && o.family != "sixth-decimal")
    return "--gap is for near-tie and sixth-decimal only";
  if (o.key != "times-n" && o.key != "shift-32")
    return "--key takes times-n (smaller island times N plus the larger) or shift-32 (smaller times 2^32 plus the larger)";
  apply_family_defaults(o);
  Shape shape;
  int scale = 0;
  std::string error;
  if (!make_shape(o, shape, scale, error))
    return error;

  // Every option takes part in the seed: other sizes, another instance.
  Random random = random_from(o.family + '|' + std::to_string(o.n) + '|' + std::to_string(o.m) + '|' +
                              std::to_string(o.t) + '|' + o.x + '|' + o.ec + '|' + o.er + '|' +
                              std::to_string(o.ec_decimals) + '|' + std::to_string(o.er_decimals) + '|' + o.seed +
                              (o.family == "near-tie" || o.family == "sixth-decimal" ? '|' + o.gap : std::string()) +
                              (o.family == "hash-attack" ? '|' + o.key + '|' + std::to_string(o.buckets) : std::string()));
  std::vector<Record> records;
  if (error = build_family(shape, random, records); !error.empty())
    return o.family + ": " + error;

  if (!o.checker_limits)
    if (std::string beyond = beyond_statement(shape, records); !beyond.empty())
      return beyond + " lies beyond the statement's bounds (--checker-limits writes it all the same)";
  text = std::to_string(shape.n) + ' ' + std::to_string(shape.m) + ' ' + std::to_string(shape.t) + ' ';
  int x_decimals = decimals_of(o.x);
  if (shape.x_unit > 0) // chosen on the family's grid: as many decimals as that step needs
    for (x_decimals = scale; power10(scale - x_decimals) < shape.x_unit;)
      --x_decimals;
  append_decimal(text, shape.x, scale, x_decimals);
  text += '\n';
  for (Record r : records) {
    if (o.mirror) // island i as N-1-i: the same instance seen from the other end
      r.a = static_cast<std::int32_t>(shape.n - 1 - r.a), r.b = static_cast<std::int32_t>(shape.n - 1 - r.b);
    if (o.flip)
      std::swap(r.a, r.b);
    text += std::to_string(r.a) + ' ' + std::to_string(r.b) + ' ';
    append_decimal(text, r.cost, scale, o.ec_decimals);
    text += ' ';
    append_decimal(text, r.rate, scale, o.er_decimals);
    text += '\n';
  }
  return {};
}
