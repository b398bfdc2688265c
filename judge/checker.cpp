// Checking sequence: instance, answer, plan header; the judge's own data is
// blamed first, then the plan's format, then its meaning.
#include "judge/checker.h"

#include <string>

#include "instance/loader.h"
#include "instance/tables.h"
#include "judge/answer.h"
#include "judge/judgement.h"
#include "judge/outcome.h"
#include "judge/verdict.h"
#include "wording/wording.h"
#include "reader/reader.h"

void judge_files(const char *instance, const char *answer, const char *plan, AnswerForms forms) {
  if (!input_bind(instance))
    checker_failure(worded("無法開啟題目檔：", "cannot open the instance file: ") + instance);
  if (const LoadDefect defect = load_instance(); defect.kind != LoadDefect::none)
    checker_failure(load_defect_text(defect) + worded("：", ": ") + instance);
  const double reference = read_reference(answer, forms);

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
