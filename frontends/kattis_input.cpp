// input-validator < INSTANCE: a Kattis input validator. Exit 42 when the instance
// is sound and keeps to the statement's bounds and the canonical layout; exit 43
// otherwise, with every defect on standard error as "LINE:COLUMN: message", in
// the locale's language (Traditional Chinese for zh_TW and zh_HK, else English).
#include <cstdio>
#include <string>

#include "setter/language/language.h"
#include "setter/packaging/problem.h"
#include "setter/validation/text_file.h"
#include "setter/validation/validation.h"

namespace kattis_input_internal {

constexpr int EXIT_SOUND = 42, EXIT_DEFECTIVE = 43;

} // namespace kattis_input_internal

int main() {
  using namespace kattis_input_internal;
  set_language(locale_language());
  std::string text;
  if (const std::string error = read_text_file("-", text); !error.empty()) {
    std::fprintf(stderr, "standard input: %s\n", error.c_str());
    return EXIT_DEFECTIVE;
  }
  const Checked checked = validate_instance(text, "", statement_bounds());
  for (const std::string &report : checked.reports)
    std::fprintf(stderr, "%s\n", report.c_str());
  return checked.reports.empty() ? EXIT_SOUND : EXIT_DEFECTIVE;
}
