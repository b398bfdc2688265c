// Checking sequence: instance, answer, plan header; the judge's own data is
// blamed first, then the plan's format, then its meaning.
#include "judge/checker.h"

#include <cmath>
#include <string>

#include "instance/loader.h"
#include "reader/reader.h"
#include "instance/tables.h"
#include "judge/judgement.h"
#include "judge/outcome.h"
#include "judge/verdict.h"

namespace {

double read_reference(const char *path) {
  if (!input_bind(path))
    checker_failure(std::string("無法開啟答案檔：") + path);
  double reference = 0.0; // an answer file with no number leaves it at 0
  Scan s = read_real(reference);
  if (s == Scan::unreadable)
    checker_failure(std::string("無法讀取答案檔：") + path);
  if (!std::isfinite(reference))
    checker_failure(std::string("答案檔的參考總成本不是有限數（") +
                    (std::isnan(reference) ? "nan"
                     : reference > 0       ? "inf"
                                           : "-inf") +
                    "）：" + path);
  return reference;
}

} // namespace

void judge_files(const char *instance, const char *answer, const char *plan) {
  if (!input_bind(instance))
    checker_failure(std::string("無法開啟題目檔：") + instance);
  if (std::string error = load_instance(); !error.empty())
    checker_failure(error + "：" + instance);
  const double reference = read_reference(answer);

  // A plan that cannot be opened is judged as the empty plan it amounts to.
  if (plan)
    input_bind(plan);
  else
    input_bind_stdin();
  std::int32_t t, k;
  if (read_int(t) != Scan::ok || read_int(k) != Scan::ok)
    badin();
  detail.has_t = true;
  detail.t = t;
  if (t < 0 || t > T)
    finish(REJECTED, message::t_out_of_range);
  judge_plan(t, k, reference, answer);
}
