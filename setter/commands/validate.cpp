// setter validate INSTANCE [ANSWER] [bounds]: every defect of a test's files, each
// at its line and column.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "instance/tables.h"
#include "judge/explain.h"
#include "judge/judgement.h"
#include "reader/position.h"
#include "reader/reader.h"
#include "setter/commands/commands.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/layout.h"
#include "setter/validation/soundness.h"

namespace {

constexpr char kHelp[] = R"(usage: setter validate INSTANCE [ANSWER] [--n LO..HI] [--m LO..HI] [--t LO..HI]
                       [--x LO..HI] [--ec LO..HI] [--er LO..HI]

Checks one test before a contest and reports every defect found on standard
error, one per line, as FILE:LINE:COLUMN: message. Exit status 0 when the test
is sound, 1 when it is not, 2 for a usage error.

INSTANCE must load as the checker loads it, admit an optimal plan (T >= 0,
N >= 1, portals joining every island, and at t = 0 and t = T the same least
total when only the portals a plan can name are kept), and keep the canonical
layout: a first line "N M T X", then M lines "es et ec er"; one space between
fields; lines ended by "\n" alone, the last one too; nothing after the last
record; integers without "+", leading zeros or "-0"; reals in plain decimal
notation (an optional "-", digits, and an optional point between digits).

ANSWER must hold one such real and a newline, equal within the checker's
tolerance to the least total over t in 0..T.

Bounds from the problem statement, inclusive (integers for --n, --m and --t,
reals for the others); by default the checker's capacities:
  --n 1..262144   --m 0..262144   --t 0..2147483647   --x, --ec, --er any finite
)";

constexpr std::size_t kMostReports = 100;

struct Range {
  double low, high;
  const char *option;
};

Range n_range{1, MAXN, "--n"}, m_range{0, MAXN, "--m"}, t_range{0, 2147483647.0, "--t"};
Range x_range{-std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), "--x"};
Range ec_range = {x_range.low, x_range.high, "--ec"}, er_range = {x_range.low, x_range.high, "--er"};

bool parse_number(std::string_view text, double &value, bool integer) {
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(value) &&
         (!integer || value == std::floor(value));
}

bool parse_range(const char *text, Range &range, bool integer) {
  const std::string_view s = text;
  const std::size_t dots = s.find("..");
  return dots != std::string_view::npos && parse_number(s.substr(0, dots), range.low, integer) &&
         parse_number(s.substr(dots + 2), range.high, integer) && range.low <= range.high;
}

using Reports = std::vector<std::string>;

// A report on the instance, placed by a byte offset or by the index of a token;
// the text is mapped to lines only when there is something to report.
struct Pending {
  bool by_token;
  std::uint64_t where;
  std::string what;
};

void print(const Reports &reports) {
  for (std::size_t i = 0; i < reports.size() && i < kMostReports; ++i)
    std::fprintf(stderr, "%s\n", reports[i].c_str());
  if (reports.size() > kMostReports)
    std::fprintf(stderr, "還有 %zu 個缺陷未列出\n", reports.size() - kMostReports);
}

void check_bound(double value, const Range &range, const char *name, std::uint64_t token,
                 std::vector<Pending> &pending) {
  if (value < range.low || value > range.high)
    pending.push_back({true, token,
                       std::string(name) + " = " + exact(value) + " 超出範圍 " + exact(range.low) + ".." +
                           exact(range.high) + "（" + range.option + "）"});
}

// N < 1 and T < 0 are left to the soundness check, which says why they matter.
void check_bounds(std::vector<Pending> &pending) {
  if (N >= 1)
    check_bound(N, n_range, "N", 0, pending);
  check_bound(M, m_range, "M", 1, pending);
  if (T >= 0)
    check_bound(T, t_range, "T", 2, pending);
  check_bound(X, x_range, "X", 3, pending);
  for (std::int32_t i = 0; i < M; ++i) {
    check_bound(ec[i], ec_range, "ec", 4 + 4 * static_cast<std::uint64_t>(i) + 2, pending);
    check_bound(er[i], er_range, "er", 4 + 4 * static_cast<std::uint64_t>(i) + 3, pending);
  }
}

void check_answer(const std::string &path, const Best *best, Reports &reports) {
  std::string text;
  if (!read_whole_file(path.c_str(), text)) {
    reports.push_back(path + ": 無法開啟答案檔");
    return;
  }
  const TextMap map = map_text(text);
  const std::vector<Defect> layout = answer_layout(text);
  for (const Defect &d : layout)
    reports.push_back(located(path, position_of(map, d.offset), d.what));
  double answer = 0;
  input_bind(path.c_str());
  if (read_real(answer) != Scan::ok || !std::isfinite(answer)) {
    if (layout.empty())
      reports.push_back(located(path, {1, 1}, "答案不是有限數"));
    return;
  }
  if (!best || approx(answer, best->total))
    return;
  const std::string least = "所有 t 中的最小總成本 " + exact(best->total) + "（t = " +
                            std::to_string(best->t) + "）";
  reports.push_back(located(path, {1, 1},
                      answer > best->total
                          ? "答案 " + exact(answer) + " 高於" + least +
                                "：最佳方案會低於它，評測程式將回報評測資料錯誤"
                          : "答案 " + exact(answer) + " 低於" + least +
                                "：沒有方案能達到它，每個最佳方案都只會得到 0.3 分"));
}

} // namespace

int validate_command(int argc, char **argv) {
  std::vector<const char *> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
    struct {
      const char *option;
      Range *range;
      bool integer;
    } options[] = {{"--n", &n_range, true},   {"--m", &m_range, true},   {"--t", &t_range, true},
                   {"--x", &x_range, false},  {"--ec", &ec_range, false}, {"--er", &er_range, false}};
    bool taken = false;
    for (auto &o : options)
      if (arg == o.option) {
        if (i + 1 >= argc || !parse_range(argv[i + 1], *o.range, o.integer)) {
          std::fprintf(stderr, "setter validate: %s needs LO..HI with LO <= HI%s\n", o.option,
                       o.integer ? ", whole numbers" : "");
          return EXIT_USAGE;
        }
        taken = true;
        ++i;
      }
    if (!taken && (arg.empty() || arg[0] != '-') && files.size() < 2)
      files.push_back(argv[i]);
    else if (!taken) {
      std::fprintf(stderr, "setter validate: unexpected argument '%s'\n%s", argv[i], kHelp);
      return EXIT_USAGE;
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "setter validate: no INSTANCE given\n%s", kHelp);
    return EXIT_USAGE;
  }

  const std::string path = files[0];
  Reports reports;
  std::string text;
  if (!read_whole_file(path.c_str(), text)) {
    reports.push_back(path + ": 無法開啟題目檔");
    print(reports);
    return EXIT_DEFECT;
  }
  std::vector<Pending> pending;
  const std::vector<Defect> layout = instance_layout(text);
  for (const Defect &d : layout)
    pending.push_back({false, d.offset, d.what});

  Soundness soundness{{0, 0.0}, {}};
  Defect load;
  const bool loaded = load_instance_file(path, load);
  if (!loaded) {
    bool same_place = false; // the layout has already said what is wrong there
    for (const Defect &d : layout)
      same_place |= d.offset == load.offset;
    if (!same_place)
      pending.push_back({false, load.offset, load.what});
  } else {
    check_bounds(pending);
    soundness = check_soundness();
    for (const Flaw &f : soundness.flaws)
      pending.push_back({true, f.token, f.what});
  }
  if (!pending.empty()) {
    const TextMap map = map_text(text);
    for (const Pending &p : pending)
      reports.push_back(located(path, position_of(map, p.by_token ? token_start(map, p.where) : p.where), p.what));
  }
  if (files.size() > 1)
    check_answer(files[1], loaded && soundness.flaws.empty() ? &soundness.best : nullptr, reports);
  print(reports);
  return reports.empty() ? EXIT_DONE : EXIT_DEFECT;
}
