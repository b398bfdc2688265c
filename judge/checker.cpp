// Checking sequence: instance, answer, plan header; the judge's own data is
// blamed first, then the plan's format, then its meaning.
#include "judge/checker.h"

#include <cmath>
#include <string>

#include "instance/loader.h"
#include "reader/reader.h"
#include "instance/tables.h"
#include "judge/judgement.h"
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

void run_checker(int argc, char **argv) {
  if (argc < 4)
    checker_failure("參數不足，用法：checker 題目檔 答案檔 輸出檔");
  if (!input_bind(argv[1]))
    checker_failure(std::string("無法開啟題目檔：") + argv[1]);
  if (std::string error = load_instance(); !error.empty())
    checker_failure(error + "：" + argv[1]);
  const double reference = read_reference(argv[2]);

  // A plan that cannot be opened is judged as the empty plan it amounts to.
  std::int32_t t, k;
  if (!input_bind(argv[3]) || read_int(t) != Scan::ok || read_int(k) != Scan::ok)
    badin();
  if (t < 0 || t > T)
    finish(REJECTED, message::t_out_of_range);
  judge_plan(t, k, reference);
}
