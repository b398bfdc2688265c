// input-validator [BOUNDS] < INSTANCE: a Kattis input validator. Exit 42 when the
// instance is sound and keeps to the statement's bounds, narrowed by the bound
// options a test group gives (as setter validate takes them: --t 0..0, ...), and
// the canonical layout; exit 43 otherwise, with every defect on standard error
// as "LINE:COLUMN: message", in the locale's language (Traditional Chinese for
// zh_TW and zh_HK, else English). A malformed option is the validator's own
// failure: exit 1.
#include <cstdio>
#include <string>
#include <vector>

#include "setter/language/language.h"
#include "setter/validation/statement_bounds.h"
#include "setter/validation/bounds_options.h"
#include "setter/validation/text_file.h"
#include "setter/validation/validation.h"

namespace kattis_input_internal {

constexpr int EXIT_SOUND = 42, EXIT_DEFECTIVE = 43, EXIT_BROKEN_CALL = 1;

} // namespace kattis_input_internal

int main(int argc, char **argv) {
  using namespace kattis_input_internal;
  set_language(locale_language());
  Bounds bounds = statement_bounds();
  const std::vector<std::string> args(argv, argv + argc);
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string why = "unknown option " + args[i];
    if (take_bound_option(args, i, bounds, why) != BoundOption::taken) {
      std::fprintf(stderr, "input-validator: %s\n", why.c_str());
      return EXIT_BROKEN_CALL;
    }
  }
  std::string text;
  if (const std::string error = read_text_file("-", text); !error.empty()) {
    std::fprintf(stderr, "standard input: %s\n", error.c_str());
    return EXIT_DEFECTIVE;
  }
  const Checked checked = validate_instance(text, "", bounds);
  for (const std::string &report : checked.reports)
    std::fprintf(stderr, "%s\n", report.c_str());
  return checked.reports.empty() ? EXIT_SOUND : EXIT_DEFECTIVE;
}
