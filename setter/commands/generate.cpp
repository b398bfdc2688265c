// setter generate FAMILY [options]: one instance in the canonical layout on
// standard output, the same bytes for the same options everywhere.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "instance/tables.h"
#include "setter/commands/commands.h"
#include "setter/families/families.h"
#include "setter/families/random.h"

namespace {

constexpr char kHelp[] = R"(usage: setter generate FAMILY [--n N] [--m M] [--t T] [--x X] [--seed S]
                       [--ec LO..HI] [--er LO..HI] [--ec-decimals D] [--er-decimals D]

Writes one instance in the canonical layout to standard output. The same
arguments give the same bytes on every platform. Every instance admits an
optimal plan and passes "setter validate".

Families:
  random      a random spanning tree and random further portals, no pair twice
  chain       portals (i, i+1), cheapest first at every t: Kruskal builds the
              longest parent chain, and the portal (0, N-1) then walks it
  duplicates  pairs joined several times, the later portal sometimes the dearer,
              yet the least total the same with the portals a plan can name
  loops       a connected graph, the rest of M loops (both ends one island)
  negative    random, with negative costs and rates (default --ec -1000..1000,
              --er -10..10)
  best-at-0   the optimum at t = 0 by at least T*X (needs --er HI <= 0, X > 0)
  best-at-T   the optimum at t = T (needs --er LO > 0, X < (N-1) * LO)
  ties        three costs in all and one rate: many portals equal at every t

Options (defaults in brackets):
  --n N            islands [10]
  --m M            portals [2N, or as many as distinct pairs allow]
  --t T            largest t [10]
  --x X            cost per unit of t, plain decimal [5; best-at-0: 100;
                   best-at-T and ties: 0]
  --seed S         any text; another seed, another instance [1]
  --ec LO..HI      costs at t = 0 [0..1000; loops -100..1000]
  --er LO..HI      falls per unit of t [0..10; best-at-0 -10..0; best-at-T 1..10]
  --ec-decimals D  decimals of costs, 0..6 [2]
  --er-decimals D  decimals of rates, 0..6 [2]
Values are plain decimals with at most 6 decimals and at most 10^12 units.
)";

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
  std::string family, seed = "1", x, ec, er;
  std::int64_t n = 10, m = -1, t = 10;
  int ec_decimals = 2, er_decimals = 2;
};

bool parse_count(const char *text, std::int64_t low, std::int64_t high, std::int64_t &value) {
  char *end = nullptr;
  const long long v = std::strtoll(text, &end, 10);
  value = v;
  return *text && !*end && v >= low && v <= high;
}

void apply_family_defaults(Options &o) {
  const bool negative = o.family == "negative";
  if (o.x.empty())
    o.x = o.family == "best-at-0" ? "100" : o.family == "best-at-T" || o.family == "ties" ? "0" : "5";
  if (o.ec.empty())
    o.ec = negative ? "-1000..1000" : o.family == "loops" ? "-100..1000" : "0..1000";
  if (o.er.empty())
    o.er = negative ? "-10..10" : o.family == "best-at-0" ? "-10..0" : o.family == "best-at-T" ? "1..10" : "0..10";
  if (o.m < 0) {
    const bool distinct = o.family != "duplicates" && o.family != "loops";
    o.m = std::min(2 * o.n, distinct ? (o.n - 1) + o.n * (o.n - 1) / 2 - (o.n - 1) : 2 * o.n);
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
  scale = std::max({o.ec_decimals, o.er_decimals, decimals_of(o.x), decimals_of(ec_low),
                        decimals_of(ec_high), decimals_of(er_low), decimals_of(er_high)});
  if (scale > kMostDecimals) {
    error = "at most 6 decimals";
    return false;
  }
  s = {o.family, o.n, o.m, o.t, 0, 0, 0, 0, 0, power10(scale - o.ec_decimals), power10(scale - o.er_decimals)};
  if (!to_units(ec_low, scale, s.ec_low) || !to_units(ec_high, scale, s.ec_high) ||
      !to_units(er_low, scale, s.er_low) || !to_units(er_high, scale, s.er_high) ||
      !to_units(o.x, scale, s.x) || s.ec_low > s.ec_high || s.er_low > s.er_high) {
    error = "--x, --ec and --er take plain decimals (LO <= HI) of at most 10^12 units";
    return false;
  }
  return true;
}

bool known_family(const std::string &name) {
  for (const char *const *f = kFamilies; *f; ++f)
    if (name == *f)
      return true;
  return false;
}

int usage_error(const std::string &why) {
  std::fprintf(stderr, "setter generate: %s\n%s", why.c_str(), kHelp);
  return EXIT_USAGE;
}

} // namespace

int generate_command(int argc, char **argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
    const bool has_value = i + 1 < argc;
    const char *value = has_value ? argv[i + 1] : "";
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
    else if (arg == "--ec-decimals" || arg == "--er-decimals") {
      ok = ok && parse_count(value, 0, kMostDecimals, d);
      (arg == "--ec-decimals" ? o.ec_decimals : o.er_decimals) = static_cast<int>(d);
    } else if (o.family.empty() && known_family(arg)) {
      o.family = arg;
      continue;
    } else
      return usage_error("unexpected argument '" + arg + "'");
    if (!ok)
      return usage_error("bad value for " + arg);
    ++i;
  }
  if (o.family.empty())
    return usage_error("no FAMILY given");
  apply_family_defaults(o);
  Shape shape;
  int scale = 0;
  std::string error;
  if (!make_shape(o, shape, scale, error))
    return usage_error(error);

  // Every option takes part in the seed: other sizes, another instance.
  Random random = random_from(o.family + '|' + std::to_string(o.n) + '|' + std::to_string(o.m) + '|' +
                              std::to_string(o.t) + '|' + o.x + '|' + o.ec + '|' + o.er + '|' +
                              std::to_string(o.ec_decimals) + '|' + std::to_string(o.er_decimals) + '|' + o.seed);
  std::vector<Record> records;
  if (error = build_family(shape, random, records); !error.empty()) {
    std::fprintf(stderr, "setter generate: %s: %s\n", o.family.c_str(), error.c_str());
    return EXIT_USAGE;
  }

  std::string text = std::to_string(shape.n) + ' ' + std::to_string(shape.m) + ' ' + std::to_string(shape.t) + ' ';
  append_decimal(text, shape.x, scale, decimals_of(o.x));
  text += '\n';
  for (const Record &r : records) {
    text += std::to_string(r.a) + ' ' + std::to_string(r.b) + ' ';
    append_decimal(text, r.cost, scale, o.ec_decimals);
    text += ' ';
    append_decimal(text, r.rate, scale, o.er_decimals);
    text += '\n';
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? EXIT_DONE : EXIT_DEFECT;
}
