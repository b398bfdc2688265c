// One test, in full: the instance, then its answer as a total or as a plan.
#include "setter/validation/test_check.h"

#include "judge/approx.h"
#include "judge/outcome.h"
#include "judge/verdict.h"
#include "reader/reader.h"
#include "setter/language/language.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/judging.h"
#include "setter/validation/text_file.h"


namespace test_check_internal {

// Whether the answer is a plan in the canonical layout: its first line is two
// whole integers, t and k (as "setter solve --plan" writes it). Anything else is
// checked as a total, whose layout check then says what is wrong.
bool holds_plan(std::string_view text) {
  const std::string_view first = text.substr(0, text.find('\n'));
  input_bind_text(first);
  std::int32_t more;
  return skip_integer_token() && skip_integer_token() && read_int(more) == Scan::end;
}

} // namespace test_check_internal

std::vector<std::string> check_test(const std::string &instance, const std::vector<std::string> &answers,
                                    const Bounds &bounds) {
  using namespace test_check_internal;
  FileText text;
  if (const std::string error = read_file_text(instance, text); !error.empty())
    return {instance + ": " + error};
  Checked checked = validate_instance(text.view(), instance, bounds);
  for (const std::string &answer : answers) {
    if (const std::string error = read_file_text(answer, text); !error.empty()) {
      checked.reports.push_back(answer + ": " + error);
    } else if (holds_plan(text.view())) {
      if (!checked.solvable)
        continue;
      // The plan judged against itself: acceptable and cheapest at its t; then its
      // total must be the least over every t.
      const Outcome o = judge_in_process(instance, answer, answer, AnswerForms::total_or_plan);
      const std::string total = shortest(detail.plan_total), least = shortest(checked.best.total);
      if (o.failed)
        checked.reports.push_back(answer + ": " + say("the checker fails on it: ", "") + o.failure);
      else if (o.code != OPTIMAL)
        checked.reports.push_back(answer + ": " + say("the plan is not optimal; the checker says: ", "方案不是最佳方案：") +
                                  text_of(*o.message));
      else if (!approx(checked.best.total, detail.plan_total))
        checked.reports.push_back(answer + ": " + say("the plan's total " + total + " is not the least total over all t, " + least,
                                                      "方案總成本 " + total + " 不是所有 t 中的最小總成本 " + least));
    } else {
      validate_answer(text.view(), answer, checked.solvable ? &checked.best : nullptr, checked.reports);
    }
  }
  return checked.reports;
}
